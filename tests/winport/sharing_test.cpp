#include <afx.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Another process that holds the file open with the given access and share mode until released.
class Holder {
public:
    Holder(const char* path, DWORD access, DWORD share)
    {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(ready[0]);
            close(release[1]);
            HANDLE h = CreateFile(path, access, share, nullptr, OPEN_EXISTING, 0, nullptr);
            const char opened = h != INVALID_HANDLE_VALUE ? 'y' : 'n';
            (void)!write(ready[1], &opened, 1);
            char c;
            (void)!read(release[0], &c, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        m_release = release[1];
        char opened = 'n';
        m_opened = read(ready[0], &opened, 1) == 1 && opened == 'y';
        close(ready[0]);
    }
    ~Holder()
    {
        if (m_pid <= 0)
            return;
        close(m_release);
        int status;
        waitpid(m_pid, &status, 0);
    }
    bool opened() const { return m_opened; }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_opened = false;
};

class Sharing : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(winport::driveFolder('C') + "/share");
        native = winport::driveFolder('C') + "/share/data.log";
        std::ofstream(native) << "original";
    }
    void TearDown() override { fs::remove_all(winport::driveFolder('C') + "/share"); }
    std::string contents() const
    {
        std::ifstream in(native);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    const char* path = "C:\\share\\data.log";
    std::string native;
};

constexpr DWORD R = GENERIC_READ, W = GENERIC_WRITE, RW = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD SR = FILE_SHARE_READ, SW = FILE_SHARE_WRITE,
                SRW = FILE_SHARE_READ | FILE_SHARE_WRITE;

} // namespace

TEST_F(Sharing, OpensConflictAcrossProcessesAsOnWindows)
{
    const struct {
        DWORD heldAccess, heldShare, access, share;
        bool allowed;
    } cases[] = {
        { R, SRW, RW, SRW, true },
        { R, SR, R, SR, true },
        { R, SR, W, SRW, false }, // held handle denies writing
        { R, SR, R, SRW, true },
        { W, SR, R, SR, false }, // the new handle would deny the held writer
        { W, SRW, R, SR, false },
        { W, SRW, RW, SRW, true },
        { RW, 0, R, SRW, false }, // exclusive
        { R, SW, R, SRW, false }, // held handle denies reading
        { 0, 0, RW, 0, false },
    };
    for (const auto& t : cases) {
        Holder holder(path, t.heldAccess, t.heldShare);
        ASSERT_TRUE(holder.opened());
        HANDLE h = CreateFile(path, t.access, t.share, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, t.allowed)
            << std::hex << t.heldAccess << "/" << t.heldShare << " then " << t.access << "/"
            << t.share;
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        else
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    // Once the holder is gone, an exclusive open works.
    HANDLE h = CreateFile(path, RW, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
}

TEST_F(Sharing, RefusedCreateLeavesTheContentsAlone)
{
    Holder holder(path, R, SR);
    ASSERT_TRUE(holder.opened());
    EXPECT_EQ(CreateFile(path, W, SRW, nullptr, CREATE_ALWAYS, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(contents(), "original");
    EXPECT_FALSE(DeleteFile(path));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(MoveFile(path, "C:\\share\\moved.log"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(CopyFile("C:\\share\\other.log", path, FALSE)); // source missing
    EXPECT_TRUE(CopyFile(path, "C:\\share\\copy.log", FALSE)); // reading is shared
}

TEST_F(Sharing, HandlesInOneProcessConflictToo)
{
    HANDLE first = CreateFile(path, W, SR, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CreateFile(path, W, SRW, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    HANDLE reader = CreateFile(path, R, SRW, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    CloseHandle(reader);
    CloseHandle(first);
    EXPECT_TRUE(DeleteFile(path));
}

TEST_F(Sharing, CFileShareFlagsMapToShareModes)
{
    const struct {
        UINT held;
        UINT flags;
        bool allowed;
    } cases[] = {
        { CFile::modeRead | CFile::shareDenyNone, CFile::modeWrite | CFile::shareDenyNone, true },
        { CFile::modeRead | CFile::shareDenyWrite, CFile::modeWrite | CFile::shareDenyNone, false },
        { CFile::modeRead | CFile::shareDenyWrite, CFile::modeRead | CFile::shareDenyNone, true },
        { CFile::modeWrite | CFile::shareDenyRead, CFile::modeRead | CFile::shareDenyNone, false },
        { CFile::modeRead | CFile::shareExclusive, CFile::modeRead | CFile::shareDenyNone, false },
        { CFile::modeRead | CFile::shareCompat, CFile::modeRead | CFile::shareDenyNone, false },
    };
    for (const auto& t : cases) {
        CFile held;
        ASSERT_TRUE(held.Open(path, t.held));
        CFile second;
        CFileException error;
        EXPECT_EQ(second.Open(path, t.flags, &error), t.allowed ? TRUE : FALSE)
            << t.held << " " << t.flags;
        if (!t.allowed) {
            EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
            EXPECT_EQ(error.m_lOsError, ERROR_SHARING_VIOLATION);
            EXPECT_EQ(error.m_strFileName, CString(path));
        }
    }
}

// Byte-range locks hold between handles (the log's writers take turns with them), also past the
// end of the file; another process meets them too (see the book's log tests).
TEST_F(Sharing, ByteRangeLocksHoldBetweenHandles)
{
    auto open = [&](DWORD access) {
        return CreateFile(path, access, SRW, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE first = open(W), second = open(RW), reader = open(R);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    ASSERT_NE(second, INVALID_HANDLE_VALUE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const DWORD far = 0x40000000; // offset far << 32
    ASSERT_TRUE(LockFile(first, 10, far, 5, 0));
    const struct {
        HANDLE handle;
        DWORD offset, length;
        DWORD error; // 0: the lock is granted (and released again)
    } cases[] = {
        { second, 12, 1, ERROR_LOCK_VIOLATION },
        { second, 5, 6, ERROR_LOCK_VIOLATION },
        { first, 14, 2, ERROR_LOCK_VIOLATION }, // the same handle cannot lock bytes twice
        { second, 15, 1, 0 },
        { second, 0, 10, 0 },
        { second, 0, 0, ERROR_INVALID_PARAMETER },
        { reader, 20, 1, ERROR_ACCESS_DENIED },
    };
    for (const auto& c : cases) {
        BOOL locked = LockFile(c.handle, c.offset, far, c.length, 0);
        EXPECT_EQ(locked, c.error == 0) << c.offset << "+" << c.length;
        if (locked)
            EXPECT_TRUE(UnlockFile(c.handle, c.offset, far, c.length, 0));
        else
            EXPECT_EQ(GetLastError(), c.error) << c.offset << "+" << c.length;
    }
    EXPECT_FALSE(LockFile(second, 0, 0x7FFFFFFF, 1, 0)) << "the share-mode bytes are reserved";
    EXPECT_FALSE(UnlockFile(first, 10, far, 4, 0)) << "only the range as locked";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_FALSE(UnlockFile(second, 10, far, 5, 0)) << "only by the handle that locked it";
    EXPECT_EQ(contents(), "original") << "locks do not touch the data";

    CloseHandle(first); // closing releases the handle's locks
    EXPECT_TRUE(LockFile(second, 10, far, 5, 0));
    EXPECT_TRUE(UnlockFile(second, 10, far, 5, 0));
    CloseHandle(second);
    CloseHandle(reader);
}
