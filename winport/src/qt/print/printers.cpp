// The printers: the print system's (through QPrinterInfo) and the "PDF" printer, their default
// device modes and the device contexts made for them.
#include "printers.h"
#include "qt/gdi/gdi.h"
#include "qt/windows/latin1.h"
#include "qt/windows/qtapp.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <cstring>
#include <strings.h>
#include <winspool.h>

namespace winport {

const char* const kPdfPrinter = "PDF";

namespace {
    const int kPdfResolution = 1200;
    // The "PDF" printer keeps a quarter inch unprinted on each side, as a laser printer does, so
    // programs that honour the physical offsets print where they would on paper.
    const double kPdfUnprinted = 0.25;

    void copyName(BYTE (&field)[CCHDEVICENAME], const std::string& name)
    {
        std::memset(field, 0, sizeof field);
        std::memcpy(field, name.data(), std::min(name.size(), sizeof field - 1));
    }

    QPageSize pageSizeOf(short paper)
    {
        switch (paper) {
        case DMPAPER_A4:
            return QPageSize(QPageSize::A4);
        case DMPAPER_LEGAL:
            return QPageSize(QPageSize::Legal);
        default:
            return QPageSize(QPageSize::Letter);
        }
    }
}

std::vector<std::string> printerNames()
{
    ensureApplication();
    std::vector<std::string> names { kPdfPrinter };
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        if (name.compare(QLatin1String(kPdfPrinter), Qt::CaseInsensitive) != 0)
            names.push_back(fromQt(name));
    }
    return names;
}

std::string defaultPrinterName()
{
    ensureApplication();
    QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(kPdfPrinter) : fromQt(name);
}

std::string findPrinter(const char* name)
{
    if (!name || !*name)
        return {};
    for (const std::string& known : printerNames()) {
        if (strcasecmp(known.c_str(), name) == 0)
            return known;
    }
    return {};
}

DEVMODEA defaultDevMode(const std::string& name)
{
    DEVMODEA mode {};
    copyName(mode.dmDeviceName, name);
    mode.dmSpecVersion = DM_SPECVERSION;
    mode.dmSize = sizeof(DEVMODEA);
    mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PRINTQUALITY | DM_YRESOLUTION;
    mode.dmOrientation = DMORIENT_PORTRAIT;
    mode.dmPaperSize = DMPAPER_LETTER;
    mode.dmCopies = 1;
    int resolution = kPdfResolution;
    if (name != kPdfPrinter) {
        QPrinter probe(QPrinterInfo::printerInfo(toQt(name)), QPrinter::HighResolution);
        resolution = probe.resolution();
    }
    mode.dmPrintQuality = static_cast<short>(resolution);
    mode.dmYResolution = static_cast<short>(resolution);
    return mode;
}

void applyDevMode(QPrinter& printer, const DEVMODEA& mode)
{
    if (mode.dmFields & DM_PAPERSIZE)
        printer.setPageSize(pageSizeOf(mode.dmPaperSize));
    if (mode.dmFields & DM_ORIENTATION)
        printer.setPageOrientation(mode.dmOrientation == DMORIENT_LANDSCAPE
                ? QPageLayout::Landscape
                : QPageLayout::Portrait);
    if ((mode.dmFields & DM_COPIES) && mode.dmCopies > 0)
        printer.setCopyCount(mode.dmCopies);
}

namespace {
    std::unique_ptr<QPrinter> makePrinter(const std::string& name, const DEVMODEA& mode)
    {
        std::unique_ptr<QPrinter> printer;
        if (name == kPdfPrinter) {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setResolution(kPdfResolution);
        } else {
            printer = std::make_unique<QPrinter>(
                QPrinterInfo::printerInfo(toQt(name)), QPrinter::HighResolution);
        }
        printer->setFullPage(false);
        // Qt's default paper follows the locale: the device mode names it.
        printer->setPageSize(QPageSize(QPageSize::Letter));
        applyDevMode(*printer, mode);
        if (name == kPdfPrinter)
            printer->setPageMargins(
                QMarginsF(kPdfUnprinted, kPdfUnprinted, kPdfUnprinted, kPdfUnprinted),
                QPageLayout::Inch);
        return printer;
    }

    DEVMODEA mergedMode(const std::string& name, const DEVMODEA* mode)
    {
        DEVMODEA merged = defaultDevMode(name);
        if (!mode)
            return merged;
        if (mode->dmFields & DM_ORIENTATION)
            merged.dmOrientation = mode->dmOrientation;
        if (mode->dmFields & DM_PAPERSIZE)
            merged.dmPaperSize = mode->dmPaperSize;
        if ((mode->dmFields & DM_COPIES) && mode->dmCopies > 0)
            merged.dmCopies = mode->dmCopies;
        return merged;
    }
}

HDC createPrinterDc(const std::string& name, const DEVMODEA* mode, const char* output)
{
    ensureApplication();
    auto job = std::make_shared<PrinterJob>();
    job->name = name;
    job->mode = mergedMode(name, mode);
    job->pdf = name == kPdfPrinter;
    job->output = output ? output : "";
    job->owned = makePrinter(name, job->mode);
    job->printer = job->owned.get();
    auto dc = std::make_unique<DeviceContext>();
    dc->printer = std::move(job);
    return addDc(std::move(dc));
}

