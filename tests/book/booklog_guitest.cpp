// The book's log members: path from the profile, error counting, and the size-limit question.
#include "bookhost.h"
#include "fixedclock.h"
#include <gtest/gtest.h>

#include "app/tessilo.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class BookLog : public BookHostTest {
protected:
    void SetUp() override
    {
        BookHostTest::SetUp();
        dir = fs::path(std::getenv("RIVANTA_ROOT")) / "drives" / "c" / "orlamo40" / "Log";
        fs::create_directories(dir);
        fs::remove(dir / "Log.log");
        fs::remove(dir / "Log.log.bak");
        ::WriteProfileStringA("tessilo40", "Log", nullptr);
        book::bookSetLogSize(1048576);
    }

    void TearDown() override
    {
        book::bookSetLogSize(1048576);
        BookHostTest::TearDown();
    }

    std::string read(const char* name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    void fill(size_t bytes) const
    {
        std::ofstream(dir / "Log.log", std::ios::binary) << std::string(bytes, 'L');
    }

    fs::path dir;
    FixedClock clock { 2026, 12, 4, 3, 16, 36 };
};

} // namespace

TEST_F(BookLog, PathComesFromTheProfileAndIsWrittenBack)
{
    EXPECT_EQ(bk().bookGetLogFileSize(), 0); // the path is not filled here
    EXPECT_STREQ(bk().bookLogGetFile(), "\\orlamo40\\Log\\Log.log");
    bk().bookLogSetFile(CString("C:\\orlamo40\\Log\\Other.log"));
    EXPECT_STREQ(
        TessiloApp.getProfileString(CString("Log"), CString()), "C:\\orlamo40\\Log\\Other.log");
    book other(&host());
    EXPECT_STREQ(other.bookLogGetFile(), "C:\\orlamo40\\Log\\Other.log");
}

TEST_F(BookLog, EntriesStartEndAndErrors)
{
    bk().bookLogStart(CString("Meters"));
    bk().bookLog(const_cast<char*>("reading 12"), 10);
    bk().bookLog(const_cast<char*>("ignored"), 0);
    bk().bookLog(nullptr, 5);
    bk().bookLogErr(nullptr, 5);
    bk().bookLogErr(const_cast<char*>("gone"), 0);
    EXPECT_EQ(bk().bookLogGetErrorCount(), 0);
    FixedClock::set(2026, 1, 4, 15, 2, 9);
    bk().bookLogErr(const_cast<char*>("bad meter"), 9);
    EXPECT_EQ(bk().bookLogGetErrorCount(), 1);
    bk().bookLog(const_cast<char*>("a\0b\n"), 4); // bytes as given
    bk().bookLogEnd(CString("Meters"));
    std::string log = read("Log.log");
    EXPECT_EQ(log,
        std::string("12/04/26 03:16:36 Meters - START LOGGING\r\n\r\n"
                    "12/04/26 03:16:36 reading 12\r\n"
                    "01/04/26 15:02:09 bad meter\r\n"
                    "01/04/26 15:02:09 a\0b\n\r\n",
            127)
            + "\r\n\r\n01/04/26 15:02:09 Meters - END LOGGING\r\n\r\n");
    EXPECT_EQ(bk().bookGetLogFileSize(), static_cast<long>(log.size()));
    EXPECT_EQ(bk().bookLogSetErrorCount(5), 5);
    EXPECT_EQ(bk().bookLogAddErrorCount(2), 7);
}

// Over the limit the user is asked: Yes keeps the log growing, No clears it; forcing never asks.
// Either way the old log is kept in the backup first.
TEST_F(BookLog, TheSizeQuestionKeepsOrClearsTheLog)
{
    struct {
        int answer; // 0: forced
        const char* log; // empty: the old log and the error entry
        size_t backup;
        long errors;
    } cases[] = {
        { IDYES, "", 64u + 21u, 1 },
        { IDNO, "Initialize Log File Requested : 12/04/26 03:16:36\r\n\r\n", 64u + 21u, 0 },
        { 0, "Initialize Log File Forced : 12/04/26 03:16:36\r\n\r\n", 64u, 0 },
    };
    book::bookSetLogSize(64);
    for (const auto& c : cases) {
        fill(64);
        bk().bookLogSetErrorCount(0);
        winport::testing::ClearScripts();
        if (c.answer) {
            bk().bookLogErr(const_cast<char*>("e"), 1);
            answerMessageBoxes({ c.answer });
        } else {
            bk().bookLogAddErrorCount(3);
        }
        bk().bookLogInitFile(c.answer ? FALSE : TRUE);
        std::vector<winport::testing::MessageBoxCall> asked = askedMessageBoxes();
        ASSERT_EQ(asked.size(), c.answer ? 1u : 0u) << c.answer;
        if (c.answer) {
            EXPECT_EQ(asked[0].caption, "Log File Default size exceeded");
            // The text speaks of the default size whatever the limit is (64 bytes here), says
            // which answer keeps and which clears the log, and ends with the question.
            const std::string& text = asked[0].text;
            EXPECT_NE(text.find("exceeded the Default\nsize of 1 Megabyte."), std::string::npos);
            EXPECT_NE(text.find("select 'Yes'"), std::string::npos) << text;
            EXPECT_NE(text.find("select 'No', to clear out the logs"), std::string::npos) << text;
            EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 3) + 1),
                "Do you wish to continue extending the current Log File ?\n\n");
            EXPECT_EQ(asked[0].type & 0xF, UINT(MB_YESNO));
            EXPECT_EQ(asked[0].owner, bk().GetSafeHwnd());
        }
        EXPECT_EQ(read("Log.log.bak").size(), c.backup) << c.answer;
        EXPECT_EQ(read("Log.log"), *c.log ? std::string(c.log) : read("Log.log.bak")) << c.answer;
        EXPECT_EQ(bk().bookLogGetErrorCount(), c.errors) << c.answer;
    }
}

TEST_F(BookLog, SizeLimitAndFreeSpace)
{
    EXPECT_EQ(bk().bookGetLogSize(), 1048576);
    book::bookSetLogSize(3L << 20);
    EXPECT_EQ(bk().bookGetLogSize(), 3145728);

    ULARGE_INTEGER available {};
    ASSERT_TRUE(::GetDiskFreeSpaceExA("C:", &available, nullptr, nullptr));
    ::WriteProfileStringA("tessilo40", "InstallDrive", "C:\\");
    unsigned long long free = bk().bookGetDiskSpaceFree();
    EXPECT_GT(free, 0u);
    // Free space moves with other work on the disk; the two answers come from the same drive.
    EXPECT_NEAR(double(free), double(available.QuadPart), 64.0 * 1024 * 1024);
    ::WriteProfileStringA("tessilo40", "InstallDrive", "Q:");
    EXPECT_EQ(bk().bookGetDiskSpaceFree(), 0u);
    ::WriteProfileStringA("tessilo40", "InstallDrive", nullptr);
}
