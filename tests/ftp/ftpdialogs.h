// Helpers of the FTP workbench's dialog tests: a host application object with its own profile,
// the dialogs' texts and buttons as a user reaches them.
#pragma once

#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>
#include <tessilo40.h>

#include "resources/resource.h"

#include <string>

namespace ftptest {

inline std::string itemText(HWND dialog, int id)
{
    char buffer[1024] = {};
    ::GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// A button pressed as the dialog manager reports a click.
inline void press(HWND dialog, int id)
{
    ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    winport::testing::PumpEvents(5);
}

inline bool enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }

// The host application: a profile of its own under the test's RIVANTA_ROOT, emptied for each test.
class FtpHostApp : public CWinApp {
public:
    FtpHostApp()
        : CWinApp("FtpDialogTest")
    {
        SetRegistryKey("Rivanta 40");
        WriteProfileString("", nullptr, nullptr);
    }
    std::string profile(const char* key) { return GetProfileString("", key, "<none>").GetString(); }
};

} // namespace ftptest
