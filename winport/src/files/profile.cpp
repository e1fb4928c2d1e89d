// The profile functions over initialisation files. Reads see a whole file, because every write
// builds the new text in "<file>.tmp" and renames it over the old file; writers take a process
// mutex and an flock on "<file>.lock" around each read-modify-write, so concurrent writers in any
// process never lose each other's keys, and a writer killed midway leaves the old file intact.
#include "inifile.h"
#include "base/syserror.h"
#include "base/textbuffer.h"
#include "winport/paths.h"

#include "winbase.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::mutex& profileMutex()
{
    static std::mutex* mutex = new std::mutex; // usable from static destructors too
    return *mutex;
}

// The native path of an initialisation file: a bare name lies in the root folder.
std::string profilePath(LPCSTR fileName)
{
    if (!fileName || !*fileName)
        fileName = "win.ini";
    if (!strpbrk(fileName, "\\/") && fileName[1] != ':') {
        const std::string root = winport::rivantaRoot();
        mkdir(root.c_str(), 0755);
        return root + "/" + fileName;
    }
    return winport::toNativePath(fileName);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads the whole file; a missing file reads as empty with ERROR_FILE_NOT_FOUND.
bool readText(const std::string& path, std::string& text, DWORD& error)
{
    text.clear();
    error = NO_ERROR;
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = winport::errorFromErrno(errno, path);
        return errno == ENOENT;
    }
    char block[16384];
    for (;;) {
        const ssize_t n = read(fd.get(), block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = winport::errorFromErrno(errno, path);
            return false;
        }
        if (n == 0)
            return true;
        text.append(block, static_cast<size_t>(n));
    }
}

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Reads, changes and atomically replaces the file under both locks. change returns whether the
// document changed; an unchanged document is not written.
BOOL updateProfile(LPCSTR fileName, const std::function<bool(winport::IniFile&)>& change)
{
    const std::string path = profilePath(fileName);
    if (path.empty())
        return winport::fail(ERROR_PATH_NOT_FOUND, FALSE);
    std::lock_guard<std::mutex> guard(profileMutex());
    FileDescriptor lock(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (lock.get() < 0)
        return winport::failFromErrno(path, FALSE);
    while (flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return winport::failFromErrno(path, FALSE);
    }
    std::string text;
    DWORD error;
    if (!readText(path, text, error))
        return winport::fail(error, FALSE);
    winport::IniFile ini;
    ini.parse(text);
    if (!change(ini))
        return TRUE;

    struct stat old;
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const std::string temporary = path + ".tmp";
    FileDescriptor out(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (out.get() < 0)
        return winport::failFromErrno(temporary, FALSE);
    fchmod(out.get(), mode);
    if (!writeAll(out.get(), ini.serialize()) || fdatasync(out.get()) != 0
        || rename(temporary.c_str(), path.c_str()) != 0) {
        error = winport::errorFromErrno(errno, path);
        unlink(temporary.c_str());
        return winport::fail(error, FALSE);
    }
    return TRUE;
}

// Reads the current document; a missing file is an empty document (error ERROR_FILE_NOT_FOUND).
bool loadProfile(LPCSTR fileName, winport::IniFile& ini, DWORD& error)
{
    const std::string path = profilePath(fileName);
    if (path.empty()) {
        error = ERROR_PATH_NOT_FOUND;
        return true;
    }
    std::string text;
    std::lock_guard<std::mutex> guard(profileMutex());
    if (!readText(path, text, error))
        return false;
    ini.parse(text);
    return true;
}

// Copies text with the value convention: at most size - 1 characters and a terminator.
DWORD copyValue(const std::string& text, LPSTR buffer, DWORD size)
{
    return static_cast<DWORD>(winport::copyTruncated(text, buffer, size));
}

// Copies zero-terminated strings ended by a second zero. When they do not fit, the last one is cut
// and followed by two zeros, and the result is size - 2.
DWORD copyList(const std::vector<std::string>& items, LPSTR buffer, DWORD size)
{
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    DWORD used = 0;
    for (const std::string& item : items) {
        if (used + item.size() + 1 > size - 1) {
            const DWORD room = used <= size - 2 ? size - 2 - used : 0;
            memcpy(buffer + used, item.data(), room);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        memcpy(buffer + used, item.c_str(), item.size() + 1);
        used += static_cast<DWORD>(item.size() + 1);
    }
    buffer[used] = '\0';
    if (used == 0 && size > 1)
        buffer[1] = '\0';
    return used;
}

std::string withoutQuotes(const std::string& value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

std::string withoutTrailingBlanks(const char* text)
{
    std::string out = text ? text : "";
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
        out.pop_back();
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

DWORD GetPrivateProfileStringA(
    LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR fileName)
{
    if (!buffer || size == 0)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    winport::IniFile ini;
    DWORD error;
    if (!loadProfile(fileName, ini, error)) {
        SetLastError(error);
        return copyValue(withoutTrailingBlanks(defaultValue), buffer, size);
    }
    if (!section)
        return copyList(ini.sectionNames(), buffer, size);
    if (!key)
        return copyList(ini.keys(section), buffer, size);
    if (const std::string* value = ini.find(section, key))
        return copyValue(withoutQuotes(*value), buffer, size);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return copyValue(withoutTrailingBlanks(defaultValue), buffer, size);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (!section && !key && !value)
        return TRUE; // the request to flush a cache: every write is on disk already
    if (!section)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    return updateProfile(fileName, [&](winport::IniFile& ini) {
        if (!key)
            return ini.removeSection(section);
        if (!value)
            return ini.removeKey(section, key);
        return ini.set(section, key, value);
    });
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    if (!section || !key)
        return static_cast<UINT>(defaultValue);
    char text[32];
    if (GetPrivateProfileStringA(section, key, "", text, sizeof text, fileName) == 0)
        return static_cast<UINT>(defaultValue);
    // Leading blanks, a sign, then digits (0x, 0o and 0b select another base) up to the first
    // character that is not one.
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    int base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        base = 16;
    else if (p[0] == '0' && (p[1] == 'o' || p[1] == 'O'))
        base = 8;
    else if (p[0] == '0' && (p[1] == 'b' || p[1] == 'B'))
        base = 2;
    if (base != 10)
        p += 2;
    uint32_t value = 0;
    for (int digit; (digit = hexDigit(*p)) >= 0 && digit < base; ++p)
        value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    return negative ? 0u - value : value;
}

DWORD GetPrivateProfileSectionA(LPCSTR section, LPSTR buffer, DWORD size, LPCSTR fileName)
{
    if (!buffer || size == 0)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    if (!section)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, copyList({}, buffer, size));
    winport::IniFile ini;
    DWORD error;
    if (!loadProfile(fileName, ini, error))
        return winport::fail<DWORD>(error, copyList({}, buffer, size));
    return copyList(ini.entries(section), buffer, size);
}

BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR keysAndValues, LPCSTR fileName)
{
    if (!section)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    std::vector<std::string> lines;
    for (const char* p = keysAndValues; p && *p; p += strlen(p) + 1)
        lines.emplace_back(p);
    return updateProfile(fileName, [&](winport::IniFile& ini) {
        return keysAndValues ? ini.replaceSection(section, lines) : ini.removeSection(section);
    });
}

DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName)
{
    return GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer, size, fileName);
}

BOOL GetPrivateProfileStructA(LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName)
{
    if (!section || !key || (!data && size))
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    winport::IniFile ini;
    DWORD error;
    if (!loadProfile(fileName, ini, error))
        return winport::fail(error, FALSE);
    const std::string* value = ini.find(section, key);
    if (!value)
        return winport::fail(ERROR_FILE_NOT_FOUND, FALSE);
    if (value->size() != 2 * static_cast<size_t>(size) + 2)
        return winport::fail(ERROR_BAD_LENGTH, FALSE);
    std::vector<unsigned char> bytes(size + 1);
    for (size_t i = 0; i <= size; ++i) {
        const int high = hexDigit((*value)[2 * i]);
        const int low = hexDigit((*value)[2 * i + 1]);
        if (high < 0 || low < 0)
            return winport::fail(ERROR_INVALID_DATA, FALSE);
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    unsigned char sum = 0;
    for (size_t i = 0; i < size; ++i)
        sum = static_cast<unsigned char>(sum + bytes[i]);
    if (sum != bytes[size])
        return winport::fail(ERROR_INVALID_DATA, FALSE);
    if (size)
        memcpy(data, bytes.data(), size);
    return TRUE;
}

BOOL WritePrivateProfileStructA(LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName)
{
    if (!section || !key)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!data)
        return WritePrivateProfileStringA(section, key, nullptr, fileName);
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    unsigned char sum = 0;
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (UINT i = 0; i <= size; ++i) {
        const unsigned char byte = i < size ? bytes[i] : sum;
        sum = static_cast<unsigned char>(sum + byte);
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 15]);
    }
    return WritePrivateProfileStringA(section, key, text.c_str(), fileName);
}

DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, "win.ini");
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value)
{
    return WritePrivateProfileStringA(section, key, value, "win.ini");
}

UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue)
{
    return GetPrivateProfileIntA(section, key, defaultValue, "win.ini");
}

DWORD GetProfileSectionA(LPCSTR section, LPSTR buffer, DWORD size)
{
    return GetPrivateProfileSectionA(section, buffer, size, "win.ini");
}
