// Common dialogs: the open and save dialogs, the font dialog (ChooseFont) and the print dialog's
// request.
#pragma once

#include "winport/export.h"
#include "wingdi.h"
#include "winuser.h"

#define CF_SCREENFONTS 0x00000001
#define CF_PRINTERFONTS 0x00000002
#define CF_BOTH (CF_SCREENFONTS | CF_PRINTERFONTS)
#define CF_SHOWHELP 0x00000004
#define CF_ENABLEHOOK 0x00000008
#define CF_INITTOLOGFONTSTRUCT 0x00000040
#define CF_USESTYLE 0x00000080
#define CF_EFFECTS 0x00000100
#define CF_APPLY 0x00000200
#define CF_ANSIONLY 0x00000400
#define CF_SCRIPTSONLY CF_ANSIONLY
#define CF_NOVECTORFONTS 0x00000800
#define CF_NOSIMULATIONS 0x00001000
#define CF_LIMITSIZE 0x00002000
#define CF_FIXEDPITCHONLY 0x00004000
#define CF_WYSIWYG 0x00008000
#define CF_FORCEFONTEXIST 0x00010000
#define CF_SCALABLEONLY 0x00020000
#define CF_TTONLY 0x00040000
#define CF_NOFACESEL 0x00080000
#define CF_NOSTYLESEL 0x00100000
#define CF_NOSIZESEL 0x00200000
#define SCREEN_FONTTYPE 0x2000
#define PRINTER_FONTTYPE 0x4000

typedef UINT_PTR(CALLBACK* LPCFHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagCHOOSEFONTA {
    DWORD lStructSize;
    HWND hwndOwner;
    HDC hDC;
    LPLOGFONTA lpLogFont;
    INT iPointSize; // tenths of a point
    DWORD Flags;
    COLORREF rgbColors;
    LPARAM lCustData;
    LPCFHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    HINSTANCE hInstance;
    LPSTR lpszStyle;
    WORD nFontType;
    WORD reserved;
    INT nSizeMin;
    INT nSizeMax;
} CHOOSEFONTA, CHOOSEFONT, *LPCHOOSEFONTA, *LPCHOOSEFONT;

typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter; // pairs of "description\0pattern;pattern\0", ending with "\0"
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex; // 1-based
    LPSTR lpstrFile; // initial name in, chosen path out
    DWORD nMaxFile;
    LPSTR lpstrFileTitle; // the chosen file's name, when given
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset; // where the name starts in lpstrFile
    WORD nFileExtension; // where the extension starts (after the dot)
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
} OPENFILENAMEA, OPENFILENAME, *LPOPENFILENAMEA, *LPOPENFILENAME;

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_ENABLEHOOK 0x00000020
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_EXPLORER 0x00080000
#define OFN_LONGNAMES 0x00200000
#define OFN_ENABLESIZING 0x00800000

typedef struct tagPDA {
    DWORD lStructSize;
    HWND hwndOwner;
    HGLOBAL hDevMode;
    HGLOBAL hDevNames;
    HDC hDC;
    DWORD Flags;
    WORD nFromPage;
    WORD nToPage;
    WORD nMinPage;
    WORD nMaxPage;
    WORD nCopies;
    HINSTANCE hInstance;
    LPARAM lCustData;
    void* lpfnPrintHook;
    void* lpfnSetupHook;
    LPCSTR lpPrintTemplateName;
    LPCSTR lpSetupTemplateName;
    HGLOBAL hPrintTemplate;
    HGLOBAL hSetupTemplate;
} PRINTDLGA, PRINTDLG, *LPPRINTDLGA, *LPPRINTDLG;

#define PD_ALLPAGES 0x00000000
#define PD_SELECTION 0x00000001
#define PD_PAGENUMS 0x00000002
#define PD_NOSELECTION 0x00000004
#define PD_NOPAGENUMS 0x00000008
#define PD_COLLATE 0x00000010
#define PD_PRINTTOFILE 0x00000020
#define PD_PRINTSETUP 0x00000040
#define PD_NOWARNING 0x00000080
#define PD_RETURNDC 0x00000100
#define PD_RETURNIC 0x00000200
#define PD_RETURNDEFAULT 0x00000400
#define PD_HIDEPRINTTOFILE 0x00100000
#define PD_USEDEVMODECOPIES 0x00040000

// Extended errors of the common dialogs (CommDlgExtendedError).
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define PDERR_NODEFAULTPRN 0x1008
#define PDERR_PRINTERNOTFOUND 0x100B
#define FNERR_BUFFERTOOSMALL 0x3003

// The open and save dialogs; TRUE when the user chose a file, written to lpstrFile in Windows
// form (nFileOffset, nFileExtension and lpstrFileTitle describe it). FALSE when cancelled or the
// request cannot be met (see CommDlgExtendedError). The open dialog, and the save dialog without
// OFN_NOCHANGEDIR, make the chosen file's folder the current directory.
WINPORT_API BOOL GetOpenFileName(LPOPENFILENAMEA ofn);
WINPORT_API BOOL GetSaveFileName(LPOPENFILENAMEA ofn);
inline BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { return GetOpenFileName(ofn); }
inline BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { return GetSaveFileName(ofn); }

// Shows the font dialog; TRUE when the user chose a font (written to *lpLogFont, its size to
// iPointSize), FALSE when cancelled or the request is malformed (see CommDlgExtendedError).
WINPORT_API BOOL ChooseFont(LPCHOOSEFONTA choose);
inline BOOL ChooseFontA(LPCHOOSEFONTA choose) { return ChooseFont(choose); }
// The print dialog: the user picks a printer (the "PDF" printer with its file), the orientation
// and, unless PD_PRINTSETUP or PD_NOPAGENUMS, the pages. PD_RETURNDEFAULT takes the default
// printer without a dialog. PD_RETURNDC makes the chosen printer's device context (hDC). A
// caller's hDevMode is a DEVMODEA that gives the starting orientation and receives the choice;
// none is allocated for a caller that gives none.
WINPORT_API BOOL PrintDlg(LPPRINTDLGA request);
inline BOOL PrintDlgA(LPPRINTDLGA request) { return PrintDlg(request); }
// The error of the last common dialog call that failed; 0 after a success or a cancel.
WINPORT_API DWORD CommDlgExtendedError();
