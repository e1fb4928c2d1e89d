#include <gtest/gtest.h>
#include <tessilo40.h>
#include <winport/paths.h>

#include "scopedcwd.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
// The built-in templates, written out independently of the library's table.
const char* const expectedTemplates[] = {
    "DSN=Rivanta 4.0;DBQ=\\\\Orlamo40\\\\Rivanta40.mdb;DriverId=25;FIL=MS "
    "Access;MaxBufferSize=2048;"
    "PageTimeout=5;",
    "DSN=Rivanta "
    "4.0;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;DefaultDir=\\\\orlamo40;Driver={"
    "Microsoft Access "
    "Driver (*.mdb)};DriverId=25;FIL=MS "
    "Access;FILEDSN=\\\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;"
    "PageTimeout=5;",
    "DSN=Rivanta "
    "4.0;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;DefaultDir=\\\\orlamo40;Driver={"
    "Driver do Microsoft "
    "Access (*.mdb)};DriverId=25;FIL=MS "
    "Access;FILEDSN=\\\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;"
    "PageTimeout=5;",
    "ODBC;DSN=Rivanta "
    "4.0;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;DefaultDir=\\\\orlamo40;Driver={"
    "Microsoft "
    "Access Driver (*.mdb)};DriverId=25;FIL=MS "
    "Access;FILEDSN=\\\\orlamo40\\Rivanta40.mdb.dsn;"
    "MaxBufferSize=2048;PageTimeout=5;",
    "ODBC;DSN=Rivanta "
    "4.0;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;DefaultDir=\\\\orlamo40;Driver={"
    "Driver do "
    "Microsoft Access (*.mdb)};DriverId=25;FIL=MS "
    "Access;FILEDSN=\\\\orlamo40\\Rivanta40.mdb.dsn;"
    "MaxBufferSize=2048;PageTimeout=5;",
    "ODBC;DSN=Rivanta 4.0;DBQ=\\\\Orlamo40\\\\Rivanta40.mdb;DriverId=25;FIL=MS "
    "Access;MaxBufferSize=2048;"
    "PageTimeout=5;",
};

// Every test works on drive C: with the current directory C:\work, which holds
// no template file unless the test writes one.
class ConnectStr : public testing::Test {
protected:
    void SetUp() override
    {
        c = winport::driveFolder('C');
        fs::create_directories(c + "/work");
        ASSERT_TRUE(SetCurrentDirectoryA("C:\\work"));
        for (const char* key : { "ConnectStr", "ConnectStrInstalled", "ConnectStrType" })
            WriteProfileStringA("tessilo40", key, nullptr);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(c + "/work", ec);
        fs::remove_all(c + "/orlamo", ec);
        fs::remove_all(c + "/orlamo40", ec);
    }
    void createFile(const std::string& nativePath, const std::string& text = "")
    {
        fs::create_directories(fs::path(nativePath).parent_path());
        std::ofstream(nativePath, std::ios::binary) << text;
    }
    void set(const char* key, const char* value)
    {
        ASSERT_TRUE(TessiloApp.writeProfileString(key, value));
    }

    ScopedCwd cwd;
    std::string c;
};
} // namespace

TEST_F(ConnectStr, BuiltInTemplatesCharacterForCharacter)
{
    for (int n = 0; n <= 5; ++n) {
        EXPECT_EQ(TessiloApp.GetConnectStrTemplate(n), expectedTemplates[n]) << "template " << n;
        EXPECT_STREQ(CTessiloApp::ConnectBuiltInTemplate(n), expectedTemplates[n]);
    }
    for (int n : { -1, 6, 7, 9, 1000 })
        EXPECT_EQ(TessiloApp.GetConnectStrTemplate(n), expectedTemplates[1]) << "template " << n;
}

TEST_F(ConnectStr, StoredStringNamingAnExistingDatabaseIsReturnedUnchanged)
{
    createFile(c + "/orlamo40/Rivanta40.mdb");
    const char* stored = "ODBC;DSN=Rivanta 4.0;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;Anything=else;;x";
    set("ConnectStr", stored);
    set("ConnectStrInstalled", "DBQ=C:\\elsewhere\\Rivanta40.mdb;");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), stored);
    const ConnectStrChoice why = TessiloApp.ConnectExplainConnectStr();
    EXPECT_EQ(why.source, ConnectStrChoice::sourceStored);
    EXPECT_EQ(why.storedProblem, "");
}

TEST_F(ConnectStr, OnlyTheStandardFileNameCounts)
{
    createFile(c + "/data/Other.mdb");
    set("ConnectStr", "DBQ=C:\\data\\Other.mdb;");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), "");
    // The name must come after "DBQ=" (the parsing itself: ConnectDatabaseFile below).
    createFile(c + "/orlamo40/Rivanta40.mdb");
    set("ConnectStr", "DSN=Rivanta 4.0;FIL=C:\\orlamo40\\Rivanta40.mdb;");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), "");
    EXPECT_NE(TessiloApp.ConnectExplainConnectStr().storedProblem.Find("DBQ="), -1);
}