HDC createPreviewDc(QPrinter* printer, const std::string& name, const DEVMODEA& mode)
{
    auto job = std::make_shared<PrinterJob>();
    job->name = name;
    job->mode = mode;
    job->printer = printer;
    job->preview = true;
    auto dc = std::make_unique<DeviceContext>();
    dc->printer = std::move(job);
    return addDc(std::move(dc));
}

PrinterJob* printerJobOf(HDC dc)
{
    DeviceContext* d = findDc(dc);
    return d && d->printer ? d->printer.get() : nullptr;
}

QPaintDevice* metricDevice(const DeviceContext& dc)
{
    return dc.printer ? dc.printer->printer : nullptr;
}

int printerDeviceCaps(const DeviceContext& dc, int index)
{
    QPrinter& printer = *dc.printer->printer;
    int resolution = printer.resolution();
    QPageLayout layout = printer.pageLayout();
    QRect paper = layout.fullRectPixels(resolution);
    QRect printable = layout.paintRectPixels(resolution);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return resolution;
    case HORZRES:
        return printable.width();
    case VERTRES:
        return printable.height();
    case HORZSIZE:
        return printable.width() * 254 / (resolution * 10);
    case VERTSIZE:
        return printable.height() * 254 / (resolution * 10);
    case PHYSICALWIDTH:
        return paper.width();
    case PHYSICALHEIGHT:
        return paper.height();
    case PHYSICALOFFSETX:
        return printable.left();
    case PHYSICALOFFSETY:
        return printable.top();
    case BITSPIXEL:
        return 24;
    case TECHNOLOGY:
        return DT_RASPRINTER;
    default:
        return 0;
    }
}
}

using namespace winport;

HDC CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* mode)
{
    if (driver && strcasecmp(driver, "DISPLAY") == 0 && !device)
        return GetDC(nullptr);
    std::string name = findPrinter(device);
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    return createPrinterDc(name, mode, output);
}

HDC ResetDC(HDC dc, const DEVMODEA* mode)
{
    PrinterJob* job = printerJobOf(dc);
    if (!job || job->inDoc || !mode)
        return nullptr;
    if (mode->dmFields & DM_ORIENTATION)
        job->mode.dmOrientation = mode->dmOrientation;
    if (mode->dmFields & DM_PAPERSIZE)
        job->mode.dmPaperSize = mode->dmPaperSize;
    applyDevMode(*job->printer, job->mode);
    return dc;
}

BOOL OpenPrinter(LPSTR name, HANDLE* printer, void*)
{
    if (!printer)
        return FALSE;
    std::string known = findPrinter(name);
    if (known.empty()) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    *printer = new std::string(known);
    return TRUE;
}

BOOL ClosePrinter(HANDLE printer)
{
    delete static_cast<std::string*>(printer);
    return printer != nullptr;
}

LONG DocumentProperties(
    HWND, HANDLE printer, LPSTR device, DEVMODEA* out, const DEVMODEA* in, DWORD mode)
{
    std::string name = printer ? *static_cast<std::string*>(printer) : findPrinter(device);
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    if (mode == 0)
        return sizeof(DEVMODEA);
    if (!(mode & DM_OUT_BUFFER))
        return IDOK;
    if (!out)
        return -1;
    DEVMODEA result = defaultDevMode(name);
    if ((mode & DM_IN_BUFFER) && in) {
        if (in->dmFields & DM_ORIENTATION)
            result.dmOrientation = in->dmOrientation;
        if (in->dmFields & DM_PAPERSIZE)
            result.dmPaperSize = in->dmPaperSize;
        if ((in->dmFields & DM_COPIES) && in->dmCopies > 0)
            result.dmCopies = in->dmCopies;
    }
    *out = result;
    return IDOK;
}

BOOL EnumPrinters(DWORD, LPSTR, DWORD level, LPBYTE buffer, DWORD size, DWORD* needed, DWORD* count)
{
    if (level != 4 || !needed || !count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<std::string> names = printerNames();
    std::string fallback = defaultPrinterName();
    DWORD bytes = static_cast<DWORD>(names.size() * sizeof(PRINTER_INFO_4A));
    for (const std::string& name : names)
        bytes += static_cast<DWORD>(name.size() + 1);
    *needed = bytes;
    *count = 0;
    if (!buffer || size < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* records = reinterpret_cast<PRINTER_INFO_4A*>(buffer);
    char* strings = reinterpret_cast<char*>(buffer + names.size() * sizeof(PRINTER_INFO_4A));
    for (size_t i = 0; i < names.size(); ++i) {
        std::memcpy(strings, names[i].c_str(), names[i].size() + 1);
        records[i].pPrinterName = strings;
        records[i].pServerName = nullptr;
        records[i].Attributes
            = PRINTER_ATTRIBUTE_LOCAL | (names[i] == fallback ? PRINTER_ATTRIBUTE_DEFAULT : 0);
        strings += names[i].size() + 1;
    }
    *count = static_cast<DWORD>(names.size());
    return TRUE;
}

BOOL GetDefaultPrinter(LPSTR buffer, DWORD* size)
{
    if (!size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string name = defaultPrinterName();
    DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (!buffer || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), needed);
    *size = needed;
    return TRUE;
}
