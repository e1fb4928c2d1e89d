// MfcSQL helpers for the report writer: totals slots, number formatting, binding buffers and
// timestamp parsing.
#include "db/mfcsql.h"
#include "book/bookdecimal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

long MfcSQL::MfcSQLTotalsClear()
{
    for (int i = 0; i < MFCSQL_COLUMNS; ++i) {
        IntegerTotalSlot& integer = m_ODBCItem.integerTotals[i];
        std::memset(&integer, 0, sizeof integer);
        integer.column = -1;
        DecimalTotalSlot& decimal = m_ODBCItem.decimalTotals[i];
        std::memset(&decimal, 0, sizeof decimal);
        decimal.column = -1;
        decimal.decimals = static_cast<LONG>(m_ODBCItem.decimalPlaces);
    }
    return 0;
}

namespace {
// The longest number text of the report's fixed buffer.
const size_t kCut = 99;
}

long MfcSQL::MfcSQLFormatDecimalPlace(CString* out, int numberWidth, unsigned int outWidth,
    double* value, int decimals, int currency, int parenthesise)
{
    if (outWidth == 0)
        return 0;
    if (out && out->IsEmpty())
        *out = "0.0";
    if (value) {
        // Printed and read back with a '.' decimal point whatever the process locale, as the
        // book's numbers are; the print is cut at 99 characters, as the report's fixed buffer
        // cuts it.
        CString text = bookdecimal::printFixed(*value, numberWidth, decimals);
        const size_t length = std::min<size_t>(static_cast<size_t>(text.GetLength()), kCut);
        text.Truncate(static_cast<int>(length));
        *value = bookdecimal::leadingNumber(text);
        if (out) {
            // Right-aligned in the output width between the marks, cut the same way; written
            // directly, this runs once per real cell.
            char formatted[2 * kCut + 8];
            char* at = formatted;
            if (parenthesise)
                *at++ = '(';
            if (currency)
                *at++ = '$';
            if (outWidth > length)
                at = std::fill_n(at, std::min<size_t>(outWidth - length, kCut + 1), ' ');
            at = std::copy(text.GetString(), text.GetString() + length, at);
            if (parenthesise)
                *at++ = ')';
            *out = CString(formatted, static_cast<int>(std::min<size_t>(at - formatted, kCut)));
        }
    }
    return 0;
}

long MfcSQL::MfcSQLFormatNumber(CString* text, unsigned int width)
{
    if (!text)
        return 0;
    int length = text->GetLength();
    int target = static_cast<int>(width);
    if (length < target)
        *text = CString(' ', target - length) + *text;
    else if (length > target && target > 0)
        *text = CString(' ', target) + *text;
    return 0;
}

long MfcSQL::reportAdjustBindingSize(STR_BINDING* binding, long width, long)
{
    if (!binding || width < 1 || width > 257)
        return E_FAIL;
    if (binding->text)
        return 0;
    binding->text = static_cast<char*>(std::calloc(1, 258));
    if (!binding->text)
        return E_FAIL;
    binding->displayWidth = static_cast<SQLSMALLINT>(width);
    binding->indicator = width;
    return 0;
}

long MfcSQL::ConvertCStringToSYSTEMTIMEDate(CString text, SYSTEMTIME* time)
{
    if (text.IsEmpty())
        return E_UNEXPECTED;
    // Six fields: year-month-day hour:minute:second; a separator closes only the field it ends.
    CString fields[6];
    int field = 0;
    for (int i = 0; i < text.GetLength() && field < 6; ++i) {
        char ch = text[i];
        bool closes = (field < 2 && (ch == '/' || ch == '-')) || (field == 2 && ch == ' ')
            || (field >= 3 && ch == ':');
        if (closes)
            ++field;
        else
            fields[field] += ch;
    }
    if (time) {
        time->wYear = static_cast<WORD>(std::atoi(fields[0]));
        time->wMonth = static_cast<WORD>(std::atoi(fields[1]));
        time->wDay = static_cast<WORD>(std::atoi(fields[2]));
        time->wHour = static_cast<WORD>(std::atoi(fields[3]));
        time->wMinute = static_cast<WORD>(std::atoi(fields[4]));
        time->wSecond = static_cast<WORD>(std::atoi(fields[5]));
    }
    return 0;
}
