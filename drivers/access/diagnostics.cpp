#include "diagnostics.h"

#include <sqlext.h>

#include <cstring>

namespace accessdriver {

const char* const kMessagePrefix = "[Rivanta][ODBC Access Driver]";

namespace {

    // ODBC 2 applications expect the S1xxx states where ODBC 3 has HYxxx.
    std::string stateFor(const std::string& state, SQLINTEGER odbcVersion)
    {
        if (odbcVersion == SQL_OV_ODBC2 && state.compare(0, 2, "HY") == 0)
            return "S1" + state.substr(2);
        return state;
    }

} // namespace

void Diagnostics::post(const char* state, SQLINTEGER native, const std::string& message)
{
    records_.push_back(
        DiagnosticRecord { state, native, std::string(kMessagePrefix) + message, true });
}

void Diagnostics::keep(const std::string& state, SQLINTEGER native, const std::string& message)
{
    records_.push_back(DiagnosticRecord { state, native, message, false });
}

SQLRETURN Diagnostics::take(SQLINTEGER odbcVersion, SQLCHAR* state, SQLINTEGER* native,
    SQLCHAR* message, SQLSMALLINT messageMax, SQLSMALLINT* messageLength)
{
    if (records_.empty())
        return SQL_NO_DATA;
    DiagnosticRecord record = records_.front();
    records_.pop_front();
    if (state) {
        std::string s = record.own ? stateFor(record.state, odbcVersion) : record.state;
        s.resize(std::min<size_t>(s.size(), 5));
        memcpy(state, s.c_str(), s.size() + 1);
    }
    if (native)
        *native = record.native;
    if (messageLength)
        *messageLength = static_cast<SQLSMALLINT>(record.message.size());
    if (message && messageMax > 0) {
        size_t n = std::min(record.message.size(), static_cast<size_t>(messageMax - 1));
        memcpy(message, record.message.data(), n);
        message[n] = 0;
        if (n < record.message.size())
            return SQL_SUCCESS_WITH_INFO;
    }
    return SQL_SUCCESS;
}

} // namespace accessdriver
