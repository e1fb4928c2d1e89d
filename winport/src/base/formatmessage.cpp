// FormatMessage with the English system texts, and the LocalAlloc memory it hands out.
#include "syserror.h"

#include "winbase.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct SystemMessage {
    DWORD id;
    const char* text;
};

const SystemMessage systemMessages[] = {
    { 0, "The operation completed successfully." },
    { 1, "Incorrect function." },
    { 2, "The system cannot find the file specified." },
    { 3, "The system cannot find the path specified." },
    { 4, "The system cannot open the file." },
    { 5, "Access is denied." },
    { 6, "The handle is invalid." },
    { 8, "Not enough memory resources are available to process this command." },
    { 12, "The access code is invalid." },
    { 13, "The data is invalid." },
    { 14, "Not enough memory resources are available to complete this operation." },
    { 15, "The system cannot find the drive specified." },
    { 16, "The directory cannot be removed." },
    { 17, "The system cannot move the file to a different disk drive." },
    { 18, "There are no more files." },
    { 19, "The media is write protected." },
    { 21, "The device is not ready." },
    { 24, "The program issued a command but the command length is incorrect." },
    { 25, "The drive cannot locate a specific area or track on the disk." },
    { 29, "The system cannot write to the specified device." },
    { 30, "The system cannot read from the specified device." },
    { 31, "A device attached to the system is not functioning." },
    { 32, "The process cannot access the file because it is being used by another process." },
    { 33,
        "The process cannot access the file because another process has locked a portion of "
        "the file." },
    { 38, "Reached the end of the file." },
    { 39, "The disk is full." },
    { 50, "The request is not supported." },
    { 53, "The network path was not found." },
    { 80, "The file exists." },
    { 87, "The parameter is incorrect." },
    { 111, "The file name is too long." },
    { 112, "There is not enough space on the disk." },
    { 122, "The data area passed to a system call is too small." },
    { 123, "The filename, directory name, or volume label syntax is incorrect." },
    { 131, "An attempt was made to move the file pointer before the beginning of the file." },
    { 145, "The directory is not empty." },
    { 160, "One or more arguments are not correct." },
    { 161, "The specified path is invalid." },
    { 183, "Cannot create a file when that file already exists." },
    { 206, "The filename or extension is too long." },
    { 234, "More data is available." },
    { 259, "No more data is available." },
    { 267, "The directory name is invalid." },
    { 317,
        "The system cannot find message text for message number 0x%1 in the message file for "
        "%2." },
    { 1004, "Invalid flags." },
    { 1223, "The operation was canceled by the user." },
    { 1400, "Invalid window handle." },
    { 1407, "Cannot find window class." },
    { 1813, "The specified resource type cannot be found in the image file." },
    { 1814, "The specified resource name cannot be found in the image file." },
    { 1921, "The name of the file cannot be resolved by the system." },
    { 0x80004001u, "Not implemented" },
    { 0x80004003u, "Invalid pointer" },
    { 0x80004004u, "Operation aborted" },
    { 0x80004005u, "Unspecified error" },
    { 0x8000FFFFu, "Catastrophic failure" },
};

const char* systemText(DWORD id)
{
    // HRESULTs of the Win32 facility carry a Win32 code.
    if ((id & 0xFFFF0000u) == 0x80070000u)
        id &= 0xFFFFu;
    for (const SystemMessage& m : systemMessages) {
        if (m.id == id)
            return m.text;
    }
    return nullptr;
}

// The arguments of the inserts: an array of DWORD_PTR, or a va_list read up to the wanted one.
class InsertArguments {
public:
    InsertArguments(va_list* list, bool isArray)
        : m_list(list)
        , m_isArray(isArray)
    {
    }
    bool present() const { return m_list != nullptr; }
    DWORD_PTR get(int number) const
    {
        if (m_isArray)
            return reinterpret_cast<const DWORD_PTR*>(m_list)[number - 1];
        va_list copy;
        va_copy(copy, *m_list);
        DWORD_PTR value = 0;
        for (int i = 0; i < number; ++i)
            value = va_arg(copy, DWORD_PTR);
        va_end(copy);
        return value;
    }

private:
    va_list* m_list;
    bool m_isArray;
};

