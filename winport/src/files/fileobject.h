// The kernel object behind a file HANDLE.
#pragma once

#include "base/kernelobject.h"

#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace winport {

class FileObject : public KernelObject {
public:
    FileObject(int fd, DWORD access, std::string native)
        : m_fd(fd)
        , m_access(access)
        , m_native(std::move(native))
    {
    }
    ~FileObject() override;
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

    int fd() const { return m_fd; }
    bool canRead() const;
    bool canWrite() const;
    const std::string& native() const { return m_native; }

    // The byte ranges (start, length) this handle holds with LockFile, under their guard.
    std::mutex& lockGuard() { return m_lockGuard; }
    std::vector<std::pair<off_t, off_t>>& lockedRanges() { return m_lockedRanges; }

private:
    int m_fd;
    DWORD m_access;
    std::string m_native;
    std::mutex m_lockGuard;
    std::vector<std::pair<off_t, off_t>> m_lockedRanges;
};

// Opens a file with CreateFile's access, share mode and disposition. On failure returns nullptr
// with the Win32 code in error; on success error is NO_ERROR or ERROR_ALREADY_EXISTS (an existing
// file opened by CREATE_ALWAYS or OPEN_ALWAYS).
std::shared_ptr<FileObject> openFile(const std::string& native, DWORD access, DWORD share,
    DWORD disposition, DWORD attributes, DWORD& error);

} // namespace winport
