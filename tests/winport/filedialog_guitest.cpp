// The open and save dialogs answered by script: the path comes back in Windows form with its name
// and extension offsets, the existence checks hold, and the current directory follows the choice.
#include "wintest.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>
#include <winport/paths.h>

#include <cstring>
#include <fstream>

using winport::testing::ScriptFileDialog;

namespace {
class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        winport::testing::ClearScripts();
        ASSERT_TRUE(CreateDirectory("C:\\data", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        std::ofstream(winport::toNativePath("C:\\data\\net.txt")) << "net";
        ASSERT_TRUE(SetCurrentDirectory("C:\\"));
    }
    void TearDown() override { EXPECT_EQ(winport::testing::UnusedScripts(), 0); }

    OPENFILENAMEA request(DWORD flags)
    {
        OPENFILENAMEA ofn {};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.Flags = flags;
        return ofn;
    }
    std::string currentDirectory() const
    {
        char cwd[MAX_PATH] = {};
        GetCurrentDirectory(sizeof cwd, cwd);
        return cwd;
    }

    char file[MAX_PATH] = {};
};

TEST_F(FileDialogs, OpenGivesTheWindowsPathWithItsOffsetsAndMovesTheCurrentDirectory)
{
    ScriptFileDialog(winport::toNativePath("C:\\data\\net.txt")); // a native answer
    char title[16] = {};
    OPENFILENAMEA ofn = request(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR);
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ASSERT_TRUE(GetOpenFileName(&ofn));
    EXPECT_STREQ(file, "C:\\data\\net.txt");
    EXPECT_EQ(ofn.nFileOffset, 8);
    EXPECT_EQ(ofn.nFileExtension, 12);
    EXPECT_STREQ(title, "net.txt");
    EXPECT_EQ(currentDirectory(), "C:\\data"); // the open dialog ignores OFN_NOCHANGEDIR
}

TEST_F(FileDialogs, SaveAddsTheDefaultExtensionAndKeepsTheDirectoryWhenAsked)
{
    struct Case {
        const char* answer;
        const char* path;
        WORD extension;
    } cases[] = { { "C:\\data\\report", "C:\\data\\report.rtf", 15 },
        { "data\\report.txt", "C:\\data\\report.txt", 15 }, // relative to the current directory
        { "C:\\data\\report.", "C:\\data\\report.", 0 } };
    for (const Case& c : cases) {
        ScriptFileDialog(c.answer);
        OPENFILENAMEA ofn = request(OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR);
        ofn.lpstrDefExt = "rtf";
        ASSERT_TRUE(GetSaveFileName(&ofn)) << c.answer;
        EXPECT_STREQ(file, c.path);
        EXPECT_EQ(ofn.nFileExtension, c.extension) << c.answer;
        EXPECT_EQ(currentDirectory(), "C:\\");
    }
}

TEST_F(FileDialogs, AnswersTheRealDialogWouldRefuseFailTheTest)
{
    std::vector<std::string> failures = wintest::captureScriptFailures([&] {
        ScriptFileDialog("C:\\data\\missing.txt");
        OPENFILENAMEA open = request(OFN_FILEMUSTEXIST);
        EXPECT_FALSE(GetOpenFileName(&open));
        ScriptFileDialog("C:\\nowhere\\new.txt");
        OPENFILENAMEA save = request(OFN_PATHMUSTEXIST);
        EXPECT_FALSE(GetSaveFileName(&save));
        OPENFILENAMEA unscripted = request(0);
        EXPECT_FALSE(GetSaveFileName(&unscripted));
    });
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("does not exist: C:\\data\\missing.txt"), std::string::npos);
    EXPECT_NE(failures[1].find("C:\\nowhere\\"), std::string::npos);
    EXPECT_NE(failures[2].find("unscripted file dialog"), std::string::npos);
    EXPECT_EQ(currentDirectory(), "C:\\");
}

TEST_F(FileDialogs, CancelSmallBuffersAndBadRequestsAreReported)
{
    winport::testing::ScriptFileDialogCancel();
    OPENFILENAMEA ofn = request(0);
    EXPECT_FALSE(GetOpenFileName(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);

    ScriptFileDialog("C:\\data\\net.txt");
    ofn.nMaxFile = 8;
    EXPECT_FALSE(GetOpenFileName(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
    WORD needed;
    std::memcpy(&needed, file, sizeof needed);
    EXPECT_EQ(needed, 16); // the path and its terminating NUL

    ofn.lStructSize = 12;
    EXPECT_FALSE(GetSaveFileName(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

TEST_F(FileDialogs, CFileDialogTakesMfcFiltersAndSplitsTheChosenName)
{
    CFileDialog dialog(
        TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    const char expected[] = "Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(std::memcmp(dialog.m_ofn.lpstrFilter, expected, sizeof expected), 0);
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 1u);
    ScriptFileDialog("C:\\data\\net.txt");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "C:\\data\\net.txt");
    EXPECT_EQ(dialog.GetFileName(), "net.txt");
    EXPECT_EQ(dialog.GetFileExt(), "txt");
    EXPECT_EQ(dialog.GetFileTitle(), "net");

    CFileDialog save(FALSE, nullptr, "draft.txt");
    EXPECT_STREQ(save.m_ofn.lpstrFile, "draft.txt"); // the initial name
    winport::testing::ScriptFileDialogCancel();
    EXPECT_EQ(save.DoModal(), IDCANCEL);
}
}
