#include "ftp/ftpprofile.h"

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
}

CString read(CWinApp* app, const char* key, const char* defaultValue)
{
    return app ? app->GetProfileString(kSection, key, defaultValue) : CString();
}

void write(CWinApp* app, const char* key, const CString& value)
{
    if (!app)
        return;
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
