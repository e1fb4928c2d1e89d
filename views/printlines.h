// Helpers the printing views share: printer fonts made from screen fonts, measured line heights
// and the lines drawn around the printed text.
#pragma once

#include <afxext.h>

#include <vector>

// The screen font's log font scaled from screen to printer pixels per inch (weight and underline
// changed when given: FW_DONTCARE keeps the weight); NULL without a font or for the system font.
CFont* printerFontFrom(CFont* screenFont, CDC* dc, LONG weight, BOOL underline);
// Character height plus external leading of `points` points of `face` on the device context.
long lineHeightOf(CDC* dc, int points, const char* face);
// Draws the non-empty lines of text at x, the first at *y, each next one `step` device units
// further (a negative step goes up the page); *y ends past the last line. The number of
// characters drawn.
long drawTextLines(CDC* dc, int x, long* y, long step, const CString& text);
// The page number line printed at the bottom of a page: "Page " and the number.
CString pageNumberText(UINT page);
// The non-empty lines of a title block (split at line feeds, carriage returns dropped).
std::vector<CString> titleLines(const CString& titles);
