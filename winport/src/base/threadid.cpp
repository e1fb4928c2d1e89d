// GetCurrentThreadId: the kernel's id of the calling thread.
#include <windows.h>

#include <sys/syscall.h>
#include <unistd.h>

DWORD GetCurrentThreadId() { return static_cast<DWORD>(syscall(SYS_gettid)); }
