// Helpers of the transfer engine tests: transfer records, the loopback server's credentials,
// local files and the records of an FTP log.
#pragma once

#include <gtest/gtest.h>

#include "ftp/dlgftpitem.h"
#include "ftp/dlgftplogitem.h"

#include "scopedcwd.h"
#include "testserver.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ftptest {

// host is "127.0.0.1:<port>" as the lists keep it (without "ftp://").
inline _DlgFtpItemTransfer Item(const std::string& host, DWORD sourceType,
    const std::string& source, DWORD destinationType, const std::string& destination,
    int subdirectories = 0, const char* password = "pass")
{
    _DlgFtpItemTransfer item;
    std::memset(&item, 0, sizeof item);
    std::strncpy(item.host, host.c_str(), sizeof item.host - 1);
    std::strcpy(item.userId, "user");
    std::strncpy(item.password, password, sizeof item.password - 1);
    item.includeSubdirectories = subdirectories;
    item.source.type = sourceType;
    std::strncpy(item.source.path, source.c_str(), sizeof item.source.path - 1);
    item.destination.type = destinationType;
    std::strncpy(item.destination.path, destination.c_str(), sizeof item.destination.path - 1);
    return item;
}

inline std::string HostOf(const FtpTestServer& server)
{
    return "127.0.0.1:" + std::to_string(server.Port());
}

inline std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void Spit(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

inline std::vector<_DlgFtpLogItem> Records(const std::string& logPath)
{
    std::vector<_DlgFtpLogItem> records;
    dlgftplogRead(logPath.c_str(), records);
    return records;
}

inline std::string StatusOf(const _DlgFtpLogItem& record)
{
    return DLGFTP_FIELD(record.status).str();
}
}
