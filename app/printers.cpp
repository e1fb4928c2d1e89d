// The application object's printers: the default printer named in the framework profile, its
// device mode and device context, and the print-setup dialog.
#include "app/tessilo.h"

#include <commdlg.h>
#include <objbase.h>
#include <winspool.h>

#include <cstring>

char* CTessiloApp::GetDefaultPrinterName()
{
    CString device = GetProfileString("windows", "device", "none");
    if (device.IsEmpty())
        return nullptr;
    auto* name = static_cast<char*>(CoTaskMemAlloc(static_cast<SIZE_T>(device.GetLength()) + 1));
    if (name)
        std::memcpy(name, device.GetString(), static_cast<size_t>(device.GetLength()) + 1);
    return name;
}

DEVMODEA* CTessiloApp::GetDefaultPrinterDevMode(char* printer)
{
    LONG size = DocumentPropertiesA(nullptr, nullptr, printer, nullptr, nullptr, 0);
    if (size <= 0)
        return nullptr;
    auto* mode = static_cast<DEVMODEA*>(CoTaskMemAlloc(static_cast<SIZE_T>(size)));
    if (!mode)
        return nullptr;
    if (DocumentPropertiesA(nullptr, nullptr, printer, mode, nullptr, DM_OUT_BUFFER) != IDOK) {
        CoTaskMemFree(mode);
        return nullptr;
    }
    return mode;
}

HDC CTessiloApp::GetPrinterDC(char* printer)
{
    if (!printer)
        return nullptr;
    DEVMODEA* mode = GetDefaultPrinterDevMode(printer);
    HDC dc = CreateDCA(nullptr, printer, nullptr, mode);
    CoTaskMemFree(mode);
    return dc;
}

HDC CTessiloApp::GetDefaultPrinterDC()
{
    char* name = GetDefaultPrinterName();
    if (!name)
        return nullptr;
    HDC dc = GetPrinterDC(name);
    CoTaskMemFree(name);
    return dc;
}

HDC CTessiloApp::SelectPrinter(HWND owner)
{
    PRINTDLGA request {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = PD_PRINTSETUP | PD_RETURNDC;
    request.nFromPage = 1;
    request.nToPage = 1;
    request.nMinPage = 1;
    request.nMaxPage = 1;
    request.nCopies = 1;
    if (!PrintDlgA(&request))
        return nullptr;
    return request.hDC;
}
