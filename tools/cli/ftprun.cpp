// tessilo ftp run: a saved transfer list through the list engine in automatic mode, with a
// progress line per file on standard error and the FTP log written as the dialogs write it.
#include "command.h"
#include "ftpcommands.h"
#include "ftpfiles.h"

#include <ftp/ftplistengine.h>
#include <winport/headless.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <strings.h>

namespace {
using Clock = std::chrono::steady_clock;

std::string rateText(double bytes, double seconds)
{
    const char* units[] = { "B/s", "KiB/s", "MiB/s", "GiB/s" };
    double rate = seconds > 0 ? bytes / seconds : 0;
    int unit = 0;
    while (rate >= 1024 && unit < 3) {
        rate /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", rate, units[unit]);
    return text;
}

// The engine with its status lines and log records turned into progress lines and a verdict.
class CliListEngine : public CFtpListEngine {
public:
    explicit CliListEngine(const std::string& logPath)
        : CFtpListEngine(nullptr, nullptr, nullptr, logPath.c_str())
    {
    }

    int LogWrite(_DlgFtpLogItem* record) override
    {
        int written = CFtpListEngine::LogWrite(record);
        double seconds
            = m_pending ? std::chrono::duration<double>(Clock::now() - m_started).count() : 0.0;
        m_pending = false;
        CString status = DLGFTP_FIELD(record->status);
        bool ok = status == "Transfer OK";
        if (!ok)
            ++m_failures;
        std::string shown = status.str();
        for (char& c : shown) {
            if (c == '\n' || c == '\r')
                c = ' ';
        }
        DWORD bytes = record->item.source.size;
        std::fprintf(stderr, "%s %s -> %s  %lu bytes  %s  %s\n", record->action,
            record->item.source.path, record->item.destination.path,
            static_cast<unsigned long>(bytes), rateText(ok ? bytes : 0, seconds).c_str(),
            shown.c_str());
        if (!written) {
            ++m_failures;
            std::fprintf(stderr, "tessilo: the record could not be written to %s\n",
                GetLogPath().GetString());
        }
        return written;
    }

    // A file whose line had no record was skipped: its source is missing.
    void Finish() { NoteSkipped(); }
    int Failures() const { return m_failures; }

protected:
    void StatusAppend(const CString& text) override
    {
        NoteSkipped();
        // "Putting : name\n\r"
        int colon = text.Find(" : ");
        m_name = text.Mid(colon + 3, text.GetLength() - colon - 5).str();
        m_pending = true;
        m_started = Clock::now();
    }

private:
    void NoteSkipped()
    {
        if (!m_pending)
            return;
        m_pending = false;
        ++m_failures;
        std::fprintf(stderr, "%s  skipped: the source was not found\n", m_name.c_str());
    }

    bool m_pending = false;
    std::string m_name;
    Clock::time_point m_started;
    int m_failures = 0;
};

bool endsWith(const std::string& text, const char* suffix)
{
    size_t n = std::char_traits<char>::length(suffix);
    return text.size() >= n && strcasecmp(text.c_str() + text.size() - n, suffix) == 0;
}
}

int ftpRunCommand(const std::vector<std::string>& args)
{
    std::string list;
    std::string log;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--log") {
            if (i + 1 >= args.size())
                return cliError(cliUsage, "--log needs a file name");
            log = args[++i];
        } else if (!args[i].empty() && args[i][0] == '-') {
            return cliError(
                cliUsage, "unknown option \"" + args[i] + "\" (see \"tessilo help ftp\")");
        } else if (list.empty()) {
            list = args[i];
        } else {
            return cliError(cliUsage, "ftp run takes one transfer list");
        }
    }
    if (list.empty())
        return cliError(cliUsage, "ftp run needs a transfer list (see \"tessilo help ftp\")");
    bool get = endsWith(list, ".tlg");
    if (!get && !endsWith(list, ".tlp"))
        return cliError(cliUsage, list + ": a transfer list ends in .tlp (put) or .tlg (get)");
    if (log.empty())
        log = "NetvaneFtpLog.flg";

    std::vector<_DlgFtpItemTransfer> items;
    std::string why;
    if (!ftpReadTransferList(list, items, &why))
        return cliError(cliFailed, why);
    if (!ftpCheckLogForAppend(log, &why))
        return cliError(cliFailed, why + "; nothing was transferred");

    int failures = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const _DlgFtpItemTransfer& item = items[i];
        bool runs = item.source.type == DLGFTPITEM_FILE
            || (item.source.type == DLGFTPITEM_FOLDER && item.includeSubdirectories);
        if (!runs) {
            ++failures;
            std::fprintf(stderr,
                "%s  skipped: item %zu is a %s without \"include sub-directories\"\n",
                item.source.path, i + 1,
                item.source.type == DLGFTPITEM_FOLDER ? "folder" : "drive or unset source");
        }
    }

    // The progress dialogs exist without a display too; nobody sees them.
    winport::setHeadless();
    CliListEngine engine(log);
    if (get)
        engine.ListRunGet(items.data(), items.size());
    else
        engine.ListRunPut(items.data(), items.size());
    engine.Finish();
    failures += engine.Failures();
    if (failures)
        return cliError(
            cliFailed, std::to_string(failures) + " transfer(s) did not end \"Transfer OK\"");
    return cliOk;
}
