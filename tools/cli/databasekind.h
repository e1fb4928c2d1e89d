// What a connect string reaches, for tessilo status: the kind of database (an SQLite file through
// the Access stand-in, a Jet/ACE file through mdbtools, a PostgreSQL server, another driver) read
// from the string, its data source and the file's signature; and whether it answers a connect.
#pragma once

#include <string>

struct DatabaseProbe {
    std::string kind; // one line
    bool answers = false;
    std::string answer; // the database's name and version, or why it does not answer
};

std::string describeDatabase(const std::string& connect);
// Connects (at most about ten seconds) and disconnects again.
DatabaseProbe probeDatabase(const std::string& connect);
