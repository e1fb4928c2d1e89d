// The book's decimal entry members; the arithmetic lives in bookdecimal.
#include "book/book.h"
#include "book/bookdecimal.h"

long book::FormatDecimalPlace(
    CString* text, int width, int, int precision, unsigned int fieldWidth, double* value)
{
    return bookdecimal::formatDecimalPlace(text, width, precision, fieldWidth, value);
}

CString book::dbEntryValidate(double* value, int fieldWidth, int decimals, HWND)
{
    return bookdecimal::entryValidate(value, fieldWidth, decimals);
}

double book::dbRoundCeil(double value, int decimals, double* remainder)
{
    return bookdecimal::roundCeil(value, decimals, remainder);
}

double book::dbRoundDoubleRoundCeil(double value, int decimals, CString* text, int)
{
    return bookdecimal::roundCeilText(value, decimals, text);
}

BOOL book::IsDecimalValid(char* text) { return bookdecimal::isDecimalValid(text); }
