// What the statement layer reads from the application: profile values of the library's section
// and whether a database file named by a connect string exists.
#pragma once

#include <windows.h>
#include <afxstr.h>

// A value of the section "tessilo40" of the Windows profile (at most 4,095 characters).
CString mfcsqlProfileString(const char* key, const char* defaultValue);
// TRUE when the (Windows or native) path names an existing file.
bool mfcsqlFileExists(const CString& path);
