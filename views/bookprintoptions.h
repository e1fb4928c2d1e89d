// The report views' print options: header and footer lines, page numbering, repeated titles,
// and the settings kept for owners (headers, footers, letterhead and its alignment, decimal
// places, the title separator). bookEdit and bookRichEdit both carry them.
#pragma once

#include "tessilo40_api.h"

class TESSILO40_API bookPrintOptions {
public:
    // Titles repeat on every page from the start when `titles` is not 0.
    explicit bookPrintOptions(int titles);

    // The page number takes a footer line of its own: numbering on adds one, off takes it away.
    long bookEditSetPageNumbering(int on);
    long bookEditSetTitles(int on);
    long bookEditSetHeaderLines(long lines);
    long bookEditSetFooterLines(long lines);
    long bookEditGetFooterLines() const { return m_footerLines; }

    // Settings kept for owners.
    long bookEditSetHeaders(int on);
    long bookEditSetFooters(int on);
    long bookEditSetLetterHead(int on);
    long bookEditSetLetterHeadAlign(unsigned alignment);
    long bookEditSetDecimalPlaces(unsigned places);
    int bookEditGetHeaders() const { return m_headers; }
    int bookEditGetFooters() const { return m_footers; }
    int bookEditGetLetterHead() const { return m_letterHead; }
    long bookEditGetLetterHeadAlign() const { return m_letterHeadAlign; }
    unsigned bookEditGetDecimalPlaces() const { return m_decimalPlaces; }
    char bookEditGetSeparator() const { return m_separator; }

protected:
    long m_headerLines = 0;
    long m_footerLines = 0;
    int m_pageNumbering = 0;
    int m_titles;
    int m_headers = 0;
    int m_footers = 0;
    int m_letterHead = 0;
    long m_letterHeadAlign = -1;
    unsigned m_decimalPlaces = 2;
    char m_separator = '-';
};
