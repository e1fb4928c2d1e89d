// Windows file-name matching for directory searches (local and FTP).
#pragma once

#include "winport/export.h"

namespace winport {

// Whether name matches pattern as FindFirstFile matches it: "*" any run of characters, "?" one
// character (or none before a dot or at the end), "*.*" every name, "*." names without a dot,
// "name.*" also "name"; letters compare ignoring case. NULL matches nothing.
WINPORT_API bool matchesWildcard(const char* pattern, const char* name);

} // namespace winport
