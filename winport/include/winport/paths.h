// The drive model: how Windows paths of the library map onto the native file system.
//
//   C:  is $RIVANTA_ROOT/drives/c (default ~/.rivanta/drives/c), created when first used;
//   Z:  is the native root "/";
//   other letters are entries (usually symbolic links) $RIVANTA_ROOT/drives/<letter>.
//
// Native absolute paths ("/home/u/x") are accepted everywhere as drive Z:. Backslashes and slashes
// both separate, and a run of separators counts as one. A rooted path without a letter ("\a\b")
// lies on the current drive: the drive of the process's current directory, where a current
// directory outside every drive but Z: counts as C:. Relative paths are taken against the process's
// current directory. "." and ".." are resolved by name and never climb above a drive's root.
// Windows-form paths are matched case-insensitively against existing files, as on Windows.
//
// This file and winport/src/files/drivemodel.cpp use only the C and C++ standard libraries and
// POSIX, so other components (the ODBC driver) can compile the same source.
#pragma once

#include <cstdint>
#include <string>
#include "winport/export.h"

namespace winport {

// The folder that holds the drives and the profile files: $RIVANTA_ROOT, else $HOME/.rivanta.
WINPORT_API std::string rivantaRoot();

// The native folder of a drive ("/" for Z:). Creates the folder of C: when it is missing.
// Returns "" for a character that is not a letter.
WINPORT_API std::string driveFolder(char letter);

// Bit mask of the present drives, bit 0 = A:. C: and Z: are always present.
WINPORT_API uint32_t presentDrives();

// The current drive as an upper-case letter ('C' when the current directory is on no drive but Z:).
WINPORT_API char currentDrive();

// The full Windows form of a path ("C:\a\b", "Z:\home\u"), resolved by name only: the file system
// is not consulted except for the current directory. "" for NULL, "" or a malformed drive part.
WINPORT_API std::string fullWindowsPath(const char* path);

// The native path a Windows or native path names. "" for NULL, "" or a malformed drive part.
WINPORT_API std::string toNativePath(const char* winPath);

// The Windows form of a native path (relative paths are taken against the current directory).
WINPORT_API std::string toWindowsPath(const std::string& native);

} // namespace winport
