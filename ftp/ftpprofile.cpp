#include "ftp/ftpprofile.h"

#include <winport/ownerfile.h>

namespace ftpprofile {
const char* const kUrlHost = "FtpUrlHost";
const char* const kPathLocal = "FtpPathLocal";
const char* const kPathHost = "FtpPathHost";
const char* const kLog = "FtpLog";
const char* const kId = "FtpId";
const char* const kPassword = "FtpPw";
const char* const kConfigurations = "Configurations";

namespace {
    const char* const kSection = "";
    const char* const kLogName = "NetvaneFtpLog.flg";

    // The profile keeps the password in clear: a profile file the workbench creates is readable
    // by its owner only (the folders on its way are made first), and one that holds the password
    // is made so.
    void createOwnerOnlyProfile(CWinApp* app, const char* key)
    {
        CString path = app->GetProfileFilePath();
        for (int slash = path.Find('/', 1); slash > 0; slash = path.Find('/', slash + 1))
            ::CreateDirectoryA(path.Left(slash), nullptr);
        winport::createOwnerOnlyFile(path);
        if (CString(key) == kPassword)
            winport::restrictToOwner(path);
    }
}

CString read(CWinApp* app, const char* key, const char* defaultValue)
{
    return app ? app->GetProfileString(kSection, key, defaultValue) : CString();
}

void write(CWinApp* app, const char* key, const CString& value)
{
    if (!app)
        return;
    createOwnerOnlyProfile(app, key);
    app->WriteProfileString(kSection, key, value);
}

CString currentDirectorySlash()
{
    char directory[MAX_PATH + 1] = {};
    DWORD length = ::GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory)
        return CString();
    CString text(directory);
    if (text.Right(1) != "\\")
        text += "\\";
    return text;
}

CString logPath(CWinApp* app)
{
    CString fallback = currentDirectorySlash() + kLogName;
    if (!app)
        return fallback;
    return read(app, kLog, fallback);
}
}
