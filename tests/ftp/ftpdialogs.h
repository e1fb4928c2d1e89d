// Helpers of the FTP workbench's dialog tests: a host application object with its own profile,
// the dialogs' texts and buttons as a user reaches them.
#pragma once

#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>
#include <tessilo40.h>

#include "resources/resource.h"

#include <cstdio>
#include <fstream>
#include <iterator>
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

namespace ftptest {

// A notification of a list or tree control to its dialog, as the control sends it.
inline LRESULT notifyList(HWND dialog, int id, UINT code, int item = -1)
{
    NMITEMACTIVATE info {};
    info.hdr.hwndFrom = ::GetDlgItem(dialog, id);
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = code;
    info.iItem = item;
    return ::SendMessage(
        dialog, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
}

inline _DlgFtpItemTransfer transferItem(const std::string& host, const std::string& source,
    DWORD sourceType, const std::string& destination, DWORD destinationType)
{
    _DlgFtpItemTransfer item {};
    std::snprintf(item.host, sizeof item.host, "%s", host.c_str());
    std::snprintf(item.userId, sizeof item.userId, "user");
    std::snprintf(item.password, sizeof item.password, "pass");
    item.source.type = sourceType;
    std::snprintf(item.source.path, sizeof item.source.path, "%s", source.c_str());
    item.destination.type = destinationType;
    std::snprintf(item.destination.path, sizeof item.destination.path, "%s", destination.c_str());
    return item;
}

inline std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace ftptest
