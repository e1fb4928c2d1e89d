// The print spooler: the printers the system knows, their default device modes and the default
// printer. Besides the printers of the print system there is always one named "PDF", which
// writes each job to a PDF file.
#pragma once

#include "winport/export.h"
#include "wingdi.h"
#include "wintypes.h"

#define PRINTER_ENUM_DEFAULT 0x00000001
#define PRINTER_ENUM_LOCAL 0x00000002
#define PRINTER_ENUM_CONNECTIONS 0x00000004
#define PRINTER_ATTRIBUTE_DEFAULT 0x00000004
#define PRINTER_ATTRIBUTE_LOCAL 0x00000040

typedef struct _PRINTER_INFO_4A {
    LPSTR pPrinterName;
    LPSTR pServerName;
    DWORD Attributes;
} PRINTER_INFO_4A, PRINTER_INFO_4, *LPPRINTER_INFO_4A;

// DocumentProperties modes: with none, the size of the device mode; DM_OUT_BUFFER fills `out`
// (merged with `in` under DM_IN_BUFFER) and answers IDOK.
#define DM_UPDATE 1
#define DM_COPY 2
#define DM_PROMPT 4
#define DM_MODIFY 8
#define DM_IN_BUFFER DM_MODIFY
#define DM_OUT_BUFFER DM_COPY

WINPORT_API BOOL OpenPrinter(LPSTR name, HANDLE* printer, void* defaults);
WINPORT_API BOOL ClosePrinter(HANDLE printer);
// The printer is named by `device` (or by the handle from OpenPrinter); -1 for an unknown one.
WINPORT_API LONG DocumentProperties(
    HWND owner, HANDLE printer, LPSTR device, DEVMODEA* out, const DEVMODEA* in, DWORD mode);
// Level 4 only: the buffer receives the records, then their strings. With a buffer too small
// (or none) FALSE, *needed the size (ERROR_INSUFFICIENT_BUFFER).
WINPORT_API BOOL EnumPrinters(
    DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, DWORD* needed, DWORD* count);
// The system's default printer: the print system's default, or "PDF" when it names none.
WINPORT_API BOOL GetDefaultPrinter(LPSTR buffer, DWORD* size);

inline BOOL OpenPrinterA(LPSTR name, HANDLE* printer, void* defaults)
{
    return OpenPrinter(name, printer, defaults);
}
inline LONG DocumentPropertiesA(
    HWND owner, HANDLE printer, LPSTR device, DEVMODEA* out, const DEVMODEA* in, DWORD mode)
{
    return DocumentProperties(owner, printer, device, out, in, mode);
}
inline BOOL EnumPrintersA(
    DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, DWORD* needed, DWORD* count)
{
    return EnumPrinters(flags, name, level, buffer, size, needed, count);
}
inline BOOL GetDefaultPrinterA(LPSTR buffer, DWORD* size)
{
    return GetDefaultPrinter(buffer, size);
}
