#include "book/booklogfile.h"
#include "book/bookperiod.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const CString kStamp("12/04/26 03:16:36");

class LogFile : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::path(std::getenv("RIVANTA_ROOT"))
            / ("log-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "Log.log").string();
    }

    std::string read(const std::string& file) const
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    void write(const std::string& content) const
    {
        std::ofstream(path, std::ios::binary) << content;
    }

    fs::path dir;
    std::string path;
};

} // namespace

TEST(LogRecords, BytesOfEveryRecord)
{
    const char raw[] = { 'a', '\0', 'b', '\n' };
    struct {
        const char* name;
        CString record;
        std::string bytes;
    } cases[] = {
        { "entry", bookLogFile::entryRecord(kStamp, "Run 7 ok", 8),
            "12/04/26 03:16:36 Run 7 ok\r\n" },
        { "entry keeps bytes", bookLogFile::entryRecord(kStamp, raw, 4),
            std::string("12/04/26 03:16:36 a\0b\n\r\n", 24) },
        { "start", bookLogFile::startRecord(kStamp, "Meters"),
            "12/04/26 03:16:36 Meters - START LOGGING\r\n\r\n" },
        { "end", bookLogFile::endRecord(kStamp, "Meters"),
            "\r\n\r\n12/04/26 03:16:36 Meters - END LOGGING\r\n\r\n" },
        { "requested", bookLogFile::initRecord(kStamp, false),
            "Initialize Log File Requested : 12/04/26 03:16:36\r\n\r\n" },
        { "forced", bookLogFile::initRecord(kStamp, true),
            "Initialize Log File Forced : 12/04/26 03:16:36\r\n\r\n" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.record.str(), c.bytes) << c.name;
}

TEST(LogRecords, StampIsTwoDigitMonthDayYearAnd24HourClock)
{
    EXPECT_STREQ(
        bookLogFile::stamp(bookperiod::localTime(2026, 12, 4, 3, 16, 36)), "12/04/26 03:16:36");
    EXPECT_STREQ(
        bookLogFile::stamp(bookperiod::localTime(2009, 1, 31, 23, 5, 9)), "01/31/09 23:05:09");
}

TEST_F(LogFile, AppendsWholeRecordsAtTheEnd)
{
    bookLogFile log(CString(path.c_str()));
    EXPECT_EQ(log.length(), 0);
    ASSERT_TRUE(log.append(bookLogFile::startRecord(kStamp, "A")));
    ASSERT_TRUE(log.append(bookLogFile::entryRecord(kStamp, "x", 1)));
    std::string expected = "12/04/26 03:16:36 A - START LOGGING\r\n\r\n12/04/26 03:16:36 x\r\n";
    EXPECT_EQ(read(path), expected);
    EXPECT_EQ(log.length(), static_cast<long long>(expected.size()));
}

TEST_F(LogFile, MissingFolderIsSkippedSilently)
{
    bookLogFile log(CString((dir / "no" / "such" / "Log.log").string().c_str()));
    EXPECT_FALSE(log.append(bookLogFile::entryRecord(kStamp, "x", 1)));
    EXPECT_EQ(log.length(), 0);
    EXPECT_EQ(log.initialise(true, 10, kStamp, nullptr), bookLogFile::initResult::forced);
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(LogFile, QuestionComesExactlyAtTheLimit)
{
    bookLogFile log(CString(path.c_str()));
    struct {
        size_t size;
        bool asked;
    } cases[] = { { 99, false }, { 100, true }, { 101, true } };
    for (const auto& c : cases) {
        write(std::string(c.size, 'z'));
        bool asked = false;
        auto result = log.initialise(false, 100, kStamp, [&] {
            asked = true;
            return true;
        });
        EXPECT_EQ(asked, c.asked) << c.size;
        EXPECT_EQ(result, bookLogFile::initResult::kept) << c.size;
        EXPECT_EQ(read(path), std::string(c.size, 'z')) << c.size;
    }
}

TEST_F(LogFile, AnsweringYesKeepsTheLogAndRefreshesTheBackup)
{
    bookLogFile log(CString(path.c_str()));
    std::ofstream(path + ".bak") << "stale";
    write("0123456789");
    EXPECT_EQ(
        log.initialise(false, 10, kStamp, [] { return true; }), bookLogFile::initResult::kept);
    EXPECT_EQ(read(path), "0123456789");
    EXPECT_EQ(read(path + ".bak"), "0123456789");
}

TEST_F(LogFile, AnsweringNoEmptiesTheLogAfterTheBackup)
{
    bookLogFile log(CString(path.c_str()));
    write("0123456789");
    EXPECT_EQ(
        log.initialise(false, 10, kStamp, [] { return false; }), bookLogFile::initResult::emptied);
    EXPECT_EQ(read(path), "Initialize Log File Requested : 12/04/26 03:16:36\r\n\r\n");
    EXPECT_EQ(read(path + ".bak"), "0123456789");
}

TEST_F(LogFile, ForcingEmptiesWithoutAsking)
{
    bookLogFile log(CString(path.c_str()));
    write("abc");
    bool asked = false;
    auto result = log.initialise(true, 1 << 20, kStamp, [&] {
        asked = true;
        return true;
    });
    EXPECT_EQ(result, bookLogFile::initResult::forced);
    EXPECT_FALSE(asked);
    EXPECT_EQ(read(path), "Initialize Log File Forced : 12/04/26 03:16:36\r\n\r\n");
    EXPECT_EQ(read(path + ".bak"), "abc");
}

TEST_F(LogFile, ConcurrentAppendsFromSeveralProcessesStayWhole)
{
    const int processes = 6;
    const int records = 300;
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bookLogFile log(CString(path.c_str()));
            bool ok = true;
            for (int r = 0; r < records; ++r) {
                // Records of different lengths, so an overwrite or a torn write shows.
                std::string text = "process " + std::to_string(p) + " record " + std::to_string(r)
                    + " " + std::string(static_cast<size_t>(r % 97), char('a' + p));
                ok = log.append(bookLogFile::entryRecord(kStamp, text.data(), long(text.size())))
                    && ok;
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::istringstream lines(read(path));
    std::map<int, int> next;
    std::string line;
    int total = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r') << line;
        int p = -1, r = -1;
        char tail[200] = {};
        ASSERT_EQ(
            std::sscanf(line.c_str(), "12/04/26 03:16:36 process %d record %d %199s", &p, &r, tail)
                >= 2,
            true)
            << line;
        std::string rest = line.substr(line.find(" record ") + 8);
        std::string expected
            = std::to_string(r) + " " + std::string(size_t(r % 97), char('a' + p)) + "\r";
        ASSERT_EQ(rest, expected) << line;
        EXPECT_EQ(next[p], r) << "records of one process stay in order";
        next[p] = r + 1;
        ++total;
    }
    EXPECT_EQ(total, processes * records);
}
