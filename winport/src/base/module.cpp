#include "libloaderapi.h"
#include "winbase.h"
#include "winerror.h"
#include "winport/paths.h"
#include "syserror.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool endsWithNoCase(const std::string& text, const char* suffix)
{
    size_t n = std::strlen(suffix);
    return text.size() >= n && lower(text.substr(text.size() - n)) == suffix;
}

struct ModuleName {
    std::string folder; // native folder with a trailing slash, or "" to search the loader's path
    std::vector<std::string> files; // candidate file names, best first
};

// "tessilo40.dll" -> libtessilo40.so, tessilo40.so; a name without extension gets ".dll" first,
// as on Windows; names of shared objects (".so", ".so.4") stay as they are.
ModuleName candidatesFor(const char* name)
{
    ModuleName result;
    std::string text(name);
    size_t cut = text.find_last_of("\\/:");
    if (cut != std::string::npos) {
        std::string folder = winport::toNativePath(text.substr(0, cut + 1).c_str());
        result.folder = folder.empty() || folder.back() == '/' ? folder : folder + "/";
        text = text.substr(cut + 1);
    }
    std::string stem = text;
    if (endsWithNoCase(text, ".dll"))
        stem = text.substr(0, text.size() - 4);
    else if (text.find(".so") != std::string::npos) {
        result.files.push_back(text);
        return result;
    } else if (text.find('.') != std::string::npos) {
        result.files.push_back(text);
        return result;
    }
    for (const std::string& s : { stem, lower(stem) }) {
        for (const std::string& file : { "lib" + s + ".so", s + ".so" }) {
            if (std::find(result.files.begin(), result.files.end(), file) == result.files.end())
                result.files.push_back(file);
        }
    }
    return result;
}

struct LoadedSearch {
    const ModuleName* name;
    std::string path;
};

// A loaded object matches when its file name, compared without case, is a candidate or a
// versioned form of one ("libtessilo40.so.4").
int matchLoaded(struct dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<LoadedSearch*>(data);
    if (!info->dlpi_name || !*info->dlpi_name)
        return 0;
    std::string path(info->dlpi_name);
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string file = lower(slash == std::string::npos ? path : path.substr(slash + 1));
    if (!search->name->folder.empty() && folder != search->name->folder)
        return 0;
    for (const std::string& candidate : search->name->files) {
        std::string c = lower(candidate);
        if (file == c
            || (file.size() > c.size() && file.compare(0, c.size(), c) == 0
                && file[c.size()] == '.')) {
            search->path = path;
            return 1;
        }
    }
    return 0;
}

std::string loadedPath(const ModuleName& name)
{
    LoadedSearch search { &name, {} };
    dl_iterate_phdr(matchLoaded, &search);
    return search.path;
}

void* mainProgram()
{
    static void* handle = dlopen(nullptr, RTLD_NOW);
    return handle;
}

// True when the handle is one of the process's loaded objects.
bool isLoadedModule(HMODULE module)
{
    struct link_map* map = nullptr;
    if (!module || dlinfo(mainProgram(), RTLD_DI_LINKMAP, &map) != 0)
        return false;
    while (map && map->l_prev)
        map = map->l_prev;
    for (; map; map = map->l_next) {
        if (static_cast<void*>(map) == static_cast<void*>(module))
            return true;
    }
    return module == static_cast<HMODULE>(mainProgram());
}

std::string programPath()
{
    std::vector<char> buffer(PATH_MAX + 1);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), static_cast<size_t>(n)) : std::string();
}
} // namespace

HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (!fileName || !*fileName) {
        return winport::fail(ERROR_INVALID_PARAMETER, nullptr);
    }
    ModuleName name = candidatesFor(fileName);
    std::string loaded = loadedPath(name);
    if (!loaded.empty()) {
        if (void* handle = dlopen(loaded.c_str(), RTLD_NOW | RTLD_NOLOAD))
            return static_cast<HMODULE>(handle);
    }
    for (const std::string& file : name.files) {
        if (void* handle = dlopen((name.folder + file).c_str(), RTLD_NOW))
            return static_cast<HMODULE>(handle);
    }
    return winport::fail(ERROR_MOD_NOT_FOUND, nullptr);
}

BOOL FreeLibrary(HMODULE module)
{
    if (!isLoadedModule(module) || dlclose(module) != 0) {
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (!procName || !isLoadedModule(module)) {
        return winport::fail(procName ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER, nullptr);
    }
    void* symbol = dlsym(module, procName);
    if (!symbol) {
        return winport::fail(ERROR_PROC_NOT_FOUND, nullptr);
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    HMODULE module = nullptr;
    return GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, moduleName, &module)
        ? module
        : nullptr;
}

BOOL GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module)
{
    if (!module
        || ((flags & GET_MODULE_HANDLE_EX_FLAG_PIN)
            && (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT))) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    *module = nullptr;
    std::string path;
    if (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) {
        Dl_info info;
        struct link_map* map = nullptr;
        if (!name || !dladdr1(name, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP)
            || !map) {
            return winport::fail(ERROR_MOD_NOT_FOUND, FALSE);
        }
        if (!map->l_name || !*map->l_name)
            name = nullptr; // the program itself
        else
            path = map->l_name;
    } else if (name) {
        path = loadedPath(candidatesFor(name));
        if (path.empty()) {
            return winport::fail(ERROR_MOD_NOT_FOUND, FALSE);
        }
    }
    if (path.empty() && !name) {
        *module = static_cast<HMODULE>(mainProgram());
        return TRUE;
    }
    int mode
        = RTLD_NOW | RTLD_NOLOAD | ((flags & GET_MODULE_HANDLE_EX_FLAG_PIN) ? RTLD_NODELETE : 0);
    void* handle = dlopen(path.c_str(), mode);
    if (!handle) {
        return winport::fail(ERROR_MOD_NOT_FOUND, FALSE);
    }
    // The module is loaded and stays so while the caller lives in it: the extra reference that
    // dlopen took can be given back at once.
    if (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT)
        dlclose(handle);
    *module = static_cast<HMODULE>(handle);
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    if (!fileName || size == 0) {
        return winport::fail(ERROR_INSUFFICIENT_BUFFER, 0);
    }
    std::string native;
    struct link_map* map = nullptr;
    if (!module || module == static_cast<HMODULE>(mainProgram())) {
        native = programPath();
    } else if (isLoadedModule(module) && dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map) {
        native = map->l_name && *map->l_name ? map->l_name : programPath();
    } else {
        return winport::fail(ERROR_MOD_NOT_FOUND, 0);
    }
    std::string path = winport::toWindowsPath(native);
    if (path.size() >= size) {
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        return winport::fail(ERROR_INSUFFICIENT_BUFFER, size);
    }
    std::memcpy(fileName, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