// Formats one insert with its printf conversion (Windows' I64 size prefix is accepted).
bool formatInsert(std::string conversion, DWORD_PTR value, std::string& out)
{
    for (size_t at; (at = conversion.find("I64")) != std::string::npos;)
        conversion.replace(at, 3, "ll");
    if (conversion.empty() || conversion.find_first_of("*%") != std::string::npos)
        return false;
    const std::string format = "%" + conversion;
    const char type = conversion.back();
    const bool wide = conversion.find('l') != std::string::npos;
    char buffer[512];
    int n;
    if (type == 's')
        n = snprintf(buffer, sizeof buffer, format.c_str(),
            value ? reinterpret_cast<const char*>(value) : "(null)");
    else if (type == 'p')
        n = snprintf(buffer, sizeof buffer, format.c_str(), reinterpret_cast<void*>(value));
    else if (strchr("di", type))
        n = wide ? snprintf(buffer, sizeof buffer, format.c_str(), static_cast<long long>(value))
                 : snprintf(buffer, sizeof buffer, format.c_str(), static_cast<int>(value));
    else if (strchr("uxXoc", type))
        n = wide ? snprintf(
                buffer, sizeof buffer, format.c_str(), static_cast<unsigned long long>(value))
                 : snprintf(buffer, sizeof buffer, format.c_str(), static_cast<unsigned>(value));
    else
        return false;
    if (n < 0)
        return false;
    out.append(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
    return true;
}

// Expands escapes and inserts; false on an insert that has no argument or a bad conversion.
// lineBreaks: whether line ends of the template are kept.
bool expand(const char* text, bool ignoreInserts, bool lineBreaks, const InsertArguments& args,
    std::string& out)
{
    for (const char* p = text; *p; ++p) {
        if (*p == '\r' || *p == '\n') {
            if (lineBreaks)
                out.push_back(*p);
            else if (*p == '\n' || p[1] != '\n')
                out.push_back(' ');
            continue;
        }
        if (*p != '%') {
            out.push_back(*p);
            continue;
        }
        const char c = p[1];
        if (c == '0')
            return true;
        if (c >= '1' && c <= '9') {
            const char* start = p;
            int number = c - '0';
            p += 1;
            if (p[1] >= '0' && p[1] <= '9')
                number = number * 10 + (*++p - '0');
            std::string conversion = "s";
            if (p[1] == '!') {
                const char* end = strchr(p + 2, '!');
                if (!end)
                    return false;
                conversion.assign(p + 2, end);
                p = end;
            }
            if (ignoreInserts) {
                out.append(start, p + 1);
                continue;
            }
            if (!args.present() || !formatInsert(conversion, args.get(number), out))
                return false;
            continue;
        }
        switch (c) {
        case 'n':
            out += "\r\n";
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case '\0':
            return true;
        default: // "%%", "% ", "%.", "%!" and any other character stand for themselves
            out.push_back(c);
            break;
        }
        ++p;
    }
    return true;
}

// Breaks lines longer than width at their last space (or hard at width).
std::string wrap(const std::string& text, size_t width)
{
    std::string out;
    size_t lineStart = 0;
    for (char c : text) {
        out.push_back(c);
        if (c == '\n') {
            lineStart = out.size();
            continue;
        }
        if (out.size() - lineStart > width) {
            const size_t space = out.find_last_of(' ', out.size() - 1);
            size_t cut = space != std::string::npos && space > lineStart ? space : out.size() - 1;
            const bool dropSpace = out[cut] == ' ';
            out.replace(cut, dropSpace ? 1 : 0, "\r\n");
            lineStart = cut + 2;
        }
    }
    return out;
}

} // namespace

DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD, LPSTR buffer, DWORD size,
    va_list* arguments)
{
    if (!buffer)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    std::string text;
    if (flags & FORMAT_MESSAGE_FROM_STRING) {
        if (!source)
            return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
        text = static_cast<const char*>(source);
    } else if (flags & FORMAT_MESSAGE_FROM_SYSTEM) {
        const char* found = systemText(messageId);
        if (!found)
            return winport::fail<DWORD>(ERROR_MR_MID_NOT_FOUND, 0);
        text = std::string(found) + "\r\n";
    } else {
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    }

    const DWORD width = flags & FORMAT_MESSAGE_MAX_WIDTH_MASK;
    std::string out;
    const InsertArguments args(arguments, (flags & FORMAT_MESSAGE_ARGUMENT_ARRAY) != 0);
    if (!expand(text.c_str(), (flags & FORMAT_MESSAGE_IGNORE_INSERTS) != 0, width == 0, args, out))
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    if (width != 0) {
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        if (width != FORMAT_MESSAGE_MAX_WIDTH_MASK)
            out = wrap(out, width);
    }

    const DWORD length = static_cast<DWORD>(out.size());
    char* target = buffer;
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        target = static_cast<char*>(LocalAlloc(LMEM_FIXED, std::max<DWORD>(length + 1, size)));
        if (!target)
            return winport::fail<DWORD>(ERROR_NOT_ENOUGH_MEMORY, 0);
        *reinterpret_cast<char**>(buffer) = target;
    } else if (length + 1 > size) {
        return winport::fail<DWORD>(ERROR_INSUFFICIENT_BUFFER, 0);
    }
    memcpy(target, out.c_str(), length + 1);
    return length;
}

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes)
{
    if (flags & ~static_cast<UINT>(LMEM_ZEROINIT))
        return winport::fail<HLOCAL>(ERROR_INVALID_PARAMETER, nullptr);
    void* memory
        = (flags & LMEM_ZEROINIT) ? calloc(1, bytes ? bytes : 1) : malloc(bytes ? bytes : 1);
    if (!memory)
        return winport::fail<HLOCAL>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
    return memory;
}

HLOCAL LocalFree(HLOCAL memory)
{
    free(memory);
    return nullptr;
}
