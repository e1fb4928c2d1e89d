// What the statement layer reads from the application: profile values of the library's section
// and whether a database file named by a connect string exists.
#pragma once

#include <windows.h>
#include <afxstr.h>

CString mfcsqlProfileString(const char* key, const char* defaultValue);
bool mfcsqlFileExists(const CString& path);
DWORD GetCurrentDirectoryA(DWORD, char*); // DEV ONLY
