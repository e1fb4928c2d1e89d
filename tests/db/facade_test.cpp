// The database facade: its life cycle, the lookups' value types and presets, and its one lock
// shared by several threads.
#include "app/tessilo.h"
#include "db/orlamocdatabase.h"
#include "db/sqlquerycommon.h"
#include "db/tessiloappinterface.h"
#include "odbctest.h"
#include "views/bookedit.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class Facade : public BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        for (const char* sql : { "CREATE TABLE f (id INTEGER, name VARCHAR(20), ts TIMESTAMP)",
                 "INSERT INTO f VALUES (4, '12abc', '2004-05-06 07:08:09')",
                 "INSERT INTO f VALUES (9, NULL, NULL)", "INSERT INTO f VALUES (NULL, 'x', NULL)",
                 "INSERT INTO f VALUES (11, 'y', NULL)", "INSERT INTO f VALUES (12, 'z', NULL)" }) {
            exec(sql);
        }
        WriteProfileStringA("tessilo40", "ConnectStr", m_db->connectString().c_str());
        ASSERT_EQ(m_facade.InitDB(), 1);
    }
    void TearDown() override
    {
        m_facade.DeinitDB();
        WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
    }

    CTessiloAppInterface m_facade;
};

TEST_P(Facade, InitAndDeinitAnswerOnlyTheFirstTime)
{
    EXPECT_NE(m_facade.GetDB(), nullptr);
    EXPECT_EQ(m_facade.InitDB(), 0);
    CTessiloAppInterface other;
    EXPECT_EQ(other.GetDB(), m_facade.GetDB());
    EXPECT_EQ(m_facade.DeinitDB(), 1);
    EXPECT_EQ(m_facade.DeinitDB(), 0);
    EXPECT_EQ(other.GetDB(), nullptr);
    // Lookups on a facade that is not initialised give their presets at once.
    EXPECT_EQ(m_facade.GetTableID("SELECT id FROM f"), -1);
    EXPECT_STREQ(m_facade.GetTableCString("SELECT name FROM f").GetString(), "");
    EXPECT_EQ(m_facade.GetTableDouble("SELECT id FROM f"), 0.0);
    EXPECT_EQ(m_facade.GetTableCountDistinct1Field("SELECT id FROM f"), 0);
    EXPECT_EQ(m_facade.SQLSQL("SELECT id FROM f"), 0);
    EXPECT_EQ(m_facade.ExecSQLNoQuery(""), 0);
    EXPECT_EQ(m_facade.GetTableCTime("SELECT ts FROM f").GetTime(), static_cast<time_t>(-1));
}

// Each lookup captures its kind of value with the executor's rules (tested with the executors);
// what matters here is the value type and the preset of each.
TEST_P(Facade, EachLookupCapturesItsKindOfValueOrGivesItsPreset)
{
    EXPECT_EQ(m_facade.GetTableID("SELECT id FROM f WHERE id = 9"), 9);
    EXPECT_EQ(m_facade.GetTableID("SELECT id FROM f WHERE id = 99"), -1);
    EXPECT_EQ(m_facade.GetTableID("SELECT nonsense FROM nowhere"), -1);
    EXPECT_STREQ(m_facade.GetTableCString("SELECT name FROM f WHERE id = 4").GetString(), "12abc");
    EXPECT_DOUBLE_EQ(m_facade.GetTableDouble("SELECT id FROM f WHERE id = 11"), 11.0);
    EXPECT_EQ(m_facade.GetTableCountDistinct1Field("SELECT id FROM f"), 4);
    EXPECT_EQ(m_facade.SQLSQL("SELECT id, name FROM f"), 8);
}

TEST_P(Facade, ExecSQLNoQueryReturnsTheStatusNotTheCount)
{
    EXPECT_EQ(m_facade.ExecSQLNoQuery("UPDATE f SET name = 'q' WHERE id = 999"), 0);
    EXPECT_EQ(m_facade.ExecSQLNoQuery("UPDATE f SET name = 'q' WHERE id = 4"), 0);
    EXPECT_STREQ(m_facade.GetTableCString("SELECT name FROM f WHERE id = 4").GetString(), "q");
    EXPECT_EQ(m_facade.ExecSQLNoQuery(""), 0);
}

// The database object the time lookup needs is the one on the shared query.
TEST_P(Facade, TimesNeedADatabaseObjectOnTheSharedQuery)
{
    orlamoCDatabase database;
    m_facade.GetDB()->m_database = &database;
    CTime time = m_facade.GetTableCTime("SELECT ts FROM f WHERE id = 4");
    EXPECT_EQ(time.GetTime(), CTime(2004, 5, 6, 7, 8, 9).GetTime());
    m_facade.GetDB()->m_database = nullptr;
}

// Every thread asks for its own numbers; without the lock the shared query object would hand one
// thread's statement or destination to another.
TEST_P(Facade, ThreadsNeverSeeEachOthersValues)
{
    const int threads = 4;
    const int lookups = GetParam() == "PostgreSQL" ? 25 : 60;
    std::atomic<int> wrong { 0 };
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            CTessiloAppInterface facade;
            for (int i = 0; i < lookups; ++i) {
                int expected = t * 1000 + i;
                CString sql;
                sql.Format("SELECT %d AS v", expected);
                if (facade.GetTableID(sql) != expected)
                    ++wrong;
                if (facade.GetTableCountDistinct1Field("SELECT id FROM f") != 4)
                    ++wrong;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST_P(Facade, ALookupWaitsWhileAnotherThreadHoldsTheLock)
{
    std::atomic<bool> done { false };
    EnterCriticalSection(CTessiloApp::GetDatabaseLock());
    std::thread worker([&] {
        CTessiloAppInterface facade;
        facade.GetTableID("SELECT 1 AS v");
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(done.load());
    // The lock is recursive for its owner.
    EXPECT_EQ(m_facade.GetTableID("SELECT 7 AS v"), 7);
    LeaveCriticalSection(CTessiloApp::GetDatabaseLock());
    worker.join();
    EXPECT_TRUE(done.load());
}

// This thread writes a report's titles into the statement layer's process-wide title state while
// another thread runs lookups, which write no titles and must not touch that state at all (the
// thread sanitizer run of this test reports any access).
TEST_P(Facade, LookupsOnOtherThreadsLeaveTheReportTitlesAlone)
{
    std::atomic<bool> done { false };
    std::thread lookups([&] {
        CTessiloAppInterface facade;
        for (int i = 0; i < 20; ++i)
            facade.GetTableCountDistinct1Field("SELECT id, name FROM f");
        done = true;
    });
    bookEdit view; // without a window: the titles are laid out, not shown
    MfcSQL report;
    report.MfcSQLSetOutput(&view);
    STR_BINDING name { 8, nullptr, 0, TRUE, SQL_VARCHAR, nullptr };
    STR_BINDING id { 6, nullptr, 0, FALSE, SQL_INTEGER, &name };
    char idTitle[] = "id";
    char nameTitle[] = "name";
    int reports = 0;
    while (!done || reports == 0) {
        EXPECT_STREQ(report.MfcSQLOutputTitle(idTitle, &id, 0).GetString(), "id     ");
        report.MfcSQLOutputTitle(nameTitle, &name, 1);
        ++reports;
    }
    lookups.join();
    EXPECT_STREQ(
        view.bookEditGetTitleString().GetString(), "id     name     \r\n--------------\r\n");
}

INSTANTIATE_TEST_SUITE_P(Drivers, Facade, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
