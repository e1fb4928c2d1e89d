#include "postgreswriter.h"

#include <charconv>
#include <stdexcept>

namespace sampledb {

namespace {

    const size_t kSendSize = 256 * 1024;

    // libpq's messages end with a line feed and may continue on indented lines.
    std::string oneMessage(const char* text)
    {
        std::string message = text ? text : "";
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        for (size_t at = message.find("\n\t"); at != std::string::npos;
             at = message.find("\n\t", at))
            message.replace(at, 2, " ");
        return message.empty() ? "unknown error" : message;
    }

    // Ends a result and throws unless it has the expected status.
    void check(PGresult* result, ExecStatusType expected, PGconn* conn, const std::string& what)
    {
        const bool ok = result && PQresultStatus(result) == expected;
        const std::string message
            = oneMessage(result ? PQresultErrorMessage(result) : PQerrorMessage(conn));
        PQclear(result);
        if (!ok)
            throw std::runtime_error(what + ": " + message);
    }

} // namespace

PostgresWriter::PostgresWriter(const std::string& conninfo)
{
    conn_ = PQconnectdb(conninfo.c_str());
    if (!conn_)
        throw std::runtime_error("cannot connect: out of memory");
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string message = oneMessage(PQerrorMessage(conn_));
        PQfinish(conn_);
        conn_ = nullptr;
        throw std::runtime_error("cannot connect: " + message);
    }
    // No notices ("table does not exist, skipping") on the terminal.
    execute("SET client_min_messages = warning");
}

PostgresWriter::~PostgresWriter()
{
    // A connection closed inside a transaction rolls it back on the server.
    if (conn_)
        PQfinish(conn_);
}

void PostgresWriter::fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + oneMessage(PQerrorMessage(conn_)));
}

void PostgresWriter::execute(const std::string& sql)
{
    check(PQexec(conn_, sql.c_str()), PGRES_COMMAND_OK, conn_, sql);
}

std::vector<std::string> PostgresWriter::column(const std::string& sql)
{
    PGresult* result = PQexec(conn_, sql.c_str());
    std::vector<std::string> values;
    if (result && PQresultStatus(result) == PGRES_TUPLES_OK) {
        for (int row = 0; row < PQntuples(result); ++row)
            values.push_back(PQgetvalue(result, row, 0));
        PQclear(result);
        return values;
    }
    check(result, PGRES_TUPLES_OK, conn_, sql);
    return values;
}

void PostgresWriter::beginTable(const SampleTable& table)
{
    std::string sql = std::string("COPY ") + table.name + " (";
    for (size_t i = 0; i < table.columns.size(); ++i)
        sql += std::string(i ? ", " : "") + table.columns[i].name;
    // FREEZE: the table is new in this transaction, so its rows can be written as already
    // visible to everyone, sparing the server a pass over them later.
    sql += ") FROM STDIN (FREEZE)";
    check(PQexec(conn_, sql.c_str()), PGRES_COPY_IN, conn_, sql);
    buffer_.clear();
    buffer_.reserve(kSendSize + 4096);
    firstValue_ = true;
}

void PostgresWriter::flush()
{
    if (!buffer_.empty()
        && PQputCopyData(conn_, buffer_.data(), static_cast<int>(buffer_.size())) != 1)
        fail("COPY");
    buffer_.clear();
}

void PostgresWriter::endTable()
{
    flush();
    if (PQputCopyEnd(conn_, nullptr) != 1)
        fail("COPY");
    check(PQgetResult(conn_), PGRES_COMMAND_OK, conn_, "COPY");
    // The end of the command's results.
    while (PGresult* more = PQgetResult(conn_))
        PQclear(more);
}

void PostgresWriter::separate()
{
    if (!firstValue_)
        buffer_ += '\t';
    firstValue_ = false;
}

void PostgresWriter::putInteger(long long v)
{
    separate();
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    buffer_.append(text, end);
}

void PostgresWriter::putNumber(double v)
{
    // The shortest text that reads back as the same double.
    separate();
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    buffer_.append(text, end);
}

void PostgresWriter::putText(const std::string& v)
{
    separate();
    for (char ch : v) {
        switch (ch) {
        case '\\':
            buffer_ += "\\\\";
            break;
        case '\t':
            buffer_ += "\\t";
            break;
        case '\n':
            buffer_ += "\\n";
            break;
        case '\r':
            buffer_ += "\\r";
            break;
        default:
            buffer_ += ch;
        }
    }
}

void PostgresWriter::putNull()
{
    separate();
    buffer_ += "\\N";
}

void PostgresWriter::endRow()
{
    buffer_ += '\n';
    firstValue_ = true;
    if (buffer_.size() >= kSendSize)
        flush();
}

} // namespace sampledb
