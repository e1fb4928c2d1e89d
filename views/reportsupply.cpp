// The report views' letterhead supplies: the owner page's, when the view has one; otherwise the
// arguments stay as they are.
#include "sqlpages/bookpagesqlrslt.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

long bookEdit::bookEditSupplyLetterHead(CString* text, CPrintInfo*)
{
    return m_page ? m_page->bookpageSupplyLetterHead(text) : 0;
}
long bookEdit::bookEditSupplyLetterHeadFont(LOGFONTA* font, long* points)
{
    return m_page ? m_page->bookpageSupplyLetterHeadFont(font, points) : 0;
}
long bookEdit::bookEditSupplyAlignment(unsigned int* alignment)
{
    return m_page ? m_page->bookpageSupplyAlignment(alignment) : 0;
}

long bookRichEdit::bookEditSupplyLetterHead(CString* text, CPrintInfo*)
{
    return m_page ? m_page->bookpageSupplyLetterHead(text) : 0;
}
long bookRichEdit::bookEditSupplyLetterHeadFont(LOGFONTA* font, long* points)
{
    return m_page ? m_page->bookpageSupplyLetterHeadFont(font, points) : 0;
}
long bookRichEdit::bookEditSupplyAlignment(unsigned int* alignment)
{
    return m_page ? m_page->bookpageSupplyAlignment(alignment) : 0;
}
