// tessilo sql: runs SQL text through the library's statement class and prints the plain output
// (titles with their underline, one line per row) and the ODBC diagnostics.
#include "cliconnect.h"
#include "clisqltext.h"
#include "command.h"

#include "db/mfcsql.h"

#include <cstdio>
#include <sstream>

namespace {

// Text with "\r\n" line ends as plain lines without trailing blanks.
std::string plainLines(const CString& text)
{
    std::string out;
    std::string line;
    auto flush = [&] {
        size_t end = line.find_last_not_of(' ');
        out += line.substr(0, end == std::string::npos ? 0 : end + 1) + "\n";
        line.clear();
    };
    for (int i = 0; i < text.GetLength(); ++i) {
        char ch = text[i];
        if (ch == '\r')
            continue;
        if (ch == '\n')
            flush();
        else
            line += ch;
    }
    if (!line.empty())
        flush();
    return out;
}

// The statement class with its output on the terminal: the layout of the base class's plain text
// output, rows on standard output, diagnostics on standard error.
class TerminalSQL : public MfcSQL {
public:
    using MfcSQL::MfcSQLOutputTitle;

    CString MfcSQLOutputTitle(char* title, STR_BINDING* binding, long column) override
    {
        CString titles = MfcSQLBuildTitle(title, binding, column, column == 0);
        if (binding && !binding->next)
            std::fputs(plainLines(titles).c_str(), stdout);
        return titles;
    }

    long MfcSQLOutput(char*, STR_BINDING* binding, long*, long, void*) override
    {
        CString cell;
        if (MfcSQLFormatCell(binding, &cell))
            m_row += std::string(cell.GetString()) + " ";
        if (!binding->next) {
            std::fputs(plainLines(m_row.c_str()).c_str(), stdout);
            m_row.clear();
        }
        return 0;
    }

    long SQLHandleError(void* handle, short handleType, short code) override
    {
        m_ODBCItem.lastReturn = code;
        if (code == SQL_ERROR || code == SQL_INVALID_HANDLE)
            m_failed = true;
        if (code != SQL_INVALID_HANDLE)
            for (const CString& line : MfcSQLDiagnostics(handle, handleType))
                std::fputs(line.GetString(), stderr);
        return 0;
    }

    long ProcessSQL(unsigned char* statement, unsigned int length, long* count) override
    {
        long result = MfcSQL::ProcessSQL(statement, length, count);
        std::fflush(stdout);
        return result;
    }

    bool failed() const { return m_failed; }

private:
    std::string m_row;
    bool m_failed = false;
};

int runSql(const std::vector<std::string>& args)
{
    std::string connect;
    bool haveConnect = false;
    std::string file;
    std::string text;
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == "--") {
            options = false; // everything after it is SQL, even text that begins with "-"
            continue;
        }
        if (!options) {
            text += (text.empty() ? "" : " ") + arg;
            continue;
        }
        if ((arg == "--connect" || arg == "-c" || arg == "-f" || arg == "--file")
            && i + 1 >= args.size())
            return cliError(cliUsage, arg + " needs a value");
        if (arg == "--connect" || arg == "-c") {
            connect = args[++i];
            haveConnect = true;
        } else if (arg == "-f" || arg == "--file") {
            file = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return cliError(cliUsage, "unknown option " + arg);
        } else {
            text += (text.empty() ? "" : " ") + arg;
        }
    }
    if (!file.empty() && !text.empty())
        return cliError(cliUsage, "give the SQL either as arguments or with -f, not both");
    if (int rc = cliReadSQL(file, &text); rc != cliOk)
        return rc;

    std::string why;
    connect = cliConnectString(haveConnect, connect, &why);
    if (connect.empty())
        return cliError(cliFailed, why);
    TerminalSQL sql;
    // The driver's diagnostics of a failed connect are printed as they are reported.
    long rc = sql.MfcSQLInit(const_cast<char*>(connect.c_str()));
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
        return cliError(cliFailed, "cannot connect (ODBC return code " + std::to_string(rc) + ")");
    _ODBCItemBuff* buff = sql.MfcSQLSetSQLBuff(static_cast<unsigned int>(text.size()));
    if (!buff)
        return cliError(cliFailed, "out of memory");
    long count = 0;
    sql.MfcSQLExecStr(const_cast<char*>(text.c_str()), &count, buff);
    sql.MfcSQLFreeSQLBuff(buff);
    return sql.failed() ? cliFailed : cliOk;
}

CliCommandRegistration sqlCommand({ "sql", "[--connect STRING] [-f FILE | [--] SQL...]",
    "run SQL through the library and print the rows and diagnostics",
    "Runs the SQL given as arguments, read from FILE, or read from standard input. The text is\n"
    "split at every semicolon (a final one is added when missing); each statement runs on its\n"
    "own. Rows are printed under their column titles; ODBC diagnostics go to standard error as\n"
    "\"[state] message (native)\" lines.\n"
    "  --connect STRING, -c STRING  the ODBC connect string (at most 511 characters); without\n"
    "                               it, the library's (\"ConnectStr\", else "
    "\"ConnectStrInstalled\"\n"
    "                               of the profile)\n"
    "  -f FILE, --file FILE         read the SQL from FILE\n"
    "  --                           end of the options: every argument after it is SQL, also\n"
    "                               one that begins with \"-\"; a \"--\" comment runs to the\n"
    "                               next semicolon, since line breaks reach the driver as blanks\n"
    "A failed connect prints the driver's diagnostics. Exits 1 when the connect or a statement\n"
    "fails, 2 on a usage error.\n",
    runSql });

} // namespace
