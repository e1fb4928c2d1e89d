// Win32 GDI: fonts, device contexts, text metrics and text output (screen at 96 dpi).
#pragma once

#include "winport/export.h"
#include "wintypes.h"

#define LF_FACESIZE 32

typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, LOGFONT, *PLOGFONTA, *LPLOGFONTA, *LPLOGFONT;
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA is 60 bytes, as stored in profiles");

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA, TEXTMETRIC, *LPTEXTMETRICA, *LPTEXTMETRIC;

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define TMPF_FIXED_PITCH 0x01

// Stock objects.
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17

// GetDeviceCaps indexes.
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define PHYSICALWIDTH 110
#define PHYSICALHEIGHT 111
#define PHYSICALOFFSETX 112
#define PHYSICALOFFSETY 113

#define TRANSPARENT 1
#define OPAQUE 2
#define OBJ_FONT 6

WINPORT_API HFONT CreateFontIndirect(const LOGFONTA* logFont);
WINPORT_API HFONT CreateFont(int height, int width, int escapement, int orientation, int weight,
    DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
    DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
// Copies the object's description (a LOGFONTA for a font); 0 for an unknown object.
WINPORT_API int GetObject(HGDIOBJ object, int size, LPVOID buffer);
WINPORT_API DWORD GetObjectType(HGDIOBJ object);
WINPORT_API BOOL DeleteObject(HGDIOBJ object);
WINPORT_API HGDIOBJ GetStockObject(int index);
WINPORT_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

WINPORT_API HDC GetDC(HWND hwnd);
WINPORT_API int ReleaseDC(HWND hwnd, HDC dc);
WINPORT_API HDC CreateCompatibleDC(HDC dc);
WINPORT_API BOOL DeleteDC(HDC dc);
WINPORT_API int GetDeviceCaps(HDC dc, int index);
WINPORT_API BOOL GetTextMetrics(HDC dc, LPTEXTMETRICA metrics);
WINPORT_API BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, LPSIZE size);
WINPORT_API BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length);
WINPORT_API int GetTextFace(HDC dc, int size, LPSTR faceName);
WINPORT_API COLORREF SetTextColor(HDC dc, COLORREF color);
WINPORT_API COLORREF SetBkColor(HDC dc, COLORREF color);
WINPORT_API int SetBkMode(HDC dc, int mode);
WINPORT_API int MulDiv(int number, int numerator, int denominator);

inline HFONT CreateFontIndirectA(const LOGFONTA* logFont) { return CreateFontIndirect(logFont); }
inline int GetObjectA(HGDIOBJ object, int size, LPVOID buffer)
{
    return GetObject(object, size, buffer);
}
inline BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) { return GetTextMetrics(dc, metrics); }
inline BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size)
{
    return GetTextExtentPoint32(dc, text, length, size);
}
inline BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    return TextOut(dc, x, y, text, length);
}

// Printers: device modes, printer device contexts and print jobs.
#define CCHDEVICENAME 32
#define CCHFORMNAME 32

typedef struct _devicemodeA {
    BYTE dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength; // tenths of a millimetre
    short dmPaperWidth;
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality; // dots per inch
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate;
    BYTE dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
} DEVMODEA, DEVMODE, *PDEVMODEA, *LPDEVMODEA, *LPDEVMODE;

#define DM_SPECVERSION 0x0401
#define DM_ORIENTATION 0x00000001
#define DM_PAPERSIZE 0x00000002
#define DM_PAPERLENGTH 0x00000004
#define DM_PAPERWIDTH 0x00000008
#define DM_COPIES 0x00000100
#define DM_PRINTQUALITY 0x00000400
#define DM_YRESOLUTION 0x00002000
#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2
#define DMPAPER_LETTER 1
#define DMPAPER_LEGAL 5
#define DMPAPER_A4 9

typedef int(CALLBACK* ABORTPROC)(HDC, int);

typedef struct _DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput; // a file to print into (the "PDF" printer's file), or NULL
    LPCSTR lpszDatatype;
    DWORD fwType;
} DOCINFOA, DOCINFO, *LPDOCINFOA, *LPDOCINFO;

#define SP_ERROR (-1)
#define SP_APPABORT (-2)
#define SP_USERABORT (-3)
#define SP_OUTOFDISK (-4)

#define TECHNOLOGY 2
#define DT_RASDISPLAY 1
#define DT_RASPRINTER 2

// A device context for a printer (driver "WINSPOOL" or NULL, device: the printer's name). The
// device mode, when given, sets orientation and paper; output names the file of the "PDF"
// printer. NULL for an unknown printer.
WINPORT_API HDC CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* mode);
inline HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* mode)
{
    return CreateDC(driver, device, output, mode);
}
// Print jobs on a printer device context. StartDoc returns the job's number (> 0) or SP_ERROR
// (the printer cannot take the job, or its file cannot be written); nothing is left behind by a
// job that ends with AbortDoc or fails.
WINPORT_API int StartDoc(HDC dc, const DOCINFOA* info);
inline int StartDocA(HDC dc, const DOCINFOA* info) { return StartDoc(dc, info); }
WINPORT_API int StartPage(HDC dc);
WINPORT_API int EndPage(HDC dc);
WINPORT_API int EndDoc(HDC dc);
WINPORT_API int AbortDoc(HDC dc);
WINPORT_API int SetAbortProc(HDC dc, ABORTPROC proc);
// The device mode a printer device context was made with (orientation and paper changes).
WINPORT_API HDC ResetDC(HDC dc, const DEVMODEA* mode);
inline HDC ResetDCA(HDC dc, const DEVMODEA* mode) { return ResetDC(dc, mode); }
// The viewport origin: where logical (0, 0) lands in device units.
WINPORT_API BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous);
WINPORT_API BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous);
WINPORT_API BOOL GetViewportOrgEx(HDC dc, LPPOINT origin);
