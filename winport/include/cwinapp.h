// CWinApp: the application object with its name and its own profile.
//
// The profile of an application lives in one file: after SetRegistryKey(key) it is
// $RIVANTA_ROOT/registry/<key>/<profile name>.ini (the profile name is the application name),
// before that $RIVANTA_ROOT/<exe name>.ini. Sections and entries behave as in the private profile
// functions; the empty section name is a section of its own.
#pragma once

#include "afxstr.h"
#include "cwinthread.h"
#include "winport/export.h"
#include "wintypes.h"

class WINPORT_API CWinApp : public CWinThread {
public:
    // NULL name: the application is named after its executable.
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    LPCSTR m_pszAppName;
    LPCSTR m_pszExeName;
    LPCSTR m_pszRegistryKey; // NULL until SetRegistryKey
    LPCSTR m_pszProfileName;
    HINSTANCE m_hInstance; // the program's module unless a library sets its own

    BOOL InitInstance() override;
    int ExitInstance() override;

    // An empty or NULL key is ignored.
    void SetRegistryKey(LPCSTR registryKey);

    // The entry's text, or the default (NULL: "") when the section, entry or file is missing.
    CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
    // A NULL value deletes the entry, a NULL entry the whole section; FALSE when the file cannot
    // be written.
    BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);

    // The native path of the file that holds this application's profile.
    CString GetProfileFilePath() const;

private:
    CString m_appName;
    CString m_exeName;
    CString m_registryKey;
    CString m_profileName;
};

// The application object of the process: the most recently constructed one still alive.
WINPORT_API CWinApp* AfxGetApp();
WINPORT_API LPCSTR AfxGetAppName();
