// Modules: shared objects under their Windows names. "name.dll" is found as the loaded or
// loadable "libname.so" (then "name.so"); an HMODULE is the dynamic loader's handle.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

// A generic function pointer; void (*)() converts to any function type without a cast warning.
typedef void (*FARPROC)();

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004

// Loads the module (or counts one more reference to a loaded one). NULL with ERROR_MOD_NOT_FOUND
// when no such shared object can be loaded.
WINPORT_API HMODULE LoadLibraryA(LPCSTR fileName);
WINPORT_API BOOL FreeLibrary(HMODULE module);
WINPORT_API FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// NULL name: the program itself. Otherwise only a module already loaded; no reference is taken.
WINPORT_API HMODULE GetModuleHandleA(LPCSTR moduleName);
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, name is any address inside the module: a function
// or a variable of it that is not exported (a program may hold its own copy of an exported
// variable). This is how a library learns its own handle.
WINPORT_API BOOL GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module);
// The module's file as a Windows path on the drive model (native files are on drive Z:).
WINPORT_API DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

inline HMODULE LoadLibrary(LPCSTR fileName) { return LoadLibraryA(fileName); }
inline HMODULE GetModuleHandle(LPCSTR moduleName) { return GetModuleHandleA(moduleName); }
inline BOOL GetModuleHandleEx(DWORD flags, LPCSTR name, HMODULE* module)
{
    return GetModuleHandleExA(flags, name, module);
}
inline DWORD GetModuleFileName(HMODULE module, LPSTR fileName, DWORD size)
{
    return GetModuleFileNameA(module, fileName, size);
}

#ifndef ERROR_MOD_NOT_FOUND
#define ERROR_MOD_NOT_FOUND 126L
#endif
#ifndef ERROR_PROC_NOT_FOUND
#define ERROR_PROC_NOT_FOUND 127L
#endif
