// tessilo print and tessilo printers: printing a text or RTF file through the library's report
// views without a display, and the printers the system knows.
#include "command.h"
#include "printjob.h"

#include "app/richeditstream.h"
#include "app/tessilo.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <afxext.h>
#include <cfile.h>
#include <objbase.h>
#include <winport/paths.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <string>
#include <vector>

namespace {

bool readFile(const std::string& path, std::string* bytes)
{
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone))
        return false;
    bytes->resize(static_cast<size_t>(file.GetLength()));
    UINT read = bytes->empty() ? 0 : file.Read(&(*bytes)[0], static_cast<UINT>(bytes->size()));
    bytes->resize(read);
    return true;
}

int runPrint(const std::vector<std::string>& args)
{
    std::string file;
    std::string printerName;
    std::string pdf;
    bool rich = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--printer" || a == "--pdf") && i + 1 < args.size()) {
            (a == "--printer" ? printerName : pdf) = args[++i];
        } else if (a == "--rich") {
            rich = true;
        } else if (!a.empty() && a[0] == '-') {
            return cliError(cliUsage, "unknown option \"" + a + "\" (see \"tessilo help print\")");
        } else if (file.empty()) {
            file = a;
        } else {
            return cliError(cliUsage, "print takes one file");
        }
    }
    if (file.empty())
        return cliError(cliUsage, "print needs a file (see \"tessilo help print\")");
    if (!pdf.empty() && printerName.empty())
        printerName = "PDF";
    PrintJob job;
    job.printer = printJobChoosePrinter(printerName);
    if (job.printer.empty())
        return cliError(cliFailed,
            printerName.empty()
                ? "there is no default printer"
                : "no printer is named \"" + printerName + "\" (see \"tessilo printers\")");
    if (!pdf.empty() && job.printer != "PDF")
        return cliError(cliUsage, "--pdf writes through the \"PDF\" printer only");
    std::string bytes;
    if (!readFile(file, &bytes))
        return cliError(cliFailed, "cannot read " + file);
    if (job.printer == "PDF") {
        if (pdf.empty() && !std::getenv("TESSILO_PRINT_TO")) {
            std::string native = winport::toNativePath(file.c_str());
            size_t dot = native.rfind('.');
            size_t slash = native.rfind('/');
            pdf = (dot != std::string::npos && (slash == std::string::npos || dot > slash)
                          ? native.substr(0, dot)
                          : native)
                + ".pdf";
        }
        if (!pdf.empty())
            job.output = winport::toNativePath(pdf.c_str());
        else
            job.output = winport::toNativePath(std::getenv("TESSILO_PRINT_TO"));
        if (!printJobWritable(job.output))
            return cliError(cliFailed, "cannot write " + job.output);
    }

    CWnd host;
    if (!host.CreateEx(
            0, nullptr, file.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr))
        return cliError(cliFailed, "cannot create the print window");
    int result = -1;
    if (rich) {
        PrintJobRichEdit view(job);
        view.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 1);
        view.bookEditSetFont();
        _richEditStreamIn in { &bytes[0], static_cast<long>(bytes.size()), 0 };
        view.getStreamIn(&in);
        view.bookEditSetPageNumbering(1);
        view.bookEditSetMargins(0.75, 0.75, 0.75, 0.75);
        view.OnFilePrint();
        result = view.GetLastPrintResult();
        view.DestroyWindow();
    } else {
        PrintJobEdit view(job);
        view.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 1);
        view.SetWindowText(bytes.c_str());
        view.bookEditSetPageNumbering(1);
        view.OnFilePrint();
        result = view.GetLastPrintResult();
        view.DestroyWindow();
    }
    host.DestroyWindow();
    if (result != 0)
        return cliError(cliFailed, "printing " + file + " on " + job.printer + " failed");
    std::printf("%s\n", job.output.empty() ? job.printer.c_str() : job.output.c_str());
    std::fprintf(stderr, "tessilo: printed %d page%s on %s\n", job.pages, job.pages == 1 ? "" : "s",
        job.printer.c_str());
    return cliOk;
}

int runPrinters(const std::vector<std::string>& args)
{
    if (!args.empty())
        return cliError(cliUsage, "printers takes no arguments");
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
        return cliError(cliFailed, "cannot list the printers");
    char* profile = TessiloApp.GetDefaultPrinterName();
    auto* records = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        std::string line = records[i].pPrinterName;
        if (records[i].Attributes & PRINTER_ATTRIBUTE_DEFAULT)
            line += "\tsystem default";
        if (profile && strcasecmp(profile, records[i].pPrinterName) == 0)
            line += "\tprofile default";
        std::printf("%s\n", line.c_str());
    }
    std::fprintf(stderr,
        "tessilo: the profile names \"%s\" (value \"device\", section \"windows\")\n",
        profile ? profile : "");
    CoTaskMemFree(profile);
    return cliOk;
}

CliCommandRegistration printCommand({ "print", "FILE [--printer NAME] [--pdf OUT.pdf] [--rich]",
    "print a text or RTF file through the report views",
    "Prints FILE with the plain report view (bookEdit), or with --rich the rich-edit report view\n"
    "(bookRichEdit; RTF files keep their formats), with page numbers and 3/4-inch margins.\n"
    "  --printer NAME  the printer (\"tessilo printers\" lists them); default: the profile's\n"
    "                  \"device\" of the section \"windows\", else the system's default printer\n"
    "  --pdf OUT.pdf   write a PDF through the \"PDF\" printer to OUT.pdf\n"
    "  --rich          use the rich-edit view\n"
    "On the \"PDF\" printer without --pdf the file goes to $TESSILO_PRINT_TO, else next to FILE\n"
    "with the extension .pdf. Prints the PDF's path (or the printer's name) on success.\n",
    runPrint });
CliCommandRegistration printersCommand({ "printers", "", "list the printers and the defaults",
    "One printer a line; \"system default\" and \"profile default\" mark the defaults.\n",
    runPrinters });
}
