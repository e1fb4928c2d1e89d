// tessilo report: runs SQL through the library's report writer into one of its report views (no
// display needed) and prints the report text, or prints the view to a PDF file or a printer.
#include "cliconnect.h"
#include "clisqltext.h"
#include "command.h"
#include "printjob.h"

#include "report/bookmfcsql.h"
#include "report/bookreport.h"
#include "views/booklistsql.h"

#include <winport/paths.h>

#include <cstdio>
#include <memory>
#include <unistd.h>
#include <utility>

namespace {

// Report text on standard output with Unix line ends. A "\r" that ends a piece is held back
// until the next piece shows whether it begins a line end.
class TextOut {
public:
    void write(const std::string& text)
    {
        std::string in = m_held + text;
        m_held.clear();
        if (!in.empty() && in.back() == '\r') {
            m_held = "\r";
            in.pop_back();
        }
        std::string out;
        out.reserve(in.size());
        size_t from = 0;
        for (size_t at = in.find("\r\n"); at != std::string::npos; at = in.find("\r\n", from)) {
            out.append(in, from, at - from);
            out += '\n';
            from = at + 2;
        }
        out.append(in, from, std::string::npos);
        std::fwrite(out.data(), 1, out.size(), stdout);
        if (!out.empty())
            m_last = out.back();
    }
    // The text held back, and a line end when the output does not end with one.
    void finish()
    {
        if (!m_held.empty())
            std::fwrite(m_held.data(), 1, m_held.size(), stdout);
        if (!m_held.empty() || (m_last && m_last != '\n'))
            std::fputc('\n', stdout);
        m_held.clear();
    }

private:
    std::string m_held;
    char m_last = '\0';
};

// Report text that only goes to standard output leaves in blocks of 1 MB as the report grows.
const size_t kStreamBlock = 1 << 20;

// The edit view of a report that is only printed on standard output: every text the writer
// appends is collected here and never laid out in the control.
class StreamedEdit : public PrintJobEdit {
public:
    StreamedEdit(PrintJob& job, TextOut& out)
        : PrintJobEdit(job)
        , m_out(out)
    {
    }
    void bookEditAppend(const CString& text) override
    {
        m_pending.append(text.GetString(), static_cast<size_t>(text.GetLength()));
        if (m_pending.size() >= kStreamBlock)
            flush();
    }
    void flush()
    {
        m_out.write(m_pending);
        m_pending.clear();
    }

private:
    TextOut& m_out;
    std::string m_pending;
};

// The report writer with its diagnostics on standard error and a row counter on a terminal.
class CommandReport : public bookMfcSQL {
public:
    CommandReport()
        : m_progress(isatty(STDERR_FILENO) != 0)
    {
    }
    ~CommandReport() override
    {
        if (m_shown)
            std::fprintf(stderr, "\rtessilo: %ld rows\n", m_rows);
    }

    long SQLHandleError(void* handle, short handleType, short code) override
    {
        m_ODBCItem.lastReturn = code;
        if (code == SQL_ERROR || code == SQL_INVALID_HANDLE)
            m_failed = true;
        if (code == SQL_INVALID_HANDLE)
            return 0;
        std::vector<CString> lines = MfcSQLDiagnostics(handle, handleType);
        if (!lines.empty() && m_shown) {
            std::fputc('\n', stderr);
            m_shown = false;
        }
        for (const CString& line : lines)
            std::fputs(line.GetString(), stderr);
        return 0;
    }

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override
    {
        long result = bookMfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
        if (binding && !binding->next && ++m_rows % 1000 == 0) {
            if (m_progress) {
                std::fprintf(stderr, "\rtessilo: %ld rows", m_rows);
                m_shown = true;
            }
            if (m_streamed)
                flush(false);
        }
        return result;
    }

