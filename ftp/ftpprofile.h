// The FTP workbench's settings in the framework profile of the host's application object (empty
// section name), and the defaults that depend on the current directory.
#pragma once

#include <afxwin.h>

namespace ftpprofile {
extern const char* const kUrlHost; // "FtpUrlHost"
extern const char* const kPathLocal; // "FtpPathLocal"
extern const char* const kPathHost; // "FtpPathHost"
extern const char* const kLog; // "FtpLog"
extern const char* const kId; // "FtpId"
extern const char* const kPassword; // "FtpPw"
extern const char* const kConfigurations; // "Configurations"

// The entry's text, or the default; empty without an application object.
CString read(CWinApp* app, const char* key, const char* defaultValue = "");
// Nothing without an application object. A profile file created here is readable by its owner
// only.
void write(CWinApp* app, const char* key, const CString& value);

// The current directory with "\" appended when missing ("" when it is unknown).
CString currentDirectorySlash();
// The log path of "FtpLog": the entry, else the current directory + "NetvaneFtpLog.flg".
CString logPath(CWinApp* app);
}
