// Test databases the statement layer runs against: a fresh SQLite file or a fresh database on the
// run's PostgreSQL test server, with the few dialect differences the tests need.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TestDb {
public:
    virtual ~TestDb() = default;

    // "SQLite" and "PostgreSQL", the names the parameterised suites run over.
    static std::vector<std::string> backends();
    // A new, empty database of the backend; null with the reason in *why when it cannot be made.
    // PostgreSQL databases live on the run's test server (odbctest.h) and are dropped again.
    static std::unique_ptr<TestDb> create(const std::string& backend, std::string* why);

    virtual std::string name() const = 0;
    virtual std::string connectString() const = 0;
    // Column types of the dialect: "real" (4-byte), "double" (8-byte), "blob" (binary).
    virtual std::string type(const std::string& generic) const = 0;
    // A binary literal holding the given bytes.
    virtual std::string blobLiteral(const std::string& bytes) const = 0;

    // Runs set-up SQL on a connection of its own (ODBC 3, autocommit); false with the
    // diagnostics in *error on failure.
    bool exec(const std::string& sql, std::string* error = nullptr) const;
};

// A suite run once per backend (GetParam() is its name), each test on a fresh database of it.
// PostgreSQL tests are skipped when the run has no server; derived set-ups return early when
// IsSkipped() or HasFatalFailure().
class BackendTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override;
    // Runs set-up SQL; a failure fails the test.
    void exec(const std::string& sql);

    std::unique_ptr<TestDb> m_db;
};
