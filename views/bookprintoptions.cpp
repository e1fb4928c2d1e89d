#include "views/bookprintoptions.h"

bookPrintOptions::bookPrintOptions(int titles)
    : m_titles(titles)
{
}

long bookPrintOptions::bookEditSetPageNumbering(int on)
{
    if (on)
        ++m_footerLines;
    else if (m_footerLines > 0)
        --m_footerLines;
    m_pageNumbering = on;
    return 0;
}

long bookPrintOptions::bookEditSetTitles(int on)
{
    m_titles = on;
    return 0;
}

long bookPrintOptions::bookEditSetHeaderLines(long lines)
{
    m_headerLines = lines;
    return 0;
}

long bookPrintOptions::bookEditSetFooterLines(long lines)
{
    m_footerLines = lines;
    return 0;
}

long bookPrintOptions::bookEditSetHeaders(int on)
{
    m_headers = on;
    return 0;
}

long bookPrintOptions::bookEditSetFooters(int on)
{
    m_footers = on;
    return 0;
}

long bookPrintOptions::bookEditSetLetterHead(int on)
{
    m_letterHead = on;
    return 0;
}

long bookPrintOptions::bookEditSetLetterHeadAlign(unsigned alignment)
{
    m_letterHeadAlign = static_cast<long>(alignment);
    return 0;
}

long bookPrintOptions::bookEditSetDecimalPlaces(unsigned places)
{
    m_decimalPlaces = places;
    return 0;
}