TEST(ConnectDatabaseFile, FromAfterDbqUpToTheStandardFileName)
{
    EXPECT_EQ(CTessiloApp::ConnectDatabaseFile("DSN=x;DBQ=C:\\o\\Rivanta40.mdb;FIL=MS Access;"),
        "C:\\o\\Rivanta40.mdb");
    EXPECT_EQ(CTessiloApp::ConnectDatabaseFile("Rivanta40.mdb;DBQ=C:\\o\\Rivanta40.mdb;"),
        "C:\\o\\Rivanta40.mdb");
    EXPECT_EQ(CTessiloApp::ConnectDatabaseFile("Rivanta40.mdb;DBQ=C:\\o\\Other.mdb;"), "");
    EXPECT_EQ(CTessiloApp::ConnectDatabaseFile("DSN=Rivanta 4.0;"), "");
    EXPECT_EQ(CTessiloApp::ConnectDatabaseFile(""), "");
}

TEST_F(ConnectStr, MissingDatabaseFallsBackToTheInstalledString)
{
    set("ConnectStr", "DBQ=C:\\gone\\Rivanta40.mdb;");
    set("ConnectStrInstalled", "DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), "");
    ConnectStrChoice why = TessiloApp.ConnectExplainConnectStr();
    EXPECT_EQ(why.source, ConnectStrChoice::sourceNone);
    EXPECT_NE(why.storedProblem.Find("does not exist"), -1);
    EXPECT_NE(why.installedProblem.Find("does not exist"), -1);

    createFile(c + "/orlamo40/Rivanta40.mdb");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(),
        "DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;");
    EXPECT_EQ(TessiloApp.ConnectExplainConnectStr().source, ConnectStrChoice::sourceInstalled);

    // A folder of that name is no database file.
    set("ConnectStr", "DBQ=C:\\orlamo40;");
    fs::create_directories(c + "/dir/Rivanta40.mdb");
    set("ConnectStrInstalled", "DBQ=C:\\dir\\Rivanta40.mdb;");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), "");
}

TEST_F(ConnectStr, EmptyStoredStringGivesEmptyResult)
{
    createFile(c + "/orlamo40/Rivanta40.mdb");
    set("ConnectStr", "");
    EXPECT_EQ(TessiloApp.ConnectGetConnectStr(), "");
}

TEST_F(ConnectStr, TemplateFileLinesNeedALineFeed)
{
    createFile(c + "/work/mfcConnectStrings.txt",
        "1 = first one\r\n"
        "\r\n"
        "\n"
        "x = not a digit counts as zero\n"
        "1 = second one wins nothing\n"
        "7 = seven\n"
        "3\n"
        "2 = last line without a line feed");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(1), "first one");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(0), "not a digit counts as zero")
        << "blank lines are no templates";
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(7), "seven");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(3),
        ""); // a line too short for a template
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(2), expectedTemplates[2]);
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(5), expectedTemplates[5]);
    const ConnectStrTemplate found = TessiloApp.ConnectFindTemplate(7);
    EXPECT_EQ(found.file.str(), c + "/work/mfcConnectStrings.txt");
    EXPECT_EQ(TessiloApp.ConnectFindTemplate(5).file, "");
}

TEST_F(ConnectStr, TemplateFileInTheOrlamoFolderOfTheCurrentDrive)
{
    createFile(c + "/orlamo/mfcConnectStrings.txt", "4 = from orlamo\n");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(4), "from orlamo");
    EXPECT_EQ(TessiloApp.ConnectFindTemplate(4).file.str(), c + "/orlamo/mfcConnectStrings.txt");
    // The current directory's file comes first, even when it lacks the number.
    createFile(c + "/work/mfcConnectStrings.txt", "4 = from work\n");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(4), "from work");
    createFile(c + "/work/mfcConnectStrings.txt", "5 = five\n");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(4), expectedTemplates[4]);
    // A folder of that name cannot be opened as a file: the \orlamo\ file answers.
    fs::remove(c + "/work/mfcConnectStrings.txt");
    fs::create_directories(c + "/work/mfcConnectStrings.txt");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(4), "from orlamo");
    // The lookup leaves the current directory where it was.
    char now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(now, "C:\\work");
}

TEST_F(ConnectStr, TemplateTypeComesFromTheProfile)
{
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(),
        expectedTemplates[0]); // absent: number 0
    EXPECT_EQ(CTessiloApp::ConnectCurrentTemplateNumber(), 0);
    set("ConnectStrType", "3");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(), expectedTemplates[3]);
    EXPECT_EQ(CTessiloApp::ConnectCurrentTemplateNumber(), 3);
    set("ConnectStrType", "7");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(), expectedTemplates[1]);
    EXPECT_EQ(CTessiloApp::ConnectCurrentTemplateNumber(), 7);
    set("ConnectStrType", "");
    EXPECT_EQ(TessiloApp.GetConnectStrTemplate(), "");
    EXPECT_EQ(CTessiloApp::ConnectCurrentTemplateNumber(), 7); // unchanged
}

