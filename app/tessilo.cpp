#include "app/tessilo.h"

#include <commctrl.h>
#include <winport/lock.h>

const char* const CTessiloApp::profileSection = "tessilo40";
const char* const CTessiloApp::registryKey = "Rivanta 40";

namespace {
// Process-wide state shared by every part of the library.
HINSTANCE libraryModule = nullptr;
CRITICAL_SECTION databaseLock;
CRITICAL_SECTION connectStrLock;
CRITICAL_SECTION currentDirLock;
int liveInstances = 0;
CString savedDirectory;

// The profile-string buffer: at most 4,095 characters come back.
constexpr DWORD profileBufferSize = 4096;

// Whether the profile's integer reader finds a number in the text: blanks, an optional sign,
// then a digit. Anything else reads as 0 there, which would hide the caller's default.
bool startsWithNumber(const CString& text)
{
    const char* p = text.GetString();
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    return *p >= '0' && *p <= '9';
}
} // namespace

CTessiloApp::CTessiloApp()
    : CWinApp(nullptr)
{
    INITCOMMONCONTROLSEX controls = { sizeof(INITCOMMONCONTROLSEX), 0x17FF };
    InitCommonControlsEx(&controls);
    if (!libraryModule) {
        // The module that holds this code (not `this`: a program may hold its own copy of the
        // exported object); by name when the loader cannot tell.
        if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                    | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                reinterpret_cast<LPCSTR>(&libraryModule), &libraryModule))
            libraryModule = LoadLibraryA("tessilo40.dll");
    }
    if (libraryModule)
        m_hInstance = libraryModule;
    if (liveInstances++ == 0) {
        InitializeCriticalSection(&databaseLock);
        InitializeCriticalSection(&connectStrLock);
        InitializeCriticalSection(&currentDirLock);
    }
}

CTessiloApp::~CTessiloApp()
{
    if (--liveInstances == 0) {
        DeleteCriticalSection(&currentDirLock);
        DeleteCriticalSection(&connectStrLock);
        DeleteCriticalSection(&databaseLock);
    }
}

BOOL CTessiloApp::InitInstance()
{
    SetRegistryKey(registryKey);
    return CWinApp::InitInstance();
}

int CTessiloApp::ExitInstance() { return CWinApp::ExitInstance(); }

HINSTANCE CTessiloApp::GetLibraryModule() { return libraryModule; }

LPCRITICAL_SECTION CTessiloApp::GetDatabaseLock() { return &databaseLock; }

LPCRITICAL_SECTION CTessiloApp::ConnectStrLock() { return &connectStrLock; }

CString CTessiloApp::getProfileString(CString key, CString defaultValue)
{
    char buffer[profileBufferSize];
    GetProfileStringA(profileSection, key, defaultValue, buffer, profileBufferSize);
    return CString(buffer);
}

CString CTessiloApp::getProfileString(const char* key, const char* defaultValue)
{
    if (!key || !defaultValue)
        return CString();
    return getProfileString(CString(key), CString(defaultValue));
}

CString CTessiloApp::getProfileString(CString key, const char* defaultValue)
{
    return defaultValue ? getProfileString(key, CString(defaultValue)) : CString();
}

CString CTessiloApp::getProfileString(const char* key, CString defaultValue)
{
    return key ? getProfileString(CString(key), defaultValue) : CString();
}

BOOL CTessiloApp::writeProfileString(CString key, CString value)
{
    return WriteProfileStringA(profileSection, key, value);
}

BOOL CTessiloApp::writeProfileString(const char* key, const char* value)
{
    return key && value ? writeProfileString(CString(key), CString(value)) : FALSE;
}

BOOL CTessiloApp::writeProfileString(CString key, const char* value)
{
    return value ? writeProfileString(key, CString(value)) : FALSE;
}

BOOL CTessiloApp::writeProfileString(const char* key, CString value)
{
    return key ? writeProfileString(CString(key), value) : FALSE;
}

int CTessiloApp::getProfileInt(CString key, int defaultValue)
{
    if (!startsWithNumber(getProfileString(key, CString())))
        return defaultValue;
    return static_cast<int>(GetProfileIntA(profileSection, key, defaultValue));
}

int CTessiloApp::getProfileInt(const char* key, int defaultValue)
{
    return key ? getProfileInt(CString(key), defaultValue) : 0;
}

// Structures live in the same section of the Windows profile file.
BOOL CTessiloApp::getPrivateProfileStruct(CString key, void* buffer, long size)
{
    if (!buffer || size < 0)
        return FALSE;
    return GetPrivateProfileStructA(
        profileSection, key, buffer, static_cast<UINT>(size), "win.ini");
}

BOOL CTessiloApp::getPrivateProfileStruct(const char* key, void* buffer, long size)
{
    return key && buffer ? getPrivateProfileStruct(CString(key), buffer, size) : FALSE;
}

BOOL CTessiloApp::writePrivateProfileStruct(CString key, void* buffer, long size)
{
    if (!buffer || size < 0)
        return FALSE;
    return WritePrivateProfileStructA(
        profileSection, key, buffer, static_cast<UINT>(size), "win.ini");
}

BOOL CTessiloApp::writePrivateProfileStruct(const char* key, void* buffer, long size)
{
    return key && buffer ? writePrivateProfileStruct(CString(key), buffer, size) : FALSE;
}

CString CTessiloApp::CurrentDir(int save)
{
    CriticalSectionHold hold(&currentDirLock);
    if (save) {
        char buffer[MAX_PATH] = "";
        DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
        savedDirectory = n > 0 && n < MAX_PATH ? buffer : ".";
    } else if (!savedDirectory.IsEmpty()) {
        SetCurrentDirectoryA(savedDirectory);
    }
    return savedDirectory;
}

// Scans from the last character to the first: a "-" is accepted only as the last non-blank
// character, before any digit; one "." at most.
int CTessiloApp::IsNumber(CString text)
{
    int state = 0;
    for (int i = text.GetLength() - 1; i >= 0; --i) {
        const char c = text[i];
        if (c == ' ')
            continue;
        if (!(c >= '0' && c <= '9') && c != '.' && c != '-')
            return 0;
        if (state == 0 || c == '-') {
            if (c == '-' && state > 0)
                return 0;
            state = 1;
        }
        if (state > 0 && c == '.') {
            if (state == 2)
                return 0;
            state = 2;
        }
    }
    return state;
}

unsigned long CTessiloApp::GetDrives()
{
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit) {
        if (drives & (1u << bit)) {
            const char root[] = { static_cast<char>('A' + bit), ':', '\\', '\0' };
            GetDriveTypeA(root);
        }
    }
    return drives;
}

BOOL CTessiloApp::IsDriveType(const char* drive, unsigned int type)
{
    if (!drive)
        return FALSE;
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit) {
        const char letter = static_cast<char>('A' + bit);
        if ((drives & (1u << bit)) && letter == drive[0]) {
            const char root[] = { letter, ':', '\\', '\0' };
            return GetDriveTypeA(root) == type;
        }
    }
    return FALSE;
}

CTessiloApp TessiloApp;

namespace {
// The application's start and end, as when the framework attaches and detaches the library.
struct LibraryLifetime {
    LibraryLifetime() { TessiloApp.InitInstance(); }
    ~LibraryLifetime() { TessiloApp.ExitInstance(); }
} libraryLifetime;
} // namespace
