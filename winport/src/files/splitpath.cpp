// The C runtime's path splitting and joining, with Microsoft's rules: the drive is the first two
// characters when the second is a colon, the directory runs to the last backslash or slash, the
// extension starts at the last dot after it.
#include "winbase.h"
#include "base/textbuffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

struct PathParts {
    std::string drive, dir, fname, ext;
};

PathParts split(const char* path)
{
    PathParts parts;
    const char* p = path;
    if (p[0] && p[1] == ':') {
        parts.drive.assign(p, 2);
        p += 2;
    }
    const char* lastSlash = nullptr;
    const char* lastDot = nullptr;
    for (const char* q = p; *q; ++q) {
        if (*q == '\\' || *q == '/')
            lastSlash = q;
        else if (*q == '.')
            lastDot = q;
    }
    const char* name = lastSlash ? lastSlash + 1 : p;
    parts.dir.assign(p, name);
    if (lastDot && lastDot >= name) {
        parts.fname.assign(name, lastDot);
        parts.ext = lastDot;
    } else {
        parts.fname = name;
    }
    return parts;
}

void copyCut(char* out, const std::string& text, size_t size)
{
    winport::copyTruncated(text, out, size);
}

std::string join(const char* drive, const char* dir, const char* fname, const char* ext)
{
    std::string path;
    if (drive && *drive) {
        path.push_back(drive[0]);
        path.push_back(':');
    }
    if (dir && *dir) {
        path += dir;
        if (path.back() != '\\' && path.back() != '/')
            path.push_back('\\');
    }
    if (fname)
        path += fname;
    if (ext && *ext) {
        if (ext[0] != '.')
            path.push_back('.');
        path += ext;
    }
    return path;
}

} // namespace

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    const PathParts parts = split(path ? path : "");
    copyCut(drive, parts.drive, _MAX_DRIVE);
    copyCut(dir, parts.dir, _MAX_DIR);
    copyCut(fname, parts.fname, _MAX_FNAME);
    copyCut(ext, parts.ext, _MAX_EXT);
}

errno_t _splitpath_s(const char* path, char* drive, size_t driveSize, char* dir, size_t dirSize,
    char* fname, size_t fnameSize, char* ext, size_t extSize)
{
    const bool consistent = (drive != nullptr) == (driveSize != 0)
        && (dir != nullptr) == (dirSize != 0) && (fname != nullptr) == (fnameSize != 0)
        && (ext != nullptr) == (extSize != 0);
    char* outputs[] = { drive, dir, fname, ext };
    const auto clear = [&] {
        for (char* out : outputs) {
            if (out)
                out[0] = '\0';
        }
    };
    if (!path || !consistent) {
        if (consistent)
            clear();
        return errno = EINVAL;
    }
    const PathParts parts = split(path);
    const std::string* texts[] = { &parts.drive, &parts.dir, &parts.fname, &parts.ext };
    const size_t sizes[] = { driveSize, dirSize, fnameSize, extSize };
    for (int i = 0; i < 4; ++i) {
        if (outputs[i] && texts[i]->size() >= sizes[i]) {
            clear();
            return errno = ERANGE;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (outputs[i])
            memcpy(outputs[i], texts[i]->c_str(), texts[i]->size() + 1);
    }
    return 0;
}

void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext)
{
    if (!path)
        return;
    const std::string joined = join(drive, dir, fname, ext);
    memcpy(path, joined.c_str(), joined.size() + 1);
}

errno_t _makepath_s(
    char* path, size_t size, const char* drive, const char* dir, const char* fname, const char* ext)
{
    if (!path || size == 0)
        return errno = EINVAL;
    const std::string joined = join(drive, dir, fname, ext);
    if (joined.size() >= size) {
        path[0] = '\0';
        return errno = ERANGE;
    }
    memcpy(path, joined.c_str(), joined.size() + 1);
    return 0;
}
