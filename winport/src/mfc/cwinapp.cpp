#include "cwinapp.h"
#include "libloaderapi.h"
#include "winbase.h"
#include "winport/paths.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace {
std::mutex appsMutex;
std::vector<CWinApp*> liveApps;

CString executableName()
{
    std::vector<char> buffer(PATH_MAX + 1);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    std::string path = n > 0 ? std::string(buffer.data(), static_cast<size_t>(n)) : "application";
    return CString(path.substr(path.rfind('/') + 1).c_str());
}
} // namespace

CWinApp::CWinApp(LPCSTR appName)
    : m_exeName(executableName())
{
    m_appName = appName && *appName ? CString(appName) : m_exeName;
    m_profileName = m_exeName + ".ini";
    m_pszAppName = m_appName;
    m_pszExeName = m_exeName;
    m_pszRegistryKey = nullptr;
    m_pszProfileName = m_profileName;
    m_hInstance = GetModuleHandleA(nullptr);
    std::lock_guard<std::mutex> lock(appsMutex);
    liveApps.push_back(this);
}

CWinApp::~CWinApp()
{
    std::lock_guard<std::mutex> lock(appsMutex);
    liveApps.erase(std::remove(liveApps.begin(), liveApps.end(), this), liveApps.end());
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(LPCSTR registryKey)
{
    if (!registryKey || !*registryKey)
        return;
    m_registryKey = registryKey;
    m_profileName = m_appName;
    m_pszRegistryKey = m_registryKey;
    m_pszProfileName = m_profileName;
}

CString CWinApp::GetProfileFilePath() const
{
    std::string root = winport::rivantaRoot();
    if (m_registryKey.IsEmpty())
        return CString((root + "/" + m_profileName.str()).c_str());
    return CString(
        (root + "/registry/" + m_registryKey.str() + "/" + m_profileName.str() + ".ini").c_str());
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue)
{
    const char* fallback = defaultValue ? defaultValue : "";
    if (!section || !entry)
        return CString(fallback);
    CString file = GetProfileFilePath();
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(
            section, entry, fallback, buffer.data(), static_cast<DWORD>(buffer.size()), file);
        if (n + 1 < buffer.size() || buffer.size() >= (1u << 24))
            return CString(buffer.data(), static_cast<int>(n));
        buffer.resize(buffer.size() * 4);
    }
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value)
{
    if (!section)
        return FALSE;
    std::string file = GetProfileFilePath().str();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    return WritePrivateProfileStringA(section, entry, value, file.c_str());
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue)
{
    if (!section || !entry)
        return static_cast<UINT>(defaultValue);
    return GetPrivateProfileIntA(section, entry, defaultValue, GetProfileFilePath());
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value)
{
    CString text;
    text.Format("%d", value);
    return WriteProfileString(section, entry, text);
}

CWinApp* AfxGetApp()
{
    std::lock_guard<std::mutex> lock(appsMutex);
    return liveApps.empty() ? nullptr : liveApps.back();
}

LPCSTR AfxGetAppName()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName : nullptr;
}
