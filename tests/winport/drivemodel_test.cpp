#include <winport/paths.h>
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using winport::toNativePath;
using winport::toWindowsPath;

namespace {

class DriveModel : public testing::Test {
protected:
    void SetUp() override
    {
        root = winport::rivantaRoot();
        c = winport::driveFolder('C');
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove(root + "/drives/d", ec);
    }
    // Makes drive D: a link to a fresh native folder.
    void linkDriveD() { fs::create_symlink(outside.path(), root + "/drives/d"); }

    ScopedCwd cwd;
    ScopedTempDir outside;
    std::string root;
    std::string c;
};

} // namespace

TEST_F(DriveModel, RootFollowsEnvironmentAndDriveCIsCreatedOnDemand)
{
    EXPECT_EQ(root, getenv("RIVANTA_ROOT"));
    EXPECT_EQ(c, root + "/drives/c");
    EXPECT_TRUE(fs::is_directory(c));
    EXPECT_EQ(winport::driveFolder('z'), "/");
    EXPECT_EQ(winport::driveFolder('3'), "");
    const uint32_t both = (1u << 2) | (1u << 25);
    EXPECT_EQ(winport::presentDrives(), both);
    linkDriveD();
    EXPECT_EQ(winport::presentDrives(), both | (1u << 3));
}

TEST_F(DriveModel, WindowsPathsMapToDriveFolders)
{
    linkDriveD();
    const struct {
        const char* win;
        std::string native;
    } cases[] = {
        { "C:\\orlamo40\\Log\\Log.log", c + "/orlamo40/Log/Log.log" },
        { "c:/orlamo40/x.txt", c + "/orlamo40/x.txt" },
        { "C:\\\\orlamo40\\\\Rivanta40.mdb", c + "/orlamo40/Rivanta40.mdb" },
        { "C:\\", c },
        { "C:\\a\\.\\b\\..\\..\\..\\x", c + "/x" },
        { "Z:\\usr\\bin", "/usr/bin" },
        { "Z:\\", "/" },
        { "/usr/./lib/../bin/", "/usr/bin" },
        { "//usr//bin", "/usr/bin" },
        { "D:\\data\\f.txt", root + "/drives/d/data/f.txt" },
        { "Q:\\nowhere", root + "/drives/q/nowhere" },
    };
    for (const auto& t : cases)
        EXPECT_EQ(toNativePath(t.win), t.native) << t.win;
}

TEST_F(DriveModel, MalformedPathsMapToNothing)
{
    EXPECT_EQ(toNativePath(nullptr), "");
    EXPECT_EQ(toNativePath(""), "");
    EXPECT_EQ(toNativePath("1:\\x"), "");
    EXPECT_EQ(toNativePath("\xe9:\\x"), "");
    EXPECT_EQ(toWindowsPath(""), "");
    EXPECT_EQ(winport::fullWindowsPath(nullptr), "");
}

TEST_F(DriveModel, RoundTripsInBothDirections)
{
    linkDriveD();
    for (const char* win : { "C:\\orlamo40\\Rivanta40.mdb", "C:\\", "Z:\\usr\\share", "Z:\\",
             "D:\\a\\b c\\d.e", "D:\\" })
        EXPECT_EQ(toWindowsPath(toNativePath(win)), win) << win;
    for (const std::string& native :
        { std::string("/usr/share"), std::string("/"), c + "/orlamo40/x", root + "/drives/d/y" })
        EXPECT_EQ(toNativePath(toWindowsPath(native).c_str()), native) << native;
    // A path inside a linked drive's target belongs to that drive too.
    EXPECT_EQ(toWindowsPath(outside.path() + "/y"), "D:\\y");
    EXPECT_EQ(toWindowsPath(c + "/orlamo40/../x"), "C:\\x");
}

TEST_F(DriveModel, RootedPathsLieOnTheCurrentDrive)
{
    linkDriveD();
    ASSERT_EQ(chdir("/tmp"), 0);
    EXPECT_EQ(winport::currentDrive(), 'C');
    EXPECT_EQ(winport::fullWindowsPath("\\orlamo40\\mfcConnectStrings.txt"),
        "C:\\orlamo40\\mfcConnectStrings.txt");
    EXPECT_EQ(toNativePath("\\orlamo40"), c + "/orlamo40");

    fs::create_directories(outside.path() + "/sub");
    ASSERT_EQ(chdir((outside.path() + "/sub").c_str()), 0);
    EXPECT_EQ(winport::currentDrive(), 'D');
    EXPECT_EQ(toNativePath("\\orlamo40"), root + "/drives/d/orlamo40");

    fs::create_directories(c + "/work");
    ASSERT_EQ(chdir((c + "/work").c_str()), 0);
    EXPECT_EQ(winport::currentDrive(), 'C');
    EXPECT_EQ(winport::fullWindowsPath("\\\\x"), "C:\\x");
}

TEST_F(DriveModel, RelativePathsFollowTheCurrentDirectory)
{
    linkDriveD();
    fs::create_directories(c + "/work/deep");
    ASSERT_EQ(chdir((c + "/work/deep").c_str()), 0);
    const struct {
        const char* in;
        const char* full;
    } cases[] = {
        { "a\\b.txt", "C:\\work\\deep\\a\\b.txt" },
        { "..\\x", "C:\\work\\x" },
        { "..\\..\\..\\..\\x", "C:\\x" },
        { ".", "C:\\work\\deep" },
        { "C:rel", "C:\\work\\deep\\rel" },
        { "D:rel", "D:\\rel" },
        { "Z:rel", "Z:\\rel" },
    };
    for (const auto& t : cases)
        EXPECT_EQ(winport::fullWindowsPath(t.in), t.full) << t.in;
    EXPECT_EQ(toNativePath("a\\b.txt"), c + "/work/deep/a/b.txt");
    EXPECT_EQ(toWindowsPath("rel/x"), "C:\\work\\deep\\rel\\x");

    ASSERT_EQ(chdir("/usr"), 0);
    EXPECT_EQ(winport::fullWindowsPath("share"), "Z:\\usr\\share");
    EXPECT_EQ(winport::fullWindowsPath("Z:share"), "Z:\\usr\\share");
}

TEST_F(DriveModel, WindowsPathsMatchExistingNamesIgnoringCase)
{
    fs::create_directories(c + "/orlamo40");
    std::ofstream(c + "/orlamo40/Rivanta40.mdb") << "x";
    EXPECT_EQ(toNativePath("\\Orlamo40\\RIVANTA40.MDB"), c + "/orlamo40/Rivanta40.mdb");
    EXPECT_EQ(toNativePath("C:\\ORLAMO40\\New\\File.txt"), c + "/orlamo40/New/File.txt");
    // Native paths are taken as written.
    EXPECT_EQ(toNativePath((c + "/ORLAMO40").c_str()), c + "/ORLAMO40");
}
