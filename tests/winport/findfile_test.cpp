#include <afx.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FindFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder = winport::driveFolder('C') + "/find";
        fs::remove_all(folder);
        fs::create_directories(folder + "/sub");
        for (const char* name : { "a.txt", "B.TXT", "c.log", "noext", ".hidden" })
            std::ofstream(folder + "/" + name) << name;
    }
    void TearDown() override { fs::remove_all(folder); }

    // Every name FindFirstFile/FindNextFile give for the pattern, joined by spaces; the error when
    // nothing matches.
    static std::string names(const char* pattern)
    {
        WIN32_FIND_DATA data;
        HANDLE find = FindFirstFile(pattern, &data);
        if (find == INVALID_HANDLE_VALUE)
            return "error " + std::to_string(GetLastError());
        std::string out = data.cFileName;
        while (FindNextFile(find, &data))
            out += std::string(" ") + data.cFileName;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        EXPECT_TRUE(FindClose(find));
        return out;
    }

    ScopedCwd cwd;
    std::string folder;
};

} // namespace

TEST_F(FindFile, PatternsFollowWindowsMatching)
{
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        { "C:\\find\\*.*", ". .. .hidden a.txt B.TXT c.log noext sub" },
        { "C:\\find\\*.txt", "a.txt B.TXT" },
        { "c:/FIND/*.", ". .. noext sub" },
        { "C:\\find\\?.log", "c.log" },
        { "C:\\find\\b.txt", "B.TXT" },
        { "C:\\find\\sub", "sub" },
        { "C:\\find\\missing.*", "error 2" },
        { "C:\\nofolder\\*.*", "error 3" },
        { "C:\\find\\", "error 2" },
    };
    for (const auto& t : cases)
        EXPECT_EQ(names(t.pattern), t.expected) << t.pattern;
    EXPECT_EQ(names((folder + "/*.log").c_str()), "c.log");
    EXPECT_EQ(names("C:\\*.*").find(". .."), std::string::npos); // a drive's root has no dots
    ASSERT_TRUE(SetCurrentDirectory("C:\\find\\sub"));
    EXPECT_EQ(names("..\\*.log"), "c.log");
    EXPECT_EQ(names("*"), ". ..");
}

TEST_F(FindFile, FindDataDescribesTheEntry)
{
    static_assert(sizeof(WIN32_FIND_DATA) == 320, "Windows layout");
    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile("C:\\find\\c.log", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    // Last write time: 100 ns ticks since 1601, so after 2020 and not in the future.
    const ULONGLONG ticks = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32)
        | data.ftLastWriteTime.dwLowDateTime;
    EXPECT_GT(ticks, 132223104000000000ULL);
    EXPECT_LT(
        (ticks - 116444736000000000ULL) / 10000000ULL, static_cast<ULONGLONG>(time(nullptr)) + 5);
    FindClose(find);
    EXPECT_FALSE(FindClose(find));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    find = FindFirstFile("C:\\find\\.hidden", &data);
    EXPECT_EQ(
        data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN));
    FindClose(find);
    fs::permissions(folder + "/a.txt", fs::perms::owner_write, fs::perm_options::remove);
    find = FindFirstFile("C:\\find\\sub", &data);
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    FindClose(find);
    find = FindFirstFile("C:\\find\\a.txt", &data);
    EXPECT_EQ(data.dwFileAttributes,
        static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    FindClose(find);
}

TEST_F(FindFile, CFileFindWalksMatchesLikeMfc)
{
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile("C:\\find\\*.*"));
    EXPECT_EQ(finder.GetRoot(), CString("C:\\find"));
    std::vector<std::string> files;
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        if (finder.IsDirectory()) {
            EXPECT_EQ(finder.GetFilePath(), CString("C:\\find\\sub"));
            continue;
        }
        files.push_back(finder.GetFileName().GetString());
        if (finder.GetFileName() == "c.log") {
            EXPECT_EQ(finder.GetFileTitle(), CString("c"));
            EXPECT_EQ(finder.GetLength(), 5u);
            EXPECT_EQ(finder.GetFileURL(), CString("file://C:\\find\\c.log"));
            CTime written;
            ASSERT_TRUE(finder.GetLastWriteTime(written));
            struct stat st;
            ASSERT_EQ(stat((folder + "/c.log").c_str(), &st), 0);
            EXPECT_EQ(written.GetTime(), st.st_mtime);
        }
    }
    EXPECT_EQ(files, (std::vector<std::string> { ".hidden", "a.txt", "B.TXT", "c.log", "noext" }));
    EXPECT_FALSE(finder.FindNextFile());

    ASSERT_TRUE(SetCurrentDirectory("C:\\find"));
    ASSERT_TRUE(finder.FindFile());
    EXPECT_EQ(finder.GetRoot(), CString("C:\\find"));
    EXPECT_FALSE(finder.FindFile("C:\\find\\*.none"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(finder.GetFileName(), CString());
    EXPECT_FALSE(finder.FindNextFile());

    // In a drive's root the path has one separator.
    ASSERT_TRUE(finder.FindFile("C:\\find*"));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetRoot(), CString("C:"));
    EXPECT_EQ(finder.GetFilePath(), CString("C:\\find"));
}
