// OutputDebugString: with no debugger to listen, the text goes to the standard error stream.
#include "winbase.h"

#include <cstdio>

void OutputDebugStringA(LPCSTR text)
{
    if (text)
        std::fputs(text, stderr);
}
