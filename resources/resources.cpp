// Registers the library's resource scripts (every resources/*.rc with resources/resource.h, built
// into the library as text) when the library is loaded, so that its dialog templates are found
// "from the library's module".
#include <windows.h>
#include <winport_resources.h>

extern const char tessilo40ResourceScript[];
extern const char tessilo40ResourceHeader[];

namespace {

const BOOL resourcesRegistered = WinportRegisterResources(
    tessilo40ResourceScript, tessilo40ResourceScript, tessilo40ResourceHeader);

} // namespace
