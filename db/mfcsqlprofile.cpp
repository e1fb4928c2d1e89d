#include "db/mfcsqlprofile.h"

#include <winport_paths.h>

#include <filesystem>
#include <system_error>

CString mfcsqlProfileString(const char* key, const char* defaultValue)
{
    char buffer[4096] = {};
    GetProfileStringA("tessilo40", key, defaultValue, buffer, sizeof buffer);
    return CString(buffer);
}

bool mfcsqlFileExists(const CString& path)
{
    std::string native = winport::toNativePath(path);
    std::error_code error;
    return !native.empty() && std::filesystem::is_regular_file(native, error);
}
