// Formatting goes through std::to_chars/from_chars so that the decimal point stays '.' even when
// the host application has switched the C locale to the user's.
#include "book/bookdecimal.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace bookdecimal {

namespace {

    const long long kMaxWidth = 4096;

    double readBack(const CString& print, double fallback)
    {
        const char* first = print.GetString();
        const char* last = first + print.GetLength();
        while (first < last && *first == ' ')
            ++first;
        double result = fallback;
        auto parsed = std::from_chars(first, last, result);
        return parsed.ec == std::errc() ? result : fallback;
    }

    // The text [first, last) padded with blanks to |width| columns, after it for a negative width.
    CString pad(const char* first, const char* last, long long width)
    {
        const bool left = width < 0;
        const size_t length = static_cast<size_t>(last - first);
        const size_t wanted = static_cast<size_t>(std::min(left ? -width : width, kMaxWidth));
        const size_t fill = wanted > length ? wanted - length : 0;
        CString out;
        char* at = out.GetBufferSetLength(static_cast<int>(length + fill));
        if (!left)
            at = std::fill_n(at, fill, ' ');
        at = std::copy(first, last, at);
        if (left)
            std::fill_n(at, fill, ' ');
        out.ReleaseBuffer(static_cast<int>(length + fill));
        return out;
    }

    CString pad(const CString& text, long long width)
    {
        return pad(text.GetString(), text.GetString() + text.GetLength(), width);
    }

} // namespace

CString printFixed(double value, int width, int precision)
{
    if (precision < 0)
        precision = 6;
    // Beyond the 1074 significant decimals of a double printf only adds zeros.
    precision = std::min(precision, 1100);
    // A double has at most 309 integer digits; the buffer leaves room for the decimals. Report
    // cells print a few decimals, so their digits stay on the stack.
    char small[400];
    std::string large;
    char* first = small;
    char* last = small + sizeof small;
    if (precision > 60) {
        large.resize(330 + static_cast<size_t>(precision));
        first = large.data();
        last = first + large.size();
    }
    if (std::isfinite(value)) {
        last = std::to_chars(first, last, value, std::chars_format::fixed, precision).ptr;
    } else {
        const char* word = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                             : (value < 0 ? "-inf" : "inf");
        last = std::copy(word, word + std::strlen(word), first);
    }
    return pad(first, last, width);
}

long formatDecimalPlace(
    CString* text, int width, int precision, unsigned int fieldWidth, double* value)
{
    if (fieldWidth == 0)
        return 0;
    if (text && text->IsEmpty())
        *text = "0.0";
    if (value) {
        CString print = printFixed(*value, width, precision);
        *value = readBack(print, *value);
        if (text)
            *text = pad(print, static_cast<int>(fieldWidth));
    }
    return 0;
}

CString entryValidate(double* value, int fieldWidth, int decimals)
{
    if (!value)
        return CString();
    CString text("-");
    double rounded = *value;
    formatDecimalPlace(
        &text, fieldWidth - decimals, decimals, static_cast<unsigned int>(fieldWidth), &rounded);
    text.Trim(' ');
    if (rounded != *value)
        *value = rounded;
    return text;
}

double roundCeil(double value, int decimals, double* remainder)
{
    double scale = decimals > 0 ? std::pow(10.0, decimals) : 1.0;
    double scaled = value * scale;
    // A value that already has at most that many decimals stays as it is: 0.07 x 100 is
    // 7.000000000000001 in binary, and its ceiling would add a whole last decimal.
    if (std::isfinite(scaled) && std::nearbyint(scaled) / scale == value) {
        if (remainder)
            *remainder = 0.0;
        return value;
    }
    if (remainder) {
        double whole = 0;
        *remainder = std::modf(scaled, &whole) / scale;
    }
    return std::ceil(scaled) / scale;
}

double roundCeilText(double value, int decimals, CString* text)
{
    double rounded = roundCeil(value, decimals, nullptr);
    if (text) {
        *text = printFixed(rounded, decimals, decimals);
        rounded = readBack(*text, rounded);
    }
    return rounded;
}

BOOL isDecimalValid(const char* text)
{
    if (!text || !*text)
        return FALSE;
    bool signSeen = false;
    bool pointSeen = false;
    for (const char* p = text; *p; ++p) {
        char ch = *p;
        if (ch >= '0' && ch <= '9')
            continue;
        if (ch == '+') {
            signSeen = true;
        } else if (ch == '-' && !signSeen) {
            signSeen = true;
        } else if (ch == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            return FALSE;
        }
    }
    return TRUE;
}

double leadingNumber(const char* text)
{
    if (!text)
        return 0.0;
    // Plain decimal numbers, as report cells hold, are read by from_chars, which reads the same
    // double; strtod reads the rest: '+', hexadecimal, words, numbers beyond range.
    const char* first = text;
    while (*first == ' ' || (*first >= '\t' && *first <= '\r'))
        ++first;
    const char* digit = *first == '-' ? first + 1 : first;
    if (*digit == '.')
        ++digit;
    if (*digit >= '0' && *digit <= '9') {
        double result = 0;
        const auto parsed = std::from_chars(first, first + std::strlen(first), result);
        if (parsed.ec == std::errc() && *parsed.ptr != 'x' && *parsed.ptr != 'X')
            return result;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return cLocale ? strtod_l(text, nullptr, cLocale) : std::strtod(text, nullptr);
}

} // namespace bookdecimal