    // The rich-edit view's text that is only printed leaves the view as the report grows, so
    // the view stays small: the writer only ever appends at the end.
    void streamFrom(CView* view, TextOut* out)
    {
        m_streamed = view;
        m_out = out;
    }
    void flush(bool last)
    {
        CString text;
        m_streamed->GetWindowText(text);
        if (!last && static_cast<size_t>(text.GetLength()) < kStreamBlock)
            return;
        m_out->write(text.str());
        if (!last)
            m_streamed->SetWindowText("");
    }

    bool failed() const { return m_failed; }

private:
    CView* m_streamed = nullptr;
    TextOut* m_out = nullptr;
    bool m_progress;
    bool m_shown = false;
    bool m_failed = false;
    long m_rows = 0;
};

// The report views with the command's letterhead, centred in the rich-edit view.
template <typename View> class LetterheadView : public View {
public:
    template <typename... Args>
    explicit LetterheadView(const std::string& letterhead, Args&&... args)
        : View(std::forward<Args>(args)...)
        , m_letterhead(letterhead)
    {
    }
    long bookEditSupplyLetterHead(CString* text, CPrintInfo*) override
    {
        if (!m_letterhead.empty())
            *text = (m_letterhead + "\r\n").c_str();
        return 0;
    }
    long bookEditSupplyAlignment(unsigned int* alignment) override
    {
        *alignment = 1;
        return 0;
    }

private:
    std::string m_letterhead;
};

struct Options {
    std::string sql;
    std::string file;
    std::string connect;
    bool haveConnect = false;
    bool totals = false;
    bool subTotals = false;
    bool date = false;
    std::string letterhead;
    std::string view = "edit";
    std::string pdf;
    std::string printer;
};

int parse(const std::vector<std::string>& args, Options* o)
{
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options && a == "--") {
            options = false;
            continue;
        }
        if (!options || a.empty() || a[0] != '-') {
            o->sql += (o->sql.empty() ? "" : " ") + a;
            continue;
        }
        bool valued = a == "-f" || a == "--file" || a == "--connect" || a == "-c"
            || a == "--letterhead" || a == "--view" || a == "--pdf" || a == "--printer";
        if (valued && i + 1 >= args.size())
            return cliError(cliUsage, a + " needs a value");
        if (a == "-f" || a == "--file")
            o->file = args[++i];
        else if (a == "--connect" || a == "-c") {
            o->connect = args[++i];
            o->haveConnect = true;
        } else if (a == "--letterhead")
            o->letterhead = args[++i];
        else if (a == "--view")
            o->view = args[++i];
        else if (a == "--pdf")
            o->pdf = args[++i];
        else if (a == "--printer")
            o->printer = args[++i];
        else if (a == "--totals")
            o->totals = true;
        else if (a == "--subtotals")
            o->subTotals = o->totals = true;
        else if (a == "--date")
            o->date = true;
        else
            return cliError(cliUsage, "unknown option " + a + " (see \"tessilo help report\")");
    }
    if (o->view != "edit" && o->view != "rich" && o->view != "list")
        return cliError(cliUsage, "--view takes edit, rich or list");
    if (o->view == "list" && (!o->pdf.empty() || !o->printer.empty()))
        return cliError(cliUsage, "the list view does not print; use --view edit or rich");
    if (!o->file.empty() && !o->sql.empty())
        return cliError(cliUsage, "give the SQL either as arguments or with -f, not both");
    return cliOk;
}

