#include "backenddriver.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

namespace accessdriver {

namespace {
    std::mutex loadLock;
}

BackendDriver::BackendDriver(
    const char* name, const char* overrideVariable, const char* defaultPath)
    : name_(name)
    , overrideVariable_(overrideVariable)
    , defaultPath_(defaultPath)
{
}

BackendDriver& BackendDriver::sqlite()
{
    static BackendDriver driver(
        "SQLite3 ODBC driver", "TESSILO_SQLITE_ODBC_LIB", ACCESSDRIVER_SQLITE_ODBC_LIB);
    return driver;
}

BackendDriver& BackendDriver::mdbtools()
{
    static BackendDriver driver(
        "mdbtools ODBC driver", "TESSILO_MDB_ODBC_LIB", ACCESSDRIVER_MDB_ODBC_LIB);
    return driver;
}

bool BackendDriver::load()
{
    std::lock_guard<std::mutex> guard(loadLock);
    if (tried_)
        return library_ != nullptr;
    tried_ = true;
    const char* path = getenv(overrideVariable_);
    if (!path || !*path)
        path = defaultPath_;
    // RTLD_LOCAL keeps the backend's SQL* symbols out of the global scope, where they would
    // clash with the driver manager's.
    library_ = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library_) {
        const char* reason = dlerror();
        error_ = std::string("cannot load the ") + name_ + " (" + (reason ? reason : path) + ")";
        return false;
    }
#define ACCESSDRIVER_RESOLVE(fn) api_.fn = reinterpret_cast<decltype(&::fn)>(dlsym(library_, #fn));
    ACCESSDRIVER_BACKEND_FUNCTIONS(ACCESSDRIVER_RESOLVE)
#undef ACCESSDRIVER_RESOLVE
    if (!api_.SQLAllocHandle || !api_.SQLFreeHandle || !api_.SQLDriverConnect || !api_.SQLDisconnect
        || !api_.SQLFreeStmt || !api_.SQLError) {
        error_ = std::string("the ") + name_ + " at " + path + " lacks required ODBC functions";
        api_ = BackendApi();
        dlclose(library_);
        library_ = nullptr;
        return false;
    }
    return true;
}

} // namespace accessdriver
