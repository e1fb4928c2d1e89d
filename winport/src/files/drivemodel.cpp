// The drive model (see winport/paths.h). Only the C/C++ standard libraries and POSIX are used here.
#include "winport/paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace winport {
namespace {

    using Parts = std::vector<std::string>;

    // A path split into its drive and its components below the drive's root.
    struct SplitPath {
        char drive = 0; // upper-case letter
        Parts parts;
        bool native = false; // given as a native absolute path: no case matching
    };

    bool isSeparator(char c) { return c == '\\' || c == '/'; }

    // Appends the components of text to parts, resolving "." and ".." by name.
    void appendComponents(Parts& parts, const char* text, bool backslashSeparates)
    {
        std::string item;
        auto flush = [&]() {
            if (item == "..") {
                if (!parts.empty())
                    parts.pop_back();
            } else if (!item.empty() && item != ".") {
                parts.push_back(item);
            }
            item.clear();
        };
        for (const char* p = text; *p; ++p) {
            if (*p == '/' || (backslashSeparates && *p == '\\'))
                flush();
            else
                item.push_back(*p);
        }
        flush();
    }

    std::string join(const std::string& base, const Parts& parts, size_t from, char separator)
    {
        std::string out = base;
        for (size_t i = from; i < parts.size(); ++i) {
            if (out.empty() || out.back() != separator)
                out.push_back(separator);
            out += parts[i];
        }
        return out;
    }

    std::string processCurrentDirectory()
    {
        std::vector<char> buffer(PATH_MAX);
        while (!getcwd(buffer.data(), buffer.size())) {
            if (errno != ERANGE)
                return std::string();
            buffer.resize(buffer.size() * 2);
        }
        return buffer.data();
    }

    bool entryExists(const std::string& path)
    {
        struct stat st;
        return lstat(path.c_str(), &st) == 0;
    }

    bool isAbove(const std::string& folder, const std::string& path)
    {
        if (path.compare(0, folder.size(), folder) != 0)
            return false;
        return path.size() == folder.size() || path[folder.size()] == '/';
    }

    std::string canonical(const std::string& path)
    {
        char* real = realpath(path.c_str(), nullptr);
        if (!real)
            return std::string();
        std::string out = real;
        free(real);
        return out;
    }

    // Splits a native absolute path into a drive and components: the drive whose folder (by name
    // or by its resolved target) is the longest prefix of the path, else Z:.
    SplitPath splitNative(const std::string& native)
    {
        Parts all;
        appendComponents(all, native.c_str(), false);
        const std::string normal = join("/", all, 0, '/');
        SplitPath out;
        out.drive = 'Z';
        out.parts = all;
        size_t bestLength = 0;
        const uint32_t drives = presentDrives();
        for (int i = 0; i < 25; ++i) {
            if (!(drives & (1u << i)))
                continue;
            const char letter = static_cast<char>('A' + i);
            const std::string folder = driveFolder(letter);
            for (const std::string& candidate : { folder, canonical(folder) }) {
                if (candidate.empty() || candidate == "/" || candidate.size() <= bestLength
                    || !isAbove(candidate, normal))
                    continue;
                Parts prefix;
                appendComponents(prefix, candidate.c_str(), false);
                bestLength = candidate.size();
                out.drive = letter;
                out.parts.assign(all.begin() + static_cast<long>(prefix.size()), all.end());
            }
        }
        return out;
    }

    SplitPath currentDirectorySplit()
    {
        const std::string cwd = processCurrentDirectory();
        if (cwd.empty()) {
            SplitPath root;
            root.drive = 'C';
            return root;
        }
        return splitNative(cwd);
    }

    bool splitAny(const char* path, SplitPath& out)
    {
        if (!path || !*path)
            return false;
        if (path[0] == '/') {
            out.drive = 'Z';
            out.native = true;
            appendComponents(out.parts, path, false);
            return true;
        }
        if (path[1] == ':') {
            const unsigned char letter = static_cast<unsigned char>(path[0]);
            if (letter > 127 || !std::isalpha(letter))
                return false;
            out.drive = static_cast<char>(std::toupper(letter));
            const char* rest = path + 2;
            if (!isSeparator(*rest)) {
                // Drive-relative: against the current directory when it lies on that drive.
                SplitPath cwd = currentDirectorySplit();
                if (cwd.drive == out.drive)
                    out.parts = cwd.parts;
            }
            appendComponents(out.parts, rest, true);
            return true;
        }
        if (isSeparator(path[0])) {
            out.drive = currentDrive();
            appendComponents(out.parts, path, true);
            return true;
        }
        out = currentDirectorySplit();
        appendComponents(out.parts, path, true);
        return true;
    }

