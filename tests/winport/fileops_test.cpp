#include <windows.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class FileOps : public testing::Test {
protected:
    void SetUp() override
    {
        c = winport::driveFolder('C');
        fs::remove_all(c + "/ops");
        fs::create_directories(c + "/ops/full");
        std::ofstream(c + "/ops/src.txt") << "source text";
        std::ofstream(c + "/ops/full/inner.txt") << "x";
    }
    void TearDown() override { fs::remove_all(c + "/ops"); }
    std::string read(const std::string& native)
    {
        std::ifstream in(native);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // 0 when the call succeeded, else GetLastError().
    static DWORD outcome(BOOL ok) { return ok ? 0 : GetLastError(); }

    ScopedCwd cwd;
    std::string c;
};

} // namespace

TEST_F(FileOps, DirectoriesAndTheirErrorCodes)
{
    const struct {
        const char* what;
        DWORD result;
        DWORD expected;
    } cases[] = {
        { "create", outcome(CreateDirectory("C:\\ops\\new", nullptr)), 0 },
        { "create again", outcome(CreateDirectory("C:\\ops\\NEW", nullptr)), ERROR_ALREADY_EXISTS },
        { "create deep", outcome(CreateDirectory("C:\\ops\\a\\b", nullptr)), ERROR_PATH_NOT_FOUND },
        { "remove non-empty", outcome(RemoveDirectory("C:\\ops\\full")), ERROR_DIR_NOT_EMPTY },
        { "remove file", outcome(RemoveDirectory("C:\\ops\\src.txt")), ERROR_DIRECTORY },
        { "remove missing", outcome(RemoveDirectory("C:\\ops\\none")), ERROR_FILE_NOT_FOUND },
        { "remove root", outcome(RemoveDirectory("C:\\")), ERROR_ACCESS_DENIED },
        { "remove", outcome(RemoveDirectory("C:\\ops\\new")), 0 },
    };
    for (const auto& t : cases)
        EXPECT_EQ(t.result, t.expected) << t.what;
    EXPECT_FALSE(fs::exists(c + "/ops/new"));
    ASSERT_TRUE(SetCurrentDirectory("C:\\ops\\full"));
    EXPECT_EQ(outcome(DeleteFile("inner.txt")), 0u);
    EXPECT_EQ(
        outcome(RemoveDirectory("C:\\ops\\full")), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST_F(FileOps, CopyKeepsContentsAndTimeAndHonoursFailIfExists)
{
    fs::last_write_time(
        c + "/ops/src.txt", fs::file_time_type::clock::now() - std::chrono::hours(48));
    ASSERT_TRUE(CopyFile("C:\\ops\\src.txt", "C:\\ops\\copy.txt", TRUE));
    EXPECT_EQ(read(c + "/ops/copy.txt"), "source text");
    EXPECT_EQ(fs::last_write_time(c + "/ops/copy.txt"), fs::last_write_time(c + "/ops/src.txt"));
    std::ofstream(c + "/ops/copy.txt") << "changed";
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\src.txt", "C:\\ops\\copy.txt", TRUE)),
        static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(read(c + "/ops/copy.txt"), "changed");
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\src.txt", "C:\\ops\\copy.txt", FALSE)), 0u);
    EXPECT_EQ(read(c + "/ops/copy.txt"), "source text");
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\none.txt", "C:\\ops\\x.txt", FALSE)),
        static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\full", "C:\\ops\\x.txt", FALSE)),
        static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\src.txt", "C:\\ops\\no\\x.txt", FALSE)),
        static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    // Copying a file onto itself is a sharing violation and leaves it whole.
    EXPECT_EQ(outcome(CopyFile("C:\\ops\\src.txt", "C:\\OPS\\SRC.TXT", FALSE)),
        static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(read(c + "/ops/src.txt"), "source text");
}

TEST_F(FileOps, DeleteMoveAndAttributes)
{
    EXPECT_EQ(GetFileAttributes("C:\\ops\\src.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributes("C:\\ops\\full"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributes("C:\\ops\\none"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributes("C:\\none\\x"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    ASSERT_TRUE(SetFileAttributes("C:\\ops\\src.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributes("C:\\ops\\src.txt"),
        static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(outcome(DeleteFile("C:\\ops\\src.txt")), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CreateFile("C:\\ops\\src.txt", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    ASSERT_TRUE(SetFileAttributes("C:\\ops\\src.txt", FILE_ATTRIBUTE_NORMAL));

    std::ofstream(c + "/ops/other.txt") << "other";
    EXPECT_EQ(outcome(MoveFile("C:\\ops\\src.txt", "C:\\ops\\other.txt")),
        static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(
        outcome(MoveFileEx("C:\\ops\\src.txt", "C:\\ops\\other.txt", MOVEFILE_REPLACE_EXISTING)),
        0u);
    EXPECT_EQ(read(c + "/ops/other.txt"), "source text");
    EXPECT_EQ(outcome(MoveFile("C:\\ops\\full", "C:\\ops\\moved")), 0u);
    EXPECT_TRUE(fs::exists(c + "/ops/moved/inner.txt"));
    EXPECT_EQ(
        outcome(MoveFile("C:\\ops\\none", "C:\\ops\\x")), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    const struct {
        const char* path;
        DWORD expected;
    } deletes[] = {
        { "C:\\ops\\other.txt", 0 },
        { "C:\\ops\\other.txt", ERROR_FILE_NOT_FOUND },
        { "C:\\ops\\no\\x.txt", ERROR_PATH_NOT_FOUND },
        { "C:\\ops\\moved", ERROR_ACCESS_DENIED },
        { nullptr, ERROR_INVALID_PARAMETER },
    };
    for (const auto& t : deletes)
        EXPECT_EQ(outcome(DeleteFile(t.path)), t.expected) << (t.path ? t.path : "NULL");
}

TEST_F(FileOps, HandlesReadWriteAndReportErrors)
{
    HANDLE h = CreateFile(
        "C:\\ops\\h.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 0u);
    DWORD n = 0;
    ASSERT_TRUE(WriteFile(h, "0123456789", 10, &n, nullptr));
    EXPECT_EQ(n, 10u);
    DWORD high = 7;
    EXPECT_EQ(GetFileSize(h, &high), 10u);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), 4u);
    char buffer[16] = {};
    ASSERT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
    EXPECT_EQ(std::string(buffer, n), "456789");
    EXPECT_EQ(SetFilePointer(h, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
    ASSERT_TRUE(CloseHandle(h));
    EXPECT_FALSE(CloseHandle(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(ReadFile(h, buffer, 1, &n, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    const struct {
        DWORD disposition;
        const char* path;
        DWORD expectedError;
        bool opens;
    } cases[] = {
        { CREATE_NEW, "C:\\ops\\h.bin", ERROR_FILE_EXISTS, false },
        { CREATE_ALWAYS, "C:\\ops\\h.bin", ERROR_ALREADY_EXISTS, true },
        { OPEN_ALWAYS, "C:\\ops\\fresh.bin", 0, true },
        { OPEN_ALWAYS, "C:\\ops\\fresh.bin", ERROR_ALREADY_EXISTS, true },
        { OPEN_EXISTING, "C:\\ops\\none.bin", ERROR_FILE_NOT_FOUND, false },
        { OPEN_EXISTING, "C:\\ops\\no\\x.bin", ERROR_PATH_NOT_FOUND, false },
        { OPEN_EXISTING, "C:\\ops\\full", ERROR_ACCESS_DENIED, false },
        { 77, "C:\\ops\\h.bin", ERROR_INVALID_PARAMETER, false },
    };
    for (const auto& t : cases) {
        SetLastError(12345);
        h = CreateFile(t.path, GENERIC_WRITE, 0, nullptr, t.disposition, 0, nullptr);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, t.opens) << t.path << " " << t.disposition;
        EXPECT_EQ(GetLastError(), t.expectedError) << t.path << " " << t.disposition;
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    EXPECT_EQ(fs::file_size(c + "/ops/h.bin"), 0u); // CREATE_ALWAYS truncated it
    // Also a handle for reading only.
    std::ofstream(c + "/ops/h.bin") << "refilled";
    h = CreateFile("C:\\ops\\h.bin", GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_EQ(fs::file_size(c + "/ops/h.bin"), 0u);
}
