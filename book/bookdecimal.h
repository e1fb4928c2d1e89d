// Decimal entry helpers behind the book's FormatDecimalPlace, dbEntryValidate, dbRoundCeil,
// dbRoundDoubleRoundCeil and IsDecimalValid: plain functions on doubles and texts, no state.
// Numbers are printed and read back with a '.' decimal point whatever the process locale is.
#pragma once

#include "tessilo40_api.h"
#include <afxstr.h>

namespace bookdecimal {

// Prints the value as "%<width>.<precision>f", rounds the value to that print and, when a text is
// given, makes the text that print right-aligned in fieldWidth. An empty text becomes "0.0".
// A fieldWidth of 0 changes nothing. Always returns 0.
TESSILO40_API long formatDecimalPlace(
    CString* text, int width, int precision, unsigned int fieldWidth, double* value);

// Rounds *value to `decimals` places and returns it as text without surrounding spaces.
TESSILO40_API CString entryValidate(double* value, int fieldWidth, int decimals);

// Rounds towards positive infinity at `decimals` places; *remainder gets the dropped part.
TESSILO40_API double roundCeil(double value, int decimals, double* remainder);

// roundCeil, then prints the result with `decimals` decimals into *text and reads it back.
TESSILO40_API double roundCeilText(double value, int decimals, CString* text);

// Digits, '+' anywhere, one '-' before any other sign and one '.'; nothing else.
TESSILO40_API BOOL isDecimalValid(const char* text);

// printf's "%*.*f" with a '.' decimal point: a negative width left-aligns, a negative precision
// means 6. Widths are capped at 4096 columns so that a wild argument cannot exhaust memory.
TESSILO40_API CString printFixed(double value, int width, int precision);

// printf's "%.*f" with a '.' decimal point into [first, last) for precisions up to 60 (a negative
// one means 6), where 400 characters always suffice; returns the end of the text, or nullptr when
// the precision is larger or the room too small. No allocation: for one number per report cell.
TESSILO40_API char* printFixedTo(char* first, char* last, double value, int precision);

// The C library's text-to-double conversion with a '.' decimal point: the leading number of the
// text (leading blanks skipped), 0 when it starts with none, plus or minus HUGE_VAL beyond range.
TESSILO40_API double leadingNumber(const char* text);

} // namespace bookdecimal
