// CTessiloApp: the library's application object, exported as TessiloApp. It owns the library's
// profile section "tessilo40" of the Windows profile, the remembered current directory, number and
// drive checks, and the connect strings of the suite's database.
#pragma once

#include <afxwin.h>
#include "tessilo40_api.h"

class CEdit;
class CRichEditCtrl;

// How ConnectGetConnectStr came to its answer.
struct TESSILO40_API ConnectStrChoice {
    enum Source { sourceNone, sourceStored, sourceInstalled };
    Source source = sourceNone;
    CString connectStr; // what ConnectGetConnectStr returns ("" when nothing is usable)
    CString stored; // "ConnectStr" as read
    CString storedProblem; // why it was not used ("" when it was)
    CString installedStr; // "ConnectStrInstalled" as read (only when the stored one was refused)
    CString installedProblem;
};

// One connect-string template and where it came from.
struct TESSILO40_API ConnectStrTemplate {
    int number = 1;
    CString text;
    CString file; // the template file that held it (native path), "" for the built-in table
};

class TESSILO40_API CTessiloApp : public CWinApp {
public:
    CTessiloApp();
    ~CTessiloApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Profile settings of the section "tessilo40". The char* forms do nothing for NULL pointers
    // and answer "", 0 or FALSE. Strings are read into 4,096 bytes (at most 4,095 characters).
    CString getProfileString(CString key, CString defaultValue);
    CString getProfileString(const char* key, const char* defaultValue);
    CString getProfileString(CString key, const char* defaultValue);
    CString getProfileString(const char* key, CString defaultValue);
    BOOL writeProfileString(CString key, CString value);
    BOOL writeProfileString(const char* key, const char* value);
    BOOL writeProfileString(CString key, const char* value);
    BOOL writeProfileString(const char* key, CString value);
    int getProfileInt(CString key, int defaultValue);
    int getProfileInt(const char* key, int defaultValue);
    BOOL getPrivateProfileStruct(CString key, void* buffer, long size);
    BOOL getPrivateProfileStruct(const char* key, void* buffer, long size);
    BOOL writePrivateProfileStruct(CString key, void* buffer, long size);
    BOOL writePrivateProfileStruct(const char* key, void* buffer, long size);

    // save != 0: remembers the process's current directory; save == 0: returns to the remembered
    // one, if any. Returns the remembered directory.
    CString CurrentDir(int save);
    // 0 not a number, 1 a whole number, 2 a number with a decimal point.
    int IsNumber(CString text);
    // Bit mask of the logical drives, bit 0 = A:.
    unsigned long GetDrives();
    // TRUE when the drive whose (upper-case) letter starts `drive` is present and of that type.
    BOOL IsDriveType(const char* drive, unsigned int type);

    // The stored connect string when its "Rivanta40.mdb" exists, else the installed one when its
    // file exists, else "".
    CString ConnectGetConnectStr();
    // The database file a connect string names: from just after "DBQ=" up to and including
    // "Rivanta40.mdb"; "" when it names none.
    static CString ConnectDatabaseFile(const CString& connectStr);
    // The template numbered by "ConnectStrType" (0 when absent); "" when that key is empty.
    CString GetConnectStrTemplate();
    // Template `number` from "mfcConnectStrings.txt" (current directory, then "\orlamo\"), else
    // from the built-in table (template 1 for numbers outside 0..5).
    CString GetConnectStrTemplate(int number);
    // The current template rewritten for the database file (DBQ=, FILEDSN=, DefaultDir=).
    CString GetODBCConnectStr(CString databasePath, CString defaultDir);
    // Splits a path: drive (3 bytes), directory, file name and extension (256 bytes each).
    BOOL GetODBCConnectSplitPath(
        const char* path, char* drive, char* dir, char* fileName, char* extension);

    // The reasoning behind ConnectGetConnectStr and GetConnectStrTemplate, for diagnostics.
    ConnectStrChoice ConnectExplainConnectStr();
    ConnectStrTemplate ConnectFindTemplate(int number);
    // The number of the template GetConnectStrTemplate() chose last (1 at start).
    static int ConnectCurrentTemplateNumber();
    static const char* ConnectBuiltInTemplate(int number);

    // Printers. Names and device modes come from the task allocator (CoTaskMemFree). The default
    // printer is the value "device" of the section "windows" of the framework profile ("none"
    // when absent); NULL when that value is empty.
    char* GetDefaultPrinterName();
    DEVMODEA* GetDefaultPrinterDevMode(char* printer);
    // A device context for the printer (NULL for no name or an unknown printer).
    HDC GetPrinterDC(char* printer);
    HDC GetDefaultPrinterDC();
    // The print-setup dialog; the chosen printer's device context, NULL when cancelled.
    HDC SelectPrinter(HWND owner);

    // Text files through the open and save dialogs. `path` (260 bytes) is the initial name and
    // receives the chosen one. 0 on success and when the user cancels; E_UNEXPECTED for a missing
    // control or a file that cannot be opened, E_FAIL when memory runs out. The rich-edit FilePut
    // writes rich text; FileGet loads any file's bytes as text.
    long FileGet(char* path, CEdit* edit);
    long FileGet(char* path, CRichEditCtrl* edit);
    long FilePut(char* path, CEdit* edit);
    long FilePut(char* path, CRichEditCtrl* edit);

    // The library's own module handle (dialog templates, bitmaps, the mouse hook).
    static HINSTANCE GetLibraryModule();
    // The lock of the database facade's shared connection.
    static LPCRITICAL_SECTION GetDatabaseLock();

    static const char* const profileSection; // "tessilo40"
    static const char* const registryKey; // "Rivanta 40"

private:
    static LPCRITICAL_SECTION ConnectStrLock();
};

extern TESSILO40_API CTessiloApp TessiloApp;
