// DEV ONLY - replaced once the application object lands.
#include "db/mfcsqlprofile.h"
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
CString mfcsqlProfileString(const char* key, const char* d) { const char* v = getenv((std::string("DEVPROF_") + key).c_str()); return v ? CString(v) : CString(d); }
bool mfcsqlFileExists(const CString& path) { return access(path, F_OK) == 0; }
DWORD GetCurrentDirectoryA(DWORD n, char* b) { return getcwd(b, n) ? (DWORD)strlen(b) : 0; }
#include <cstring>
