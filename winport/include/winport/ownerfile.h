// Files that hold secrets in clear (passwords of transfer lists, the FTP log): created readable
// and writable by their owner only. Windows has no such mode bits; this is the platform's part.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

namespace winport {
// Creates the file (a Windows or native path) empty with owner-only access when it does not
// exist yet; an existing file is left as it is. TRUE when the file exists afterwards.
WINPORT_API BOOL createOwnerOnlyFile(LPCSTR path);
// Appends size bytes to the file (a Windows or native path) in one write at its end, creating it
// with owner-only access when it does not exist. One open, one write, one close: the bytes are
// the system's once this returns, so a crash of the process afterwards keeps them. TRUE when all
// of them were written.
WINPORT_API BOOL appendToOwnerOnlyFile(LPCSTR path, const void* data, DWORD size);
// Takes every access of others and of the group away from an existing file (a Windows or native
// path). TRUE when the file has owner-only access afterwards.
WINPORT_API BOOL restrictToOwner(LPCSTR path);
}
