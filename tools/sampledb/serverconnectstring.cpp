#include "serverconnectstring.h"

namespace sampledb {

namespace {

    // An ODBC attribute value: braced when it holds a character that would end or open it.
    std::string attribute(const char* key, const std::string& value)
    {
        if (value.find_first_of(";{}") == std::string::npos && value.find(' ') != 0
            && (value.empty() || value.back() != ' '))
            return std::string(key) + "=" + value + ";";
        std::string braced = "{";
        for (char ch : value)
            braced += ch == '}' ? std::string("}}") : std::string(1, ch);
        return std::string(key) + "=" + braced + "};";
    }

} // namespace

std::string serverConnectString(const ServerParameters& server, const std::string& localDatabase)
{
    std::string connect = "Driver={PostgreSQL ANSI};" + attribute("Server", server.host)
        + attribute("Port", server.port) + attribute("Database", server.database)
        + attribute("UID", server.user);
    if (!server.password.empty())
        connect += attribute("PWD", server.password);
    if (!server.sslmode.empty())
        connect += attribute("SSLmode", server.sslmode);
    // No driver log files in /tmp.
    return connect + "CommLog=0;Debug=0;" + attribute("DBQ", localDatabase);
}

} // namespace sampledb