TEST_F(ConnectStr, RewriteOfTemplateZeroAppendsBothEntries)
{
    set("ConnectStrType", "0");
    EXPECT_EQ(TessiloApp.GetODBCConnectStr("C:\\data\\My.mdb", "C:\\ignored"),
        "DSN=Rivanta 4.0;DBQ=C:\\data\\My.mdb;DriverId=25;FIL=MS "
        "Access;MaxBufferSize=2048;PageTimeout=5;"
        "FILEDSN=data\\My.mdb;Defaultdir=C:\\data\\;");
    // Without a drive the file data source is empty; a path that cannot be split
    // uses the default directory.
    EXPECT_EQ(TessiloApp.GetODBCConnectStr("\\data\\My.mdb", "D:\\x"),
        "DSN=Rivanta 4.0;DBQ=\\data\\My.mdb;DriverId=25;FIL=MS "
        "Access;MaxBufferSize=2048;PageTimeout=5;"
        "FILEDSN=;Defaultdir=\\data\\;");
    const std::string tooLong = "C:\\" + std::string(260, 'p') + "\\My.mdb";
    const CString rewritten = TessiloApp.GetODBCConnectStr(tooLong.c_str(), "C:\\fallback");
    EXPECT_EQ(rewritten.Right(std::strlen("Defaultdir=C:\\fallback;")), "Defaultdir=C:\\fallback;");
}

TEST_F(ConnectStr, RewriteReplacesEveryOccurrenceOfTheOldValues)
{
    set("ConnectStrType", "1");
    EXPECT_EQ(TessiloApp.GetODBCConnectStr("C:\\data\\My.mdb", "C:\\data"),
        "DSN=Rivanta "
        "4.0;DBQ=C:\\data\\My.mdb;DefaultDir=C:\\data;Driver={Microsoft Access "
        "Driver (*.mdb)};"
        "DriverId=25;FIL=MS "
        "Access;FILEDSN=C:\\data\\My.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;");
    createFile(c + "/work/mfcConnectStrings.txt",
        "8 = DBQ=old.mdb;Note=old.mdb;DefaultDir=C:\\db;Copy=C:\\db;\n");
    set("ConnectStrType", "8");
    EXPECT_EQ(TessiloApp.GetODBCConnectStr("E:\\new.mdb", "E:\\"),
        "DBQ=E:\\new.mdb;Note=E:\\new.mdb;DefaultDir=E:\\;Copy=E:\\;"
        "FILEDSN=new.mdb;");
    set("ConnectStrType", "");
    EXPECT_EQ(TessiloApp.GetODBCConnectStr("E:\\new.mdb", "E:\\"), "");
}

TEST_F(ConnectStr, SplitPathChecksPointersAndLengths)
{
    char drive[3] = "?", dir[256] = "?", name[256] = "?", ext[256] = "?";
    ASSERT_TRUE(
        TessiloApp.GetODBCConnectSplitPath("C:\\orlamo40\\Rivanta40.mdb", drive, dir, name, ext));
    EXPECT_STREQ(drive, "C:");
    EXPECT_STREQ(dir, "\\orlamo40\\");
    EXPECT_STREQ(name, "Rivanta40");
    EXPECT_STREQ(ext, ".mdb");
    ASSERT_TRUE(TessiloApp.GetODBCConnectSplitPath("plain", drive, dir, name, ext));
    EXPECT_STREQ(drive, "");
    EXPECT_STREQ(dir, "");
    EXPECT_STREQ(name, "plain");

    char untouched[3] = "?";
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath(nullptr, untouched, dir, name, ext));
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath("C:\\x", untouched, nullptr, name, ext));
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath("C:\\x", untouched, dir, nullptr, ext));
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath("C:\\x", untouched, dir, name, nullptr));
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath("C:\\x", nullptr, dir, name, ext));
    const std::string longest = "C:\\" + std::string(252, 'd') + "\\n.e"; // 259 characters
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_TRUE(TessiloApp.GetODBCConnectSplitPath(longest.c_str(), drive, dir, name, ext));
    const std::string tooLong = longest + "x";
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath(tooLong.c_str(), untouched, dir, name, ext));
    const std::string longDir = "\\" + std::string(256, 'd') + "\\n"; // directory of 258 characters
    EXPECT_FALSE(TessiloApp.GetODBCConnectSplitPath(longDir.c_str(), untouched, dir, name, ext));
    EXPECT_STREQ(untouched, "?");
}
