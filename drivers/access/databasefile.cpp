#include "databasefile.h"

#include <winport/paths.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace accessdriver {

namespace {

    DatabaseKind kindOfContent(const unsigned char* head, ssize_t length)
    {
        if (length == 0)
            return DatabaseKind::Sqlite;
        if (length >= 16 && memcmp(head, "SQLite format 3", 16) == 0)
            return DatabaseKind::Sqlite;
        if (length >= 19
            && (memcmp(head + 4, "Standard Jet DB", 15) == 0
                || memcmp(head + 4, "Standard ACE DB", 15) == 0))
            return DatabaseKind::Jet;
        return DatabaseKind::Unknown;
    }

} // namespace

DatabaseFile examineDatabaseFile(const std::string& dbq)
{
    DatabaseFile file;
    file.nativePath = winport::toNativePath(dbq.c_str());
    if (file.nativePath.empty()) {
        file.kind = DatabaseKind::Missing;
        return file;
    }
    struct stat st;
    if (stat(file.nativePath.c_str(), &st) != 0) {
        file.kind = errno == ENOENT || errno == ENOTDIR ? DatabaseKind::Missing
                                                        : DatabaseKind::Unreadable;
        file.reason = strerror(errno);
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.kind = DatabaseKind::Unreadable;
        file.reason = "not a file";
        return file;
    }
    int fd = open(file.nativePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        file.kind = DatabaseKind::Unreadable;
        file.reason = strerror(errno);
        return file;
    }
    unsigned char head[32] = {};
    ssize_t length = read(fd, head, sizeof head);
    int readError = errno;
    close(fd);
    if (length < 0) {
        file.kind = DatabaseKind::Unreadable;
        file.reason = strerror(readError);
        return file;
    }
    file.kind = kindOfContent(head, length);
    return file;
}

} // namespace accessdriver
