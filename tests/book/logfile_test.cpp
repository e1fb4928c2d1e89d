// The log file shared by the suite's processes: appends under another writer, the size-limit
// question at its edge, and records that stay whole when several processes write.
#include "book/booklogfile.h"
#include <gtest/gtest.h>
#include <windows.h>

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

// Every writer opens the log sharing reading and writing: one that keeps it open (a viewer, a
// long-running writer) stops no record.
TEST_F(LogFile, AnotherWriterKeepingTheLogOpenStopsNoRecord)
{
    HANDLE other = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    bookLogFile log(CString(path.c_str()));
    EXPECT_TRUE(log.append(bookLogFile::entryRecord(kStamp, "a", 1)));
    EXPECT_TRUE(log.append(bookLogFile::entryRecord(kStamp, "b", 1)));
    CloseHandle(other);
    EXPECT_EQ(read(path), "12/04/26 03:16:36 a\r\n12/04/26 03:16:36 b\r\n");
}

// Another process holds the append lock: an append waits for it and lands after that writer's
// record; a writer that never lets go delays the record but does not lose it.
TEST_F(LogFile, AppendsWaitForTheLockOfAnotherWriter)
{
    for (bool hangs : { false, true }) {
        write("");
        int ready[2], release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
            bool locked = LockFile(file, 0, bookLogFile::appendLockHigh, 1, 0);
            (void)!::write(ready[1], locked ? "y" : "n", 1);
            char c;
            if (hangs) {
                (void)!::read(release[0], &c, 1);
                _exit(0);
            }
            usleep(100000);
            SetFilePointer(file, 0, nullptr, FILE_END);
            DWORD written = 0;
            WriteFile(file, "first\r\n", 7, &written, nullptr);
            UnlockFile(file, 0, bookLogFile::appendLockHigh, 1, 0);
            _exit(0);
        }
        char locked = 'n';
        ASSERT_EQ(::read(ready[0], &locked, 1), 1);
        ASSERT_EQ(locked, 'y');
        EXPECT_TRUE(bookLogFile(CString(path.c_str()))
                        .append(bookLogFile::entryRecord(kStamp, "second", 6)));
        (void)!::write(release[1], "x", 1);
        int status = 0;
        waitpid(child, &status, 0);
        for (int fd : { ready[0], ready[1], release[0], release[1] })
            close(fd);
        EXPECT_EQ(
            read(path), std::string(hangs ? "" : "first\r\n") + "12/04/26 03:16:36 second\r\n")
            << (hangs ? "hung writer" : "writer");
    }
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
