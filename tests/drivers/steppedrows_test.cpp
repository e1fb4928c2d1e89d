// SQLite results through the Access driver are stepped row by row as they are fetched. Columns are
// described as the SQLite3 driver describes them when it reads the whole result inside SQLExecute
// (the direct connection below), computed columns included; and a statement left half fetched
// holds SQLite's read lock until it is closed.
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace {

const char* const kAccessDriver = "Driver={Microsoft Access Driver (*.mdb)};";

struct Column {
    std::string name;
    SQLSMALLINT type = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    SQLLEN concise = 0, display = 0, length = 0, octets = 0, precision = 0, scale = 0;
    std::string typeName;

    auto tie() const
    {
        return std::tie(name, type, size, digits, nullable, concise, display, length, octets,
            precision, scale, typeName);
    }
    bool operator==(const Column& o) const { return tie() == o.tie(); }
};

std::ostream& operator<<(std::ostream& out, const Column& c)
{
    return out << c.name << ": type " << c.type << " size " << c.size << " digits " << c.digits
               << " nullable " << c.nullable << " concise " << c.concise << " display " << c.display
               << " length " << c.length << " octets " << c.octets << " precision " << c.precision
               << " scale " << c.scale << " " << c.typeName;
}

SQLLEN field(SQLHSTMT stmt, SQLUSMALLINT column, SQLUSMALLINT which)
{
    SQLLEN value = -1;
    SQLColAttribute(stmt, column, which, nullptr, 0, nullptr, &value);
    return value;
}

// A statement of its own on the client's connection.
class Statement {
public:
    explicit Statement(OdbcClient& client)
    {
        SQLAllocHandle(SQL_HANDLE_STMT, client.connection(), &stmt_);
    }
    ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    SQLRETURN execute(const std::string& sql)
    {
        return SQLExecDirect(
            stmt_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    }

    // Every column described, in the order of SQLDescribeCol first, then SQLColAttribute.
    std::vector<Column> describe()
    {
        SQLSMALLINT count = 0;
        SQLNumResultCols(stmt_, &count);
        std::vector<Column> columns(static_cast<size_t>(count));
        for (SQLUSMALLINT n = 1; n <= count; ++n) {
            Column& c = columns[n - 1u];
            SQLCHAR name[128] = "";
            SQLDescribeCol(
                stmt_, n, name, sizeof name, nullptr, &c.type, &c.size, &c.digits, &c.nullable);
            c.name = reinterpret_cast<char*>(name);
            c.concise = field(stmt_, n, SQL_DESC_CONCISE_TYPE);
            c.display = field(stmt_, n, SQL_DESC_DISPLAY_SIZE);
            c.length = field(stmt_, n, SQL_DESC_LENGTH);
            c.octets = field(stmt_, n, SQL_DESC_OCTET_LENGTH);
            c.precision = field(stmt_, n, SQL_DESC_PRECISION);
            c.scale = field(stmt_, n, SQL_DESC_SCALE);
            char typeName[64] = "";
            SQLColAttribute(
                stmt_, n, SQL_DESC_TYPE_NAME, typeName, sizeof typeName, nullptr, nullptr);
            c.typeName = typeName;
        }
        return columns;
    }

    // The first column of the next row as text; nullopt at the end (or on an error, in *rc).
    std::optional<std::string> next(SQLRETURN* rc = nullptr)
    {
        SQLRETURN fetched = SQLFetch(stmt_);
        if (rc)
            *rc = fetched;
        if (!SQL_SUCCEEDED(fetched))
            return std::nullopt;
        char text[64] = "";
        SQLLEN indicator = 0;
        SQLGetData(stmt_, 1, SQL_C_CHAR, text, sizeof text, &indicator);
        return indicator == SQL_NULL_DATA ? std::string("NULL") : std::string(text);
    }

    long rest()
    {
        long n = 0;
        while (next())
            ++n;
        return n;
    }

    SQLHSTMT handle() const { return stmt_; }

private:
    SQLHSTMT stmt_ = SQL_NULL_HSTMT;
};

class SteppedRows : public ::testing::Test {
protected:
    static constexpr int kReadings = 300;

    void SetUp() override
    {
        path_ = testsupport::buildSampleDatabase(kReadings);
        ASSERT_TRUE(SQL_SUCCEEDED(direct_.connect("Driver=SQLite3;Database=" + path_ + ";")));
        for (const char* sql : {
                 "CREATE VIEW MeterTotals AS SELECT MeterID, COUNT(*) AS Readings, "
                 "SUM(ReadingID) AS IdSum, AVG(ReadingID) AS IdMean, MIN(ReadingDate) AS First "
                 "FROM MeterReadings GROUP BY MeterID",
                 "CREATE TABLE Empty (A INTEGER, B VARCHAR(10), C REAL)",
             })
            ASSERT_EQ(direct_.query(sql).rc, SQL_SUCCESS) << sql;
        ASSERT_TRUE(SQL_SUCCEEDED(access_.connect(std::string(kAccessDriver) + "DBQ=" + path_)));
    }

    std::string path_;
    OdbcClient direct_ { SQL_OV_ODBC3, false };
    OdbcClient access_ { SQL_OV_ODBC3, false };
};

struct TypeCase {
    const char* sql;
    std::vector<SQLSMALLINT> types; // SQLDescribeCol's, through the Access driver
};

// Every column as the whole-result mode describes it, and the rows the same, including the first
// one, which a description of a computed column makes the driver fetch early.
TEST_F(SteppedRows, ColumnsAreDescribedAsWhenTheWholeResultIsRead)
{
    const TypeCase cases[] = {
        { "SELECT ReadingID, MeterReading, ReadingDate, RecordedAt, ReadBy FROM MeterReadings",
            { SQL_INTEGER, SQL_DOUBLE, SQL_TYPE_DATE, SQL_TYPE_TIMESTAMP, SQL_VARCHAR } },
        { "SELECT ReadingID AS Id, ReadBy AS Reader FROM MeterReadings",
            { SQL_INTEGER, SQL_VARCHAR } },
        { "SELECT COUNT(*), SUM(ReadingID), AVG(ReadingID), MIN(ReadingID), MAX(ReadingDate), "
          "TOTAL(ReadingID) FROM MeterReadings",
            { SQL_INTEGER, SQL_INTEGER, SQL_DOUBLE, SQL_INTEGER, SQL_VARCHAR, SQL_DOUBLE } },
        { "SELECT MeterID, COUNT(*), SUM(ReadingID) * 1.5 FROM MeterReadings GROUP BY MeterID",
            { SQL_INTEGER, SQL_INTEGER, SQL_DOUBLE } },
        { "SELECT ReadingID + 1, ReadingID * 0.5, ReadingID / 2, ReadBy || 'x' FROM MeterReadings",
            { SQL_INTEGER, SQL_DOUBLE, SQL_INTEGER, SQL_VARCHAR } },
        { "SELECT 1, 2.5, 'text', NULL", { SQL_INTEGER, SQL_DOUBLE, SQL_VARCHAR, SQL_VARCHAR } },
        { "SELECT CAST(ReadingID AS REAL), CAST(2.7 AS INTEGER), CAST(ReadingID AS VARCHAR(8)) "
          "FROM MeterReadings",
            { SQL_DOUBLE, SQL_INTEGER, SQL_VARCHAR } },
        { "SELECT * FROM MeterTotals",
            { SQL_INTEGER, SQL_INTEGER, SQL_INTEGER, SQL_DOUBLE, SQL_VARCHAR } },
        // No row: computed columns have no value to be typed by.
        { "SELECT A, B, C, A + 1 FROM Empty",
            { SQL_INTEGER, SQL_VARCHAR, SQL_DOUBLE, SQL_VARCHAR } },
        { "SELECT COUNT(*), MAX(A) FROM Empty", { SQL_INTEGER, SQL_VARCHAR } },
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.sql);
        Statement viaAccess(access_), whole(direct_);
        ASSERT_EQ(viaAccess.execute(c.sql), SQL_SUCCESS);
        ASSERT_EQ(whole.execute(c.sql), SQL_SUCCESS);
        std::vector<Column> stepped = viaAccess.describe();
        EXPECT_EQ(stepped, whole.describe());
        ASSERT_EQ(stepped.size(), c.types.size());
        for (size_t i = 0; i < stepped.size(); ++i)
            EXPECT_EQ(stepped[i].type, c.types[i]) << stepped[i];
        OdbcResult a = access_.query(c.sql), b = direct_.query(c.sql);
        EXPECT_EQ(a.rows, b.rows);
        EXPECT_EQ(a.types, b.types);
    }
}

// Two statements of one connection fetched in turns each get all their rows, in order.
TEST_F(SteppedRows, StatementsOfOneConnectionFetchInTurns)
{
    Statement first(access_), second(access_);
    ASSERT_EQ(first.execute("SELECT ReadingID FROM MeterReadings ORDER BY ReadingID"), SQL_SUCCESS);
    ASSERT_EQ(
        second.execute("SELECT ReadingID FROM MeterReadings ORDER BY ReadingID DESC"), SQL_SUCCESS);
    for (int i = 1; i <= kReadings; ++i) {
        ASSERT_EQ(first.next(), std::to_string(i));
        ASSERT_EQ(second.next(), std::to_string(kReadings + 1 - i));
    }
    EXPECT_FALSE(first.next());
    EXPECT_FALSE(second.next());
}

// A write on the same connection while a SELECT is half fetched succeeds, and the SELECT goes on
// to its end; a second connection's write must wait until the SELECT is closed, and then succeeds.
TEST_F(SteppedRows, HalfFetchedSelectAndWrites)
{
    Statement reading(access_), writing(access_);
    ASSERT_EQ(
        reading.execute("SELECT ReadingID FROM MeterReadings ORDER BY ReadingID"), SQL_SUCCESS);
    for (int i = 1; i <= kReadings / 2; ++i)
        ASSERT_EQ(reading.next(), std::to_string(i));
    ASSERT_EQ(writing.execute("UPDATE MeterReadings SET ReadBy = 'same' WHERE ReadingID = 1"),
        SQL_SUCCESS);
    EXPECT_EQ(reading.rest(), kReadings - kReadings / 2);

    // Closed half way: the lock goes with the cursor, and the statement runs again from the start.
    ASSERT_EQ(
        reading.execute("SELECT ReadingID FROM MeterReadings ORDER BY ReadingID"), SQL_SUCCESS);
    ASSERT_EQ(reading.next(), "1");
    ASSERT_EQ(SQLFreeStmt(reading.handle(), SQL_CLOSE), SQL_SUCCESS);
    OdbcClient other(SQL_OV_ODBC3, false);
    ASSERT_TRUE(SQL_SUCCEEDED(other.connect(std::string(kAccessDriver) + "DBQ=" + path_)));
    EXPECT_EQ(other.query("UPDATE MeterReadings SET ReadBy = 'other' WHERE ReadingID = 2").rc,
        SQL_SUCCESS);
    ASSERT_EQ(reading.execute("SELECT ReadBy FROM MeterReadings ORDER BY ReadingID"), SQL_SUCCESS);
    EXPECT_EQ(reading.next(), "same");
    EXPECT_EQ(reading.next(), "other");
}

// A row fetched early for a description is the first row of its own execution only: closed
// before it was fetched, it is gone, and the next execution starts with its own first row.
TEST_F(SteppedRows, EarlyRowDoesNotOutliveItsCursor)
{
    Statement s(access_);
    ASSERT_EQ(s.execute("SELECT ReadingID, ReadingID * 2 FROM MeterReadings ORDER BY ReadingID"),
        SQL_SUCCESS);
    ASSERT_EQ(s.describe()[1].type, SQL_INTEGER); // fetched the first row early
    ASSERT_EQ(SQLFreeStmt(s.handle(), SQL_CLOSE), SQL_SUCCESS);
    ASSERT_EQ(s.execute("SELECT ReadingID FROM MeterReadings WHERE ReadingID > 10 ORDER BY "
                        "ReadingID"),
        SQL_SUCCESS);
    EXPECT_EQ(s.next(), "11");
    ASSERT_EQ(SQLFreeStmt(s.handle(), SQL_CLOSE), SQL_SUCCESS);

    ASSERT_EQ(s.execute("SELECT ReadingID, ReadingID * 2 FROM MeterReadings ORDER BY ReadingID"),
        SQL_SUCCESS);
    ASSERT_EQ(s.describe()[1].type, SQL_INTEGER);
    EXPECT_EQ(s.next(), "1");
    EXPECT_EQ(s.next(), "2");
    EXPECT_EQ(s.rest(), kReadings - 2);
}

} // namespace
