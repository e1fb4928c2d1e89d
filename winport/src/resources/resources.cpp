// Registered resource scripts, keyed by their module (the dynamic loader's handle of the object
// that registered them), parsed on first use.
#include "resources.h"
#include "winport/resources.h"
#include "base/textbuffer.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <memory>
#include <stdexcept>
#include <strings.h>

namespace winport {
namespace {
    struct Module {
        void* handle;
        const char* script;
        const char* header;
        std::unique_ptr<ResourceScript> parsed;
    };
    std::vector<Module>& modules()
    {
        static std::vector<Module> list;
        return list;
    }
    std::string g_error;

    const ResourceScript* parsedOf(Module& m)
    {
        if (!m.parsed) {
            try {
                m.parsed = std::make_unique<ResourceScript>(
                    parseResourceScript(m.script ? m.script : "", m.header ? m.header : ""));
            } catch (const std::exception& e) {
                g_error = std::string("resource script: ") + e.what();
                m.parsed = std::make_unique<ResourceScript>();
            }
        }
        return m.parsed.get();
    }

    // The modules to search: the named one when it registered scripts, otherwise all of them.
    std::vector<const ResourceScript*> searchOrder(HINSTANCE module)
    {
        std::vector<const ResourceScript*> order;
        for (Module& m : modules()) {
            if (m.handle == static_cast<void*>(module))
                order.push_back(parsedOf(m));
        }
        if (order.empty()) {
            for (Module& m : modules())
                order.push_back(parsedOf(m));
        }
        return order;
    }

    template <class T> bool matches(const T& resource, LPCSTR name)
    {
        if (IS_INTRESOURCE(name))
            return resource.id == static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
        if (name[0] == '#')
            return resource.id == std::atoi(name + 1);
        return strcasecmp(resource.name.c_str(), name) == 0;
    }
}

const DialogTemplate* findDialogTemplate(HINSTANCE module, LPCSTR name)
{
    if (!name)
        return nullptr;
    for (const ResourceScript* script : searchOrder(module)) {
        for (const DialogTemplate& d : script->dialogs) {
            if (matches(d, name))
                return &d;
        }
    }
    return nullptr;
}

const MenuTemplate* findMenuTemplate(HINSTANCE module, LPCSTR name)
{
    if (!name)
        return nullptr;
    for (const ResourceScript* script : searchOrder(module)) {
        for (const MenuTemplate& m : script->menus) {
            if (matches(m, name))
                return &m;
        }
    }
    return nullptr;
}

const IconResource* findIconResource(HINSTANCE module, LPCSTR name)
{
    if (!name)
        return nullptr;
    for (const ResourceScript* script : searchOrder(module)) {
        for (const IconResource& icon : script->icons) {
            if (matches(icon, name))
                return &icon;
        }
    }
    return nullptr;
}

const std::string* findString(HINSTANCE module, UINT id)
{
    for (const ResourceScript* script : searchOrder(module)) {
        auto it = script->strings.find(static_cast<int>(id));
        if (it != script->strings.end())
            return &it->second;
    }
    return nullptr;
}
}

BOOL WinportRegisterResources(const void* addressInModule, const char* script, const char* header)
{
    if (!addressInModule || !script)
        return FALSE;
    Dl_info info;
    struct link_map* map = nullptr;
    if (!dladdr1(addressInModule, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map)
        return FALSE;
    winport::modules().push_back(winport::Module { map, script, header, nullptr });
    return TRUE;
}

const char* WinportResourceError()
{
    return winport::g_error.empty() ? nullptr : winport::g_error.c_str();
}

int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size)
{
    const std::string* text = winport::findString(instance, id);
    if (!text || size <= 0)
        return 0;
    return static_cast<int>(winport::copyTruncated(*text, buffer, static_cast<size_t>(size)));
}
