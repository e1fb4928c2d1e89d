// tessilo ftp: unattended FTP list runs and FTP log listings (ftprun.cpp, ftplog.cpp).
#include "command.h"
#include "ftpcommands.h"

namespace {
int runFtp(const std::vector<std::string>& args)
{
    if (args.empty())
        return cliError(cliUsage, "ftp needs a subcommand: run or log (see \"tessilo help ftp\")");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "run")
        return ftpRunCommand(rest);
    if (args[0] == "log")
        return ftpLogCommand(rest);
    return cliError(cliUsage, "unknown ftp subcommand \"" + args[0] + "\" (run or log)");
}

CliCommandRegistration ftpCommand({ "ftp",
    "run LIST.tlp|LIST.tlg [--log FILE.flg] | log FILE.flg [--put|--get]",
    "run a saved FTP transfer list unattended, or list an FTP log",
    "tessilo ftp run LIST.tlp|LIST.tlg [--log FILE.flg]\n"
    "  Runs a transfer list saved by the FTP workbench: a .tlp list puts local files on their\n"
    "  hosts, a .tlg list gets host files to the local disk. Every item runs as the list dialog\n"
    "  runs it (folders with \"include sub-directories\" recursively, missing destination\n"
    "  folders created level by level). One line per file on standard error: direction, source,\n"
    "  destination, bytes, rate and outcome. The exit status is 0 only when every item ended\n"
    "  \"Transfer OK\"; a truncated or foreign list is refused before anything runs.\n"
    "  --log FILE.flg   the FTP log the records are appended to (created readable by its owner\n"
    "                   only); default \"NetvaneFtpLog.flg\" in the current directory.\n"
    "                   A file that is not an FTP log is refused and left as it is.\n"
    "\n"
    "tessilo ftp log FILE.flg [--put|--get]\n"
    "  Lists the records of an FTP log on standard output, one per line, tab-separated: date\n"
    "  (UTC, MM/DD/YYYY hh:mm:ss), action, source, destination, status (line ends shown as\n"
    "  \" | \"). Passwords are not shown.\n"
    "  --put            only the records of puts\n"
    "  --get            only the records of gets\n"
    "\n"
    "Transfer lists and FTP logs store the host passwords in clear.\n",
    runFtp });
}
