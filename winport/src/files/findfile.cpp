// FindFirstFile and FindNextFile: one directory listing taken at the first call, filtered with
// Windows name matching and handed out in name order.
#include "fileinfo.h"
#include "base/kernelobject.h"
#include "base/syserror.h"
#include "winport/paths.h"
#include "winport/wildcard.h"

#include "winbase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class FindObject : public winport::KernelObject {
public:
    std::string folder; // native
    std::vector<std::string> names;
    size_t next = 0;
};

bool dotsFirstThenIgnoringCase(const std::string& a, const std::string& b)
{
    const auto rank = [](const std::string& s) { return s == "." ? 0 : s == ".." ? 1 : 2; };
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    const int byCase = strcasecmp(a.c_str(), b.c_str());
    return byCase != 0 ? byCase < 0 : a < b;
}

// Fills data for the next name that still exists; false when none is left.
bool nextEntry(FindObject& find, LPWIN32_FIND_DATAA data)
{
    while (find.next < find.names.size()) {
        const std::string& name = find.names[find.next++];
        const std::string path = find.folder == "/" ? "/" + name : find.folder + "/" + name;
        struct stat st;
        if (stat(path.c_str(), &st) != 0 && lstat(path.c_str(), &st) != 0)
            continue;
        memset(data, 0, sizeof *data);
        data->dwFileAttributes = winport::attributesOf(st, name.c_str());
        data->ftCreationTime = winport::fileTimeOf(st.st_mtim);
        data->ftLastAccessTime = winport::fileTimeOf(st.st_atim);
        data->ftLastWriteTime = winport::fileTimeOf(st.st_mtim);
        const ULONGLONG size = S_ISDIR(st.st_mode) ? 0 : static_cast<ULONGLONG>(st.st_size);
        data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data->nFileSizeLow = static_cast<DWORD>(size);
        memcpy(data->cFileName, name.c_str(), name.size() + 1);
        return true;
    }
    return false;
}

} // namespace

HANDLE FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA data)
{
    if (!fileName || !*fileName)
        return winport::fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
    if (!data)
        return winport::fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    const std::string text = fileName;
    std::string folderText = ".";
    std::string pattern = text;
    const size_t slash = text.find_last_of("\\/");
    if (slash != std::string::npos) {
        folderText = text.substr(0, slash + 1);
        pattern = text.substr(slash + 1);
    } else if (text.size() >= 2 && text[1] == ':') {
        folderText = text.substr(0, 2);
        pattern = text.substr(2);
    }
    if (pattern.empty())
        return winport::fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);

    auto find = std::make_shared<FindObject>();
    find->folder = winport::toNativePath(folderText.c_str());
    if (find->folder.empty())
        return winport::fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
    // A plain name that exists as spelled is the one match: no need to read the whole folder
    // (a list of a thousand files looks each one up).
    const bool plain = pattern.find_first_of("*?") == std::string::npos && pattern != "."
        && pattern != ".." && pattern.size() < MAX_PATH;
    if (plain) {
        const std::string exact
            = find->folder == "/" ? "/" + pattern : find->folder + "/" + pattern;
        struct stat st;
        if (lstat(exact.c_str(), &st) == 0) {
            find->names.push_back(pattern);
            if (nextEntry(*find, data))
                return winport::insertHandle(find);
            find->names.clear();
            find->next = 0;
        }
    }
    DIR* dir = opendir(find->folder.c_str());
    if (!dir) {
        const DWORD error = errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND;
        return winport::fail(error, INVALID_HANDLE_VALUE);
    }
    const bool driveRoot = winport::fullWindowsPath(folderText.c_str()).size() == 3;
    while (dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        const bool dots = strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
        if ((dots && driveRoot) || strlen(name) >= MAX_PATH)
            continue;
        if (winport::matchesWildcard(pattern.c_str(), name))
            find->names.emplace_back(name);
    }
    closedir(dir);
    std::sort(find->names.begin(), find->names.end(), dotsFirstThenIgnoringCase);
    if (!nextEntry(*find, data))
        return winport::fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    return winport::insertHandle(find);
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data)
{
    auto find = winport::findHandleOf<FindObject>(handle);
    if (!find)
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    if (!data)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!nextEntry(*find, data))
        return winport::fail(ERROR_NO_MORE_FILES, FALSE);
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    if (!winport::findHandleOf<FindObject>(handle) || !winport::removeHandle(handle))
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    return TRUE;
}
