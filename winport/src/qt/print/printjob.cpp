// Print jobs on printer device contexts. A job paints through one QPainter on the printer from
// StartDoc to EndDoc; the "PDF" printer writes into a partial file beside the target and renames
// it when the job ends, so a failed or aborted job leaves nothing that looks complete.
#include "qt/gdi/gdi.h"
#include "qt/windows/latin1.h"
#include "printers.h"

#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <winport/paths.h>

namespace winport {
namespace {
    int g_nextJob = 1;

    // Where a PDF job goes: the document's own output, the context's, TESSILO_PRINT_TO, else a
    // file named after the document in the user's documents folder.
    std::string pdfTarget(const PrinterJob& job, const DOCINFOA* info)
    {
        const char* chosen = nullptr;
        if (info && info->lpszOutput && *info->lpszOutput)
            chosen = info->lpszOutput;
        else if (!job.output.empty())
            chosen = job.output.c_str();
        else if (const char* env = std::getenv("TESSILO_PRINT_TO"); env && *env)
            chosen = env;
        if (chosen)
            return toNativePath(chosen);
        std::string name
            = info && info->lpszDocName && *info->lpszDocName ? info->lpszDocName : "Document";
        for (char& c : name) {
            if (c == '/' || c == '\\' || c == ':')
                c = '_';
        }
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
        return fromQt(folder) + "/" + name + ".pdf";
    }
}

bool endPrinterJob(DeviceContext& dc, bool complete)
{
    PrinterJob* job = dc.printer.get();
    if (!job || !job->inDoc)
        return false;
    job->inDoc = false;
    bool ended = dc.painter ? dc.painter->end() : false;
    dc.painter.reset();
    if (job->preview)
        return ended;
    if (!job->pdf)
        return ended && complete;
    if (complete && ended && std::rename(job->partial.c_str(), job->target.c_str()) == 0)
        return true;
    std::remove(job->partial.c_str());
    return false;
}
}

using namespace winport;

int StartDoc(HDC dc, const DOCINFOA* info)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->printer || d->printer->inDoc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return SP_ERROR;
    }
    PrinterJob& job = *d->printer;
    if (job.pdf) {
        job.target = pdfTarget(job, info);
        if (job.target.empty()) {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return SP_ERROR;
        }
        job.partial = job.target + ".part";
        job.printer->setOutputFileName(toQt(job.partial));
    }
    if (info && info->lpszDocName)
        job.printer->setDocName(toQt(info->lpszDocName));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(job.printer)) {
        if (job.pdf)
            std::remove(job.partial.c_str());
        SetLastError(job.pdf ? ERROR_ACCESS_DENIED : ERROR_NOT_READY);
        return SP_ERROR;
    }
    d->painter = std::move(painter);
    d->origin = QPoint();
    job.inDoc = true;
    job.pages = 0;
    return g_nextJob++;
}

int StartPage(HDC dc)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->printer || !d->printer->inDoc)
        return SP_ERROR;
    PrinterJob& job = *d->printer;
    if (job.pages > 0 && !job.printer->newPage())
        return SP_ERROR;
    ++job.pages;
    return 1;
}

int EndPage(HDC dc)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->printer || !d->printer->inDoc)
        return SP_ERROR;
    if (d->printer->abortProc && !d->printer->abortProc(dc, 0)) {
        endPrinterJob(*d, false);
        return SP_APPABORT;
    }
    return 1;
}

int EndDoc(HDC dc)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->printer || !d->printer->inDoc)
        return SP_ERROR;
    if (!endPrinterJob(*d, true)) {
        SetLastError(ERROR_WRITE_FAULT);
        return SP_ERROR;
    }
    return 1;
}

int AbortDoc(HDC dc)
{
    DeviceContext* d = findDc(dc);
    if (!d || !d->printer || !d->printer->inDoc)
        return SP_ERROR;
    endPrinterJob(*d, false);
    return 1;
}

int SetAbortProc(HDC dc, ABORTPROC proc)
{
    PrinterJob* job = printerJobOf(dc);
    if (!job)
        return SP_ERROR;
    job->abortProc = proc;
    return 1;
}
