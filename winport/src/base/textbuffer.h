// Copying text into a caller's buffer, in the two conventions of the Win32 API.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace winport {

// Truncating (GetWindowText, WM_GETTEXT, GetPrivateProfileString, LoadString): copies at most
// size - 1 characters and a terminator and returns the number of characters copied. A null
// buffer or a size of 0 gets nothing and returns 0.
inline size_t copyTruncated(const std::string& text, char* buffer, size_t size)
{
    if (!buffer || size == 0)
        return 0;
    const size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

// All or nothing (GetCurrentDirectory, GetFullPathName): when the text and its terminator fit,
// copies them and returns the text's length; otherwise writes nothing and returns the size needed
// (length + 1), which is always larger than size.
inline size_t copyOrNeeded(const std::string& text, char* buffer, size_t size)
{
    if (!buffer || size < text.size() + 1)
        return text.size() + 1;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return text.size();
}

} // namespace winport
