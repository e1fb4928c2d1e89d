#include <windows.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

TEST(SplitPath, DriveAndDrivelessPaths)
{
    const struct {
        const char* path;
        const char* drive;
        const char* dir;
        const char* fname;
        const char* ext;
    } cases[] = {
        { "C:\\orlamo40\\Rivanta40.mdb", "C:", "\\orlamo40\\", "Rivanta40", ".mdb" },
        { "\\\\orlamo40\\\\Rivanta40.mdb", "", "\\\\orlamo40\\\\", "Rivanta40", ".mdb" },
        { "c:file.txt", "c:", "", "file", ".txt" },
        { "C:\\", "C:", "\\", "", "" },
        { "dir.d/sub/name", "", "dir.d/sub/", "name", "" },
        { "/home/u/a.tar.gz", "", "/home/u/", "a.tar", ".gz" },
        { ".profile", "", "", "", ".profile" },
        { "name.", "", "", "name", "." },
        { "", "", "", "", "" },
    };
    for (const auto& t : cases) {
        char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
        _splitpath(t.path, drive, dir, fname, ext);
        EXPECT_STREQ(drive, t.drive) << t.path;
        EXPECT_STREQ(dir, t.dir) << t.path;
        EXPECT_STREQ(fname, t.fname) << t.path;
        EXPECT_STREQ(ext, t.ext) << t.path;
        EXPECT_EQ(_splitpath_s(t.path, drive, sizeof drive, dir, sizeof dir, fname, sizeof fname,
                      ext, sizeof ext),
            0);
        EXPECT_STREQ(fname, t.fname) << t.path;
    }
    char only[_MAX_FNAME];
    _splitpath("C:\\a\\b.c", nullptr, nullptr, only, nullptr);
    EXPECT_STREQ(only, "b");
}

TEST(SplitPath, OverlongPartsAreCutOrRefused)
{
    const std::string longDir = "C:\\" + std::string(300, 'd') + "\\f.x";
    char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(longDir.c_str(), drive, dir, fname, ext);
    EXPECT_EQ(std::string(dir).size(), static_cast<size_t>(_MAX_DIR - 1));
    EXPECT_STREQ(fname, "f");
    EXPECT_EQ(_splitpath_s(longDir.c_str(), drive, sizeof drive, dir, sizeof dir, fname,
                  sizeof fname, ext, sizeof ext),
        ERANGE);
    EXPECT_STREQ(drive, "");
    EXPECT_STREQ(fname, "");
    EXPECT_EQ(_splitpath_s(nullptr, drive, sizeof drive, dir, sizeof dir, fname, sizeof fname, ext,
                  sizeof ext),
        EINVAL);
    EXPECT_EQ(_splitpath_s("a", nullptr, 3, dir, sizeof dir, fname, sizeof fname, ext, sizeof ext),
        EINVAL);
}

TEST(SplitPath, MakePathJoinsTheParts)
{
    char path[_MAX_PATH];
    _makepath(path, "C:", "\\orlamo40", "Rivanta40", "mdb");
    EXPECT_STREQ(path, "C:\\orlamo40\\Rivanta40.mdb");
    _makepath(path, "d", "log\\", "x", ".bak");
    EXPECT_STREQ(path, "d:log\\x.bak");
    _makepath(path, nullptr, nullptr, "name", nullptr);
    EXPECT_STREQ(path, "name");
    char small[8];
    EXPECT_EQ(_makepath_s(small, sizeof small, "C:", "\\dir\\", "file", "txt"), ERANGE);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(_makepath_s(small, sizeof small, "C:", "\\", "f", "t"), 0);
    EXPECT_STREQ(small, "C:\\f.t");
}
