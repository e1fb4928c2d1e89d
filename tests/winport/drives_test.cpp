#include <windows.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Drives : public testing::Test {
protected:
    void SetUp() override { winport::driveFolder('C'); }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove(winport::rivantaRoot() + "/drives/d", ec);
        fs::remove(winport::rivantaRoot() + "/drives/e", ec);
    }
    ScopedCwd cwd;
    ScopedTempDir outside;
};

} // namespace

TEST_F(Drives, CurrentDirectoryInWindowsForm)
{
    const std::string c = winport::driveFolder('C');
    fs::create_directories(c + "/orlamo40/Log");
    ASSERT_TRUE(SetCurrentDirectory("C:\\orlamo40\\log"));
    EXPECT_EQ(fs::current_path(), c + "/orlamo40/Log");
    char buffer[MAX_PATH];
    EXPECT_EQ(GetCurrentDirectory(sizeof buffer, buffer), 15u);
    EXPECT_STREQ(buffer, "C:\\orlamo40\\Log");
    // Too small: the size needed, terminator included, and the buffer untouched.
    char small[4] = "xyz";
    EXPECT_EQ(GetCurrentDirectory(sizeof small, small), 16u);
    EXPECT_STREQ(small, "xyz");

    ASSERT_TRUE(SetCurrentDirectory("..\\.."));
    EXPECT_EQ(GetCurrentDirectory(sizeof buffer, buffer), 3u);
    EXPECT_STREQ(buffer, "C:\\");
    ASSERT_TRUE(SetCurrentDirectory("/usr"));
    GetCurrentDirectory(sizeof buffer, buffer);
    EXPECT_STREQ(buffer, "Z:\\usr");

    char* filePart = nullptr;
    EXPECT_EQ(GetFullPathName("share\\x.txt", sizeof buffer, buffer, &filePart), 18u);
    EXPECT_STREQ(buffer, "Z:\\usr\\share\\x.txt");
    EXPECT_STREQ(filePart, "x.txt");
}

TEST_F(Drives, SetCurrentDirectoryFailures)
{
    const std::string c = winport::driveFolder('C');
    fs::create_directories(c + "/d");
    std::ofstream(c + "/d/file.txt") << "x";
    const struct {
        const char* path;
        DWORD error;
    } cases[] = {
        { "C:\\d\\missing", ERROR_FILE_NOT_FOUND },
        { "C:\\missing\\deeper", ERROR_PATH_NOT_FOUND },
        { "C:\\d\\file.txt", ERROR_DIRECTORY },
        { "1:\\x", ERROR_PATH_NOT_FOUND },
        { nullptr, ERROR_INVALID_PARAMETER },
    };
    for (const auto& t : cases) {
        SetLastError(0);
        EXPECT_FALSE(SetCurrentDirectory(t.path)) << (t.path ? t.path : "NULL");
        EXPECT_EQ(GetLastError(), t.error) << (t.path ? t.path : "NULL");
    }
}

TEST_F(Drives, LogicalDrivesAndTheirTypes)
{
    const DWORD cz = (1u << 2) | (1u << 25);
    EXPECT_EQ(GetLogicalDrives(), cz);
    fs::create_symlink(outside.path(), winport::rivantaRoot() + "/drives/d");
    fs::create_symlink("/dev/shm", winport::rivantaRoot() + "/drives/e");
    EXPECT_EQ(GetLogicalDrives(), cz | (1u << 3) | (1u << 4));
    char strings[32];
    EXPECT_EQ(GetLogicalDriveStrings(sizeof strings, strings), 16u);
    EXPECT_EQ(std::string(strings, 17), std::string("C:\\\0D:\\\0E:\\\0Z:\\\0", 17));

    const struct {
        const char* root;
        UINT type;
    } cases[] = {
        { "C:\\", DRIVE_FIXED },
        { "c:", DRIVE_FIXED },
        { "Z:\\", DRIVE_FIXED },
        { "/", DRIVE_FIXED },
        { "E:\\", DRIVE_RAMDISK }, // tmpfs
        { "Q:\\", DRIVE_NO_ROOT_DIR },
        { "C:\\orlamo40\\", DRIVE_NO_ROOT_DIR },
        { "garbage", DRIVE_NO_ROOT_DIR },
    };
    for (const auto& t : cases)
        EXPECT_EQ(GetDriveType(t.root), t.type) << t.root;
    const UINT d = GetDriveType("D:\\");
    EXPECT_TRUE(d == DRIVE_FIXED || d == DRIVE_RAMDISK || d == DRIVE_REMOVABLE) << d;
    fs::remove(winport::rivantaRoot() + "/drives/e");
    fs::create_symlink("/no/such/target", winport::rivantaRoot() + "/drives/e");
    EXPECT_EQ(GetDriveType("E:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
}

TEST_F(Drives, FreeSpaceOfADriveOrFolder)
{
    ULARGE_INTEGER available {}, total {}, free {};
    ASSERT_TRUE(GetDiskFreeSpaceEx("C:", &available, &total, &free));
    EXPECT_GT(total.QuadPart, 0u);
    EXPECT_LE(available.QuadPart, free.QuadPart);
    EXPECT_LE(free.QuadPart, total.QuadPart);
    ULARGE_INTEGER again {};
    ASSERT_TRUE(GetDiskFreeSpaceEx("C:\\", &again, nullptr, nullptr));
    EXPECT_NEAR(static_cast<double>(again.QuadPart), static_cast<double>(available.QuadPart), 64e6);
    EXPECT_TRUE(GetDiskFreeSpaceEx(nullptr, &again, nullptr, nullptr));
    EXPECT_FALSE(GetDiskFreeSpaceEx("C:\\no\\such\\folder", &again, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}
