// Resource scripts carried by a module: a library registers the text of its .rc script and of
// the header with the symbols it uses, and its templates are then found "from its module".
#pragma once

#include "winport/export.h"
#include "wintypes.h"

// addressInModule is any address inside the registering module (a function or variable of it).
// The script is parsed on first use; the strings must stay valid for the life of the module.
WINPORT_API BOOL WinportRegisterResources(
    const void* addressInModule, const char* script, const char* header);
// The parse error of the last script that failed to parse, or NULL.
WINPORT_API const char* WinportResourceError();