// The list view as tab-separated lines: the column titles, then every row.
void writeList(bookListSQL& view)
{
    CListCtrl& list = view.GetListCtrl();
    int columns = view.bookListGetColumnCount();
    std::string out;
    for (int c = 0; c < columns; ++c) {
        char title[260] = {};
        LVCOLUMNA description {};
        description.mask = LVCF_TEXT;
        description.pszText = title;
        description.cchTextMax = sizeof title;
        list.GetColumn(c, &description);
        out += std::string(c ? "\t" : "") + title;
    }
    out += '\n';
    for (int r = 0; r < list.GetItemCount(); ++r) {
        for (int c = 0; c < columns; ++c)
            out += std::string(c ? "\t" : "") + list.GetItemText(r, c).GetString();
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int runReport(const std::vector<std::string>& args)
{
    Options o;
    if (int rc = parse(args, &o); rc != cliOk)
        return rc;
    std::string text = o.sql;
    if (int rc = cliReadSQL(o.file, &text); rc != cliOk)
        return rc;
    std::string why;
    std::string connect = cliConnectString(o.haveConnect, o.connect, &why);
    if (connect.empty())
        return cliError(cliFailed, why);

    PrintJob job;
    bool printing = !o.pdf.empty() || !o.printer.empty();
    if (printing) {
        job.printer = printJobChoosePrinter(o.printer.empty() ? "PDF" : o.printer);
        if (job.printer.empty())
            return cliError(
                cliFailed, "no printer is named \"" + o.printer + "\" (see \"tessilo printers\")");
        if (!o.pdf.empty() && job.printer != "PDF")
            return cliError(cliUsage, "--pdf writes through the \"PDF\" printer only");
        if (job.printer == "PDF") {
            const char* fallback = std::getenv("TESSILO_PRINT_TO");
            if (o.pdf.empty() && !fallback)
                return cliError(cliUsage, "the \"PDF\" printer needs --pdf OUT.pdf");
            job.output = winport::toNativePath(o.pdf.empty() ? fallback : o.pdf.c_str());
            if (!printJobWritable(job.output))
                return cliError(cliFailed, "cannot write " + job.output);
        }
    }

    bookReport layout; // outlives the writer that points to it
    CommandReport writer;
    long rc = writer.MfcSQLInit(const_cast<char*>(connect.c_str()));
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
        return cliError(cliFailed, "cannot connect (ODBC return code " + std::to_string(rc) + ")");
    writer.MfcSQLWantDate(o.date ? 1 : 0);
    writer.MfcSQLWantTotals(o.totals ? 1 : 0);
    writer.m_wantSubTotals = o.subTotals ? 1 : 0;
    writer.MfcSQLWantLetterHead(o.letterhead.empty() ? 0 : 1);

    CWnd host;
    if (!host.CreateEx(
            0, nullptr, "tessilo report", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr))
        return cliError(cliFailed, "cannot create the report window");
    const CRect area(0, 0, 800, 600);
    TextOut out;
    std::unique_ptr<LetterheadView<PrintJobEdit>> edit;
    std::unique_ptr<LetterheadView<StreamedEdit>> streamed;
    std::unique_ptr<LetterheadView<PrintJobRichEdit>> rich;
    std::unique_ptr<bookListSQL> list;
    CView* view = nullptr;
    if (o.view == "edit" && !printing) {
        streamed = std::make_unique<LetterheadView<StreamedEdit>>(o.letterhead, job, out);
        streamed->Create(nullptr, nullptr, WS_CHILD, area, &host, 1);
        writer.MfcSQLSetOutput(streamed.get());
        view = streamed.get();
    } else if (o.view == "edit") {
        edit = std::make_unique<LetterheadView<PrintJobEdit>>(o.letterhead, job);
        edit->Create(nullptr, nullptr, WS_CHILD, area, &host, 1);
        edit->GetEditCtrl().SetLimitText(0x7FFFFFFE);
        edit->bookEditSetPageNumbering(1);
        edit->bookEditSetTitles(1);
        writer.MfcSQLSetOutput(edit.get());
        view = edit.get();
    } else if (o.view == "rich") {
        rich = std::make_unique<LetterheadView<PrintJobRichEdit>>(o.letterhead, job);
        // The report gets number 1 from a layout that changes nothing else (short dates, the
        // default decimals, no narrow columns): the rich-edit view's printing repeats the titles
        // of a numbered report on every page, and reads the number -1 of a report without a
        // layout as no report.
        writer.MfcSQLSetBookReport(&layout);
        layout.reportSetID(1);
        for (long c = 0; c < BOOKREPORT_COLUMNS; ++c) {
            layout.reportColumn(c)->shortDate = 1;
            layout.reportColumn(c)->decimals = writer.m_ODBCItem.decimalPlaces;
        }
        rich->Create(nullptr, nullptr, WS_CHILD, area, &host, 1);
        rich->GetRichEditCtrl().LimitText(0x7FFFFFFE);
        rich->bookEditSetFont();
        rich->bookEditSetPageNumbering(1);
        rich->bookEditSetMargins(0.75, 0.75, 0.75, 0.75);
        writer.MfcSQLSetOutput(rich.get());
        view = rich.get();
    } else {
        list = std::make_unique<bookListSQL>();
        if (list->bookListSQLCreate(&host, 1, area) != 0)
            return cliError(cliFailed, "cannot create the list view");
        writer.MfcSQLSetOutput(list.get());
        view = list.get();
    }

    if (rich && !printing)
        writer.streamFrom(view, &out);
    _ODBCItemBuff* buff = writer.MfcSQLSetSQLBuff(static_cast<unsigned int>(text.size()));
    if (!buff)
        return cliError(cliFailed, "out of memory");
    long count = 0;
    writer.MfcSQLExecStr(const_cast<char*>(text.c_str()), &count, buff);
    writer.MfcSQLFreeSQLBuff(buff);

    int result = writer.failed() ? cliFailed : cliOk;
    if (printing) {
        int printed = -1;
        if (edit) {
            edit->OnFilePrint();
            printed = edit->GetLastPrintResult();
        } else {
            rich->OnFilePrint();
            printed = rich->GetLastPrintResult();
        }
        if (printed != 0) {
            result = cliError(cliFailed, "printing the report on " + job.printer + " failed");
        } else {
            std::printf("%s\n", job.output.empty() ? job.printer.c_str() : job.output.c_str());
            std::fprintf(stderr, "tessilo: printed %d page%s on %s\n", job.pages,
                job.pages == 1 ? "" : "s", job.printer.c_str());
        }
    } else if (list) {
        writeList(*list);
    } else {
        if (streamed)
            streamed->flush();
        else
            writer.flush(true);
        out.finish();
    }
    view->DestroyWindow();
    host.DestroyWindow();
    return result;
}

CliCommandRegistration reportCommand({ "report",
    "[SQL... | -f FILE] [--totals] [--subtotals] [--date] [--letterhead TEXT] "
    "[--view edit|rich|list] [--pdf OUT.pdf] [--printer NAME] [--connect STRING]",
    "run SQL through the report writer and print the report text, or print it to PDF",
    "Runs the SQL given as arguments, read from FILE, or read from standard input through the\n"
    "library's report writer into one of its report views, and prints the report text on\n"
    "standard output (every cell padded to its column's display width and followed by a blank).\n"
    "A final semicolon is added when missing; every statement ended by one runs on its own.\n"
    "  -f FILE, --file FILE   read the SQL from FILE\n"
    "  --totals               total the integer and floating-point columns at the end\n"
    "  --subtotals            a sub-totals block before the totals (implies --totals)\n"
    "  --date                 today's date line before the first report\n"
    "  --letterhead TEXT      TEXT as a letterhead before the first report (centred in the\n"
    "                         rich-edit view)\n"
    "  --view edit|rich|list  the plain edit view (default); the rich-edit view, whose text\n"
    "                         carries a report marker \"[-[1]-]\" before the titles; or the\n"
    "                         list view, printed as tab-separated titles and rows\n"
    "  --pdf OUT.pdf          print the report through the \"PDF\" printer into OUT.pdf\n"
    "  --printer NAME         print on that printer (\"tessilo printers\" lists them)\n"
    "  --connect STRING, -c STRING  the ODBC connect string; without it, the library's\n"
    "                         (\"ConnectStr\", else \"ConnectStrInstalled\" of the profile)\n"
    "  --                     end of the options: every argument after it is SQL\n"
    "ODBC diagnostics go to standard error. On a terminal, a row counter runs on standard\n"
    "error. Printing writes the PDF's path (or the printer's name) on standard output. Exits 1\n"
    "when the connect, a statement or the printing fails (the text written so far is still\n"
    "printed), 2 on a usage error.\n",
    runReport });

} // namespace
