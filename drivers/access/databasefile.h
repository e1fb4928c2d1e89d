// The database file named by DBQ=: a Windows path on the drive model (or a native path), and the
// kind of file found there.
#pragma once

#include <string>

namespace accessdriver {

enum class DatabaseKind {
    Missing, // no such file
    Unreadable, // a folder, or a file that cannot be opened
    Sqlite, // "SQLite format 3" (or empty: SQLite takes it as a new database)
    Jet, // "Standard Jet DB" / "Standard ACE DB" at offset 4
    Unknown, // any other content
};

struct DatabaseFile {
    std::string nativePath;
    DatabaseKind kind = DatabaseKind::Missing;
    std::string reason; // why it is Unreadable
};

// Resolves the path on the drive model and reads the file's signature.
DatabaseFile examineDatabaseFile(const std::string& dbq);

} // namespace accessdriver