    // The name in folder that equals name ignoring case (the smallest when several do), or "".
    std::string findIgnoringCase(const std::string& folder, const std::string& name)
    {
        DIR* dir = opendir(folder.c_str());
        if (!dir)
            return std::string();
        std::string found;
        while (dirent* entry = readdir(dir)) {
            if (strcasecmp(entry->d_name, name.c_str()) == 0
                && (found.empty() || found > entry->d_name))
                found = entry->d_name;
        }
        closedir(dir);
        return found;
    }

    // Joins parts below base, spelling each existing component as the file system does.
    std::string matchCase(const std::string& base, const Parts& parts)
    {
        const std::string exact = join(base, parts, 0, '/');
        if (entryExists(exact))
            return exact;
        std::string path = base;
        for (size_t i = 0; i < parts.size(); ++i) {
            std::string next = join(path, Parts { parts[i] }, 0, '/');
            if (!entryExists(next)) {
                const std::string spelled = findIgnoringCase(path, parts[i]);
                if (spelled.empty())
                    return join(path, parts, i, '/');
                next = join(path, Parts { spelled }, 0, '/');
            }
            path = next;
        }
        return path;
    }

    std::string windowsForm(const SplitPath& split)
    {
        return join(std::string(1, split.drive) + ":\\", split.parts, 0, '\\');
    }

} // namespace

std::string rivantaRoot()
{
    std::string root;
    if (const char* env = getenv("RIVANTA_ROOT"); env && *env) {
        root = env;
    } else {
        const char* home = getenv("HOME");
        if (!home || !*home) {
            const passwd* user = getpwuid(getuid());
            home = user ? user->pw_dir : "/tmp";
        }
        root = std::string(home) + "/.rivanta";
    }
    if (root[0] != '/')
        root = processCurrentDirectory() + "/" + root;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

std::string driveFolder(char letter)
{
    const unsigned char c = static_cast<unsigned char>(letter);
    if (c > 127 || !std::isalpha(c))
        return std::string();
    const char lower = static_cast<char>(std::tolower(c));
    if (lower == 'z')
        return "/";
    const std::string drives = rivantaRoot() + "/drives";
    const std::string folder = drives + "/" + lower;
    if (lower == 'c' && !entryExists(folder)) {
        mkdir(rivantaRoot().c_str(), 0755);
        mkdir(drives.c_str(), 0755);
        mkdir(folder.c_str(), 0755);
    }
    return folder;
}

uint32_t presentDrives()
{
    uint32_t mask = (1u << ('C' - 'A')) | (1u << ('Z' - 'A'));
    const std::string drives = rivantaRoot() + "/drives";
    if (DIR* dir = opendir(drives.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const char c = entry->d_name[0];
            if (c >= 'a' && c <= 'z' && entry->d_name[1] == '\0')
                mask |= 1u << (c - 'a');
        }
        closedir(dir);
    }
    return mask;
}

char currentDrive()
{
    const char drive = currentDirectorySplit().drive;
    return drive == 'Z' ? 'C' : drive;
}

std::string fullWindowsPath(const char* path)
{
    SplitPath split;
    if (!splitAny(path, split))
        return std::string();
    return windowsForm(split);
}

std::string toNativePath(const char* winPath)
{
    SplitPath split;
    if (!splitAny(winPath, split))
        return std::string();
    const std::string base = driveFolder(split.drive);
    if (split.native)
        return join(base, split.parts, 0, '/');
    return matchCase(base, split.parts);
}

std::string toWindowsPath(const std::string& native)
{
    if (native.empty())
        return std::string();
    const std::string absolute
        = native[0] == '/' ? native : processCurrentDirectory() + "/" + native;
    return windowsForm(splitNative(absolute));
}

} // namespace winport
