#include "profileregistration.h"

#include <windows.h>
#include <winport/paths.h>

#include <stdexcept>
#include <sys/stat.h>

namespace sampledb {

namespace {

    const char* const kSection = "tessilo40";

    std::string profileString(const char* key)
    {
        char buffer[4096] = "";
        GetProfileStringA(kSection, key, "", buffer, sizeof buffer);
        return buffer;
    }

} // namespace

std::string connectStringFor(const std::string& windowsPath)
{
    const size_t slash = windowsPath.find_last_of('\\');
    const std::string folder
        = slash == std::string::npos ? std::string() : windowsPath.substr(0, slash);
    return "DSN=Rivanta 4.0;DBQ=" + windowsPath + ";DefaultDir=" + folder
        + ";Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN="
        + windowsPath + ".dsn;MaxBufferSize=2048;PageTimeout=5;";
}

bool namesExistingDatabase(const std::string& connect)
{
    const size_t dbq = connect.find("DBQ=");
    if (dbq == std::string::npos)
        return false;
    const size_t end = connect.find(';', dbq);
    const std::string path
        = connect.substr(dbq + 4, end == std::string::npos ? end : end - dbq - 4);
    const std::string native = winport::toNativePath(path.c_str());
    struct stat st;
    return !native.empty() && stat(native.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string registerInProfile(const std::string& connect, bool replaceChoice)
{
    std::string written;
    for (const char* key : { "ConnectStr", "ConnectStrInstalled" }) {
        const bool choice = key == std::string("ConnectStr");
        const std::string current = profileString(key);
        if (current == connect || (!(choice && replaceChoice) && namesExistingDatabase(current)))
            continue;
        if (!WriteProfileStringA(kSection, key, connect.c_str()))
            throw std::runtime_error(std::string("cannot write ") + key + " to the profile");
        written += (written.empty() ? "" : ", ") + std::string(key);
    }
    return written;
}

std::string registerDefaultPrinter()
{
    std::string written;
    for (const char* program : { "tessilo", "tessilo-demo" }) {
        const std::string file
            = winport::rivantaRoot() + "/registry/Rivanta 40/" + program + ".ini";
        char device[256] = "";
        GetPrivateProfileStringA("windows", "device", "", device, sizeof device, file.c_str());
        if (device[0])
            continue;
        mkdir((winport::rivantaRoot() + "/registry").c_str(), 0777);
        mkdir((winport::rivantaRoot() + "/registry/Rivanta 40").c_str(), 0777);
        if (!WritePrivateProfileStringA("windows", "device", "PDF", file.c_str()))
            throw std::runtime_error("cannot write the default printer to " + file);
        written += (written.empty() ? "" : ", ") + std::string(program);
    }
    return written;
}

} // namespace sampledb
