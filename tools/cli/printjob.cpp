#include "printjob.h"

#include "app/tessilo.h"

#include <afxext.h>
#include <objbase.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

namespace {
// The job's device context, made for the chosen printer instead of asking in a dialog.
bool prepare(CPrintInfo* info, const PrintJob& job)
{
    HDC dc = ::CreateDC(
        nullptr, job.printer.c_str(), job.output.empty() ? nullptr : job.output.c_str(), nullptr);
    if (!dc)
        return false;
    info->m_pPD->m_pd.hDC = dc;
    return true;
}
}

BOOL PrintJobEdit::OnPreparePrinting(CPrintInfo* info) { return prepare(info, m_job); }

void PrintJobEdit::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    // Three quarters of an inch on every side.
    unsigned x = static_cast<unsigned>(dc->GetDeviceCaps(LOGPIXELSX) * 3 / 4);
    unsigned y = static_cast<unsigned>(dc->GetDeviceCaps(LOGPIXELSY) * 3 / 4);
    bookEditSetMargins(y, y, x, x);
    bookEdit::OnBeginPrinting(dc, info);
}

void PrintJobEdit::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    m_job.pages = static_cast<int>(m_aPageStart.size());
    bookEdit::OnEndPrinting(dc, info);
}

BOOL PrintJobRichEdit::OnPreparePrinting(CPrintInfo* info) { return prepare(info, m_job); }

void PrintJobRichEdit::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    m_job.pages = static_cast<int>(m_aPageStart.size());
    bookRichEdit::OnEndPrinting(dc, info);
}

std::string printJobChoosePrinter(const std::string& named)
{
    std::vector<char> name(named.begin(), named.end());
    name.push_back('\0');
    if (!named.empty()) {
        HANDLE printer = nullptr;
        if (!OpenPrinterA(name.data(), &printer, nullptr))
            return {};
        ClosePrinter(printer);
        DEVMODEA mode {};
        DocumentPropertiesA(nullptr, nullptr, name.data(), &mode, nullptr, DM_OUT_BUFFER);
        return reinterpret_cast<const char*>(mode.dmDeviceName);
    }
    char* profile = TessiloApp.GetDefaultPrinterName();
    std::string chosen;
    if (profile) {
        HANDLE printer = nullptr;
        if (OpenPrinterA(profile, &printer, nullptr)) {
            ClosePrinter(printer);
            chosen = printJobChoosePrinter(profile);
        }
        CoTaskMemFree(profile);
    }
    if (chosen.empty()) {
        char system[256];
        DWORD size = sizeof system;
        if (GetDefaultPrinterA(system, &size))
            chosen = system;
    }
    return chosen;
}

bool printJobWritable(const std::string& native)
{
    std::string probe = native + ".part";
    FILE* f = std::fopen(probe.c_str(), "wb");
    if (!f)
        return false;
    std::fclose(f);
    std::remove(probe.c_str());
    return true;
}
