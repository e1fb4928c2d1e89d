// Printers over Qt PrintSupport: the print system's printers plus the built-in "PDF" printer, the
// device mode of each, and the print job behind a printer device context.
#pragma once

#include <windows.h>

#include <QPrinter>
#include <memory>
#include <string>
#include <vector>

namespace winport {

extern const char* const kPdfPrinter; // "PDF"

// A printer device context's printer and its running job.
struct PrinterJob {
    std::string name;
    DEVMODEA mode {};
    bool pdf = false;
    std::string output; // the file named when the context was made (CreateDC, print dialog)
    std::unique_ptr<QPrinter> owned;
    QPrinter* printer = nullptr; // `owned`, or the print preview's printer
    bool preview = false;
    bool inDoc = false;
    int pages = 0; // pages started in the running job
    std::string target; // the PDF file the job makes
    std::string partial; // where it is written until the job ends
    ABORTPROC abortProc = nullptr;
};

// Printer names, "PDF" first; the print system's default, or "PDF" when it names none.
std::vector<std::string> printerNames();
std::string defaultPrinterName();
// The printer's name as the system spells it, or "" when there is no such printer (names compare
// without regard to case, as Windows does).
std::string findPrinter(const char* name);
// The printer's default device mode: portrait Letter, its resolution.
DEVMODEA defaultDevMode(const std::string& name);
// Gives the printer the paper and orientation of the device mode.
void applyDevMode(QPrinter& printer, const DEVMODEA& mode);
// A device context for a known printer (the name as findPrinter gives it).
HDC createPrinterDc(const std::string& name, const DEVMODEA* mode, const char* output);
// A device context drawing onto a printer that the caller owns (the print preview's): it
// measures and pages like the named printer's context but writes no file.
HDC createPreviewDc(QPrinter* printer, const std::string& name, const DEVMODEA& mode);
// The printer and device mode of a printer device context; NULL for any other context.
PrinterJob* printerJobOf(HDC dc);
}
