// FTP log records: appending, outcome texts, the date form, reading back.
#include "ftptest.h"

#include <filesystem>
#include <sys/stat.h>

using namespace ftptest;

namespace {
_DlgFtpLogItem Record(const char* action, const char* source)
{
    _DlgFtpLogItem record;
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.action, action);
    record.item = Item("h", DLGFTPITEM_FILE, source, DLGFTPITEM_FILE, "/d/f");
    dlgftplogSetStatus(&record, "Transfer OK");
    return record;
}
}

TEST(DlgFtpLogItem, OutcomeTexts)
{
    struct Case {
        int result;
        const char* error;
        const char* status;
    } cases[] = {
        { 1, "", "Transfer OK" },
        { 0, "", "Transfer Aborted" },
        { 0, "\n\nCannot open/create /x\n", " : Transfer Anomaly\n\n\nCannot open/create /x\n" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(dlgftplogOutcome(c.result, c.error), c.status) << c.result << c.error;
    CString longError(std::string(400, 'e').c_str());
    CString cut = dlgftplogOutcome(0, longError);
    EXPECT_EQ(cut.GetLength(), 255);
    EXPECT_EQ(cut.Left(20), " : Transfer Anomaly\n");
}

TEST(DlgFtpLogItem, DatesAreUtcWhateverTheTimeZone)
{
    SYSTEMTIME when {};
    when.wYear = 2024;
    when.wMonth = 3;
    when.wDay = 7;
    when.wHour = 9;
    when.wMinute = 5;
    when.wSecond = 3;
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&when, &time));
    const char* old = getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "America/Denver", 1);
    tzset();
    EXPECT_EQ(dlgftplogFormatTime(time), "03/07/2024 09:05:03");
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(DlgFtpLogItem, AppendedRecordsFollowEachOtherInAnOwnerOnlyFile)
{
    ScopedTempDir dir;
    std::string log = dir.path() + "/NetvaneFtpLog.flg";
    _DlgFtpLogItem first = Record("Put", "/a");
    _DlgFtpLogItem second = Record("Get", "/b");
    EXPECT_EQ(dlgftplogAppend("", &first), 0);
    EXPECT_EQ(dlgftplogAppend(log.c_str(), nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(log));
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    ASSERT_EQ(dlgftplogAppend(log.c_str(), &first), 1);
    ASSERT_EQ(dlgftplogAppend(log.c_str(), &second), 1);
    EXPECT_EQ(std::filesystem::file_size(log), 3240u);
    struct stat info { };
    ASSERT_EQ(stat(log.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the log holds passwords in clear";

    std::string bytes = Slurp(log);
    EXPECT_EQ(bytes.substr(1612, 8), std::string("\r\n\r\n\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(1620, 3), "Get") << "the second record starts at 1620";
    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(dlgftplogIsRecord(records[0]));
    EXPECT_GE(CompareFileTime(&records[0].time, &before), 0);
    EXPECT_STREQ(records[1].item.source.path, "/b");

    // A trailing partial record is not read; a foreign record is told apart.
    Spit(log, bytes + std::string(100, 'z'));
    EXPECT_EQ(Records(log).size(), 2u);
    records[1].endMark[0] = 'x';
    EXPECT_FALSE(dlgftplogIsRecord(records[1]));
    EXPECT_EQ(dlgftplogRead((dir.path() + "/none.flg").c_str(), records), 0);
}

TEST(DlgFtpLogItem, ListFilesAreCreatedOwnerOnly)
{
    ScopedTempDir dir;
    std::string list = dir.path() + "/list.tlp";
    _DlgFtpItemTransfer item = Item("h", DLGFTPITEM_FILE, "/a", DLGFTPITEM_FILE, "/b");
    ASSERT_EQ(dlgftpitemWriteList(list.c_str(), &item, 1), 1);
    struct stat info { };
    ASSERT_EQ(stat(list.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(dlgftpitemIsValid(item));
    item.destination.type = DLGFTPITEM_DRIVE;
    EXPECT_FALSE(dlgftpitemIsValid(item));
}
