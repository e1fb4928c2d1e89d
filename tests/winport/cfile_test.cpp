#include <afx.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class CFileTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(winport::driveFolder('C') + "/cfile"); }
    void TearDown() override { fs::remove_all(winport::driveFolder('C') + "/cfile"); }
};

// Runs f and returns the cause of the CFileException it throws (-1 when it throws none).
template <class F> int causeOf(F f)
{
    try {
        f();
    } catch (CFileException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

} // namespace

TEST_F(CFileTest, WriteSeekReadRoundTrip)
{
    CFile file;
    ASSERT_TRUE(file.Open("C:\\cfile\\Report.Final.txt", CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetFilePath(), CString("C:\\cfile\\Report.Final.txt"));
    EXPECT_EQ(file.GetFileName(), CString("Report.Final.txt"));
    EXPECT_EQ(file.GetFileTitle(), CString("Report.Final"));
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    file.SeekToBegin();
    char buffer[32] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 11u);
    EXPECT_STREQ(buffer, "hello world");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.Seek(-5, CFile::end), 6u);
    EXPECT_EQ(causeOf([&] { file.Seek(-100, CFile::current); }), CFileException::badSeek);
    file.SetLength(5);
    EXPECT_EQ(file.SeekToEnd(), 5u);
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    file.Close(); // closing twice is harmless

    // modeNoTruncate keeps the contents; modeCreate alone empties the file.
    ASSERT_TRUE(file.Open("C:\\cfile\\report.final.txt",
        CFile::modeCreate | CFile::modeNoTruncate | CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 5u);
    file.Close();
    CFile again("C:\\cfile\\Report.Final.txt", CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(again.GetLength(), 0u);
}

TEST_F(CFileTest, FailuresReportOrThrowAsMfcDoes)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open("C:\\cfile\\missing.txt", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    char text[128];
    ASSERT_TRUE(error.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, "C:\\cfile\\missing.txt was not found.");
    ASSERT_TRUE(error.GetErrorMessage(text, 8));
    EXPECT_STREQ(text, "C:\\cfil");

    EXPECT_FALSE(file.Open("C:\\nofolder\\x.txt", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open(std::string(300, 'x').c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open("C:\\cfile\\missing.txt", CFile::modeRead)); // no exception object

    EXPECT_EQ(causeOf([] { CFile f("C:\\cfile\\missing.txt", CFile::modeRead); }),
        CFileException::fileNotFound);
    EXPECT_EQ(causeOf([] {
        CFile f("C:\\cfile\\w.txt", CFile::modeCreate | CFile::modeWrite);
        char c;
        f.Read(&c, 1);
    }),
        CFileException::accessDenied);
    EXPECT_EQ(causeOf([] {
        CFile f("C:\\cfile\\w.txt", CFile::modeRead);
        f.Write("x", 1);
    }),
        CFileException::accessDenied);
    EXPECT_EQ(causeOf([] {
        CFile closed;
        char c;
        closed.Read(&c, 1);
    }),
        CFileException::fileNotFound); // an invalid handle, as MFC maps it
    EXPECT_EQ(
        causeOf([] { CFile::Remove("C:\\cfile\\missing.txt"); }), CFileException::fileNotFound);
    EXPECT_EQ(causeOf([] { CFile::Rename("C:\\cfile\\w.txt", "C:\\cfile\\v.txt"); }), -1);
    EXPECT_TRUE(fs::exists(winport::driveFolder('C') + "/cfile/v.txt"));

    CFileException unnamed(CFileException::diskFull);
    unnamed.GetErrorMessage(text, sizeof text);
    EXPECT_STREQ(text, "Disk full while accessing an unnamed file.");
}
