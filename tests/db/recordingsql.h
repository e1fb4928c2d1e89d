// A statement object that records what the base class hands to its virtual operations: the
// statements sent to the driver, every title and cell with its binding, and the return codes it
// reports (the reports themselves take the statement's own path).
#pragma once

#include "db/mfcsql.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

struct RecordedCell {
    long row;
    long column;
    std::string text; // as bound (empty for NULL)
    std::string formatted; // as the base output lays it out
    int width;
    long sqlType;
    bool isCharacter;
};

class RecordingSQL : public MfcSQL {
public:
    RecordingSQL(const std::string& connect, long* result)
        : MfcSQL(const_cast<char*>(connect.c_str()), result)
    {
    }

    using MfcSQL::MfcSQLOutputTitle;

    long ProcessSQL(unsigned char* statement, unsigned int length, long* count) override
    {
        statements.emplace_back(reinterpret_cast<char*>(statement));
        return MfcSQL::ProcessSQL(statement, length, count);
    }

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override
    {
        RecordedCell cell { *row, column,
            binding->indicator == SQL_NULL_DATA ? std::string() : std::string(binding->text),
            std::string(), binding->displayWidth, binding->sqlType, binding->isCharacter != 0 };
        CString formatted;
        MfcSQLFormatCell(binding, &formatted);
        cell.formatted = formatted.GetString();
        cells.push_back(cell);
        if (onCell)
            onCell(cell);
        return MfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
    }

    CString MfcSQLOutputTitle(char* title, STR_BINDING* binding, long column) override
    {
        titles.emplace_back(title);
        titleWidths.push_back(binding->displayWidth);
        return MfcSQL::MfcSQLOutputTitle(title, binding, column);
    }

    long SQLHandleError(void* handle, short handleType, short code) override
    {
        codes.push_back(code);
        return MfcSQL::SQLHandleError(handle, handleType, code);
    }

    // The number of reported errors (SQL_ERROR).
    size_t errors() const
    {
        return static_cast<size_t>(std::count(codes.begin(), codes.end(), SQL_ERROR));
    }

    // Runs SQL text the way the executors do.
    long run(const std::string& sql, long* count)
    {
        _ODBCItemBuff* buff = MfcSQLSetSQLBuff(static_cast<unsigned int>(sql.size() + 5));
        long rc = MfcSQLExecStr(const_cast<char*>(sql.c_str()), count, buff);
        MfcSQLFreeSQLBuff(buff);
        return rc;
    }

    std::vector<std::string> column(long index) const
    {
        std::vector<std::string> values;
        for (const RecordedCell& cell : cells)
            if (cell.column == index)
                values.push_back(cell.text);
        return values;
    }

    std::vector<std::string> statements;
    std::vector<RecordedCell> cells;
    std::vector<std::string> titles;
    std::vector<int> titleWidths;
    std::vector<short> codes;
    std::function<void(const RecordedCell&)> onCell;
};
