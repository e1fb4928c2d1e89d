// tessilo ftp log: the records of an FTP log as text, one per line.
#include "command.h"
#include "ftpcommands.h"
#include "ftpfiles.h"

#include <cstdio>
#include <string>

namespace {
// Tabs and line ends would break the line's columns.
std::string cell(const CString& text)
{
    std::string out;
    for (const char* c = text.GetString(); *c; ++c) {
        if (*c == '\n')
            out += " | ";
        else if (*c == '\r' || *c == '\t')
            out += ' ';
        else
            out += *c;
    }
    return out;
}
}

int ftpLogCommand(const std::vector<std::string>& args)
{
    std::string path;
    std::string only;
    for (const std::string& arg : args) {
        if (arg == "--put" || arg == "--get") {
            if (!only.empty() && only != arg)
                return cliError(cliUsage, "ftp log takes --put or --get, not both");
            only = arg;
        } else if (!arg.empty() && arg[0] == '-') {
            return cliError(cliUsage, "unknown option \"" + arg + "\" (see \"tessilo help ftp\")");
        } else if (path.empty()) {
            path = arg;
        } else {
            return cliError(cliUsage, "ftp log takes one log file");
        }
    }
    if (path.empty())
        return cliError(cliUsage, "ftp log needs an FTP log file (see \"tessilo help ftp\")");
    std::vector<_DlgFtpLogItem> records;
    std::string why;
    if (!ftpReadLog(path, records, &why))
        return cliError(cliFailed, why);
    for (const _DlgFtpLogItem& r : records) {
        CString action = DLGFTP_FIELD(r.action);
        if ((only == "--put" && action != "Put") || (only == "--get" && action != "Get"))
            continue;
        std::printf("%s\t%s\t%s\t%s\t%s\n", dlgftplogFormatTime(r.time).GetString(),
            action.GetString(), cell(DLGFTP_FIELD(r.item.source.path)).c_str(),
            cell(DLGFTP_FIELD(r.item.destination.path)).c_str(),
            cell(DLGFTP_FIELD(r.status)).c_str());
    }
    return std::fflush(stdout) == 0 ? cliOk : cliError(cliFailed, "cannot write the listing");
}
