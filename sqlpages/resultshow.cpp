#include "sqlpages/resultshow.h"

#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesqlrslt.h"

#include <afxwin.h>

namespace {

// Repaints after the first screen only show that rows keep coming (the scroll bar, the report's
// end): a few a second. Each one makes the view take in every row written since the last, which
// costs the list view in proportion to all its rows; a repaint each frame (16 ms) doubled the time
// of a 200,000-row list.
constexpr std::chrono::milliseconds kRefresh(250);

// The text lines that fit the view's client area in its font: a screenful of rows, titles
// included, so never fewer than the rows it shows.
long screenRows(CWnd* view)
{
    CRect area;
    view->GetClientRect(&area);
    CClientDC dc(view);
    CFont* font = view->GetFont();
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    TEXTMETRICA metrics {};
    BOOL measured = dc.GetTextMetrics(&metrics);
    if (old)
        dc.SelectObject(old);
    long line = measured ? metrics.tmHeight + metrics.tmExternalLeading : 0;
    return line > 0 ? area.Height() / line + 1 : 1;
}

} // namespace

bool ResultShow::due(long rows, CWnd* view)
{
    if (!view || !view->GetSafeHwnd())
        return false;
    if (!m_shown) {
        if (m_screenRows < 0)
            m_screenRows = screenRows(view);
        if (rows < m_screenRows)
            return false;
        m_shown = true;
        m_last = std::chrono::steady_clock::now();
        return true;
    }
    auto now = std::chrono::steady_clock::now();
    if (now - m_last < kRefresh)
        return false;
    m_last = now;
    return true;
}

void ResultShow::show(BookSQL& book)
{
    BookPageSQLRslt* page = book.bookSQLGetResultPage();
    CWnd* view = page ? page->PageRsltGetView() : nullptr;
    if (!view || !view->GetSafeHwnd())
        return;
    bookMfcSQLBookSQL* sql = book.bookSQLGetStatement();
    int target = book.bookSQLGetResultPageNumber();
    if (sql && sql->m_resultPageDone == 1 && target >= 0 && book.bookGetPageCurrentIdx() != target)
        book.bookToPage(static_cast<unsigned int>(target));
    view->UpdateWindow();
}
