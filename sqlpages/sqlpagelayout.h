// Where the SQL book's pages put their views: inside the client area of the window that holds the
// book, from (10, 52) to the right edge less `rightMargin` and the bottom less the strip that
// holds the query page's buttons.
#pragma once

#include "book/book.h"

const int kSqlPageLeft = 10;
const int kSqlPageTop = 52;
const int kSqlPageBottomStrip = 105;

inline CRect sqlPageViewArea(book* owner, int rightMargin = 20)
{
    CRect client(0, 0, 0, 0);
    CWnd* holder = owner ? owner->bookGetOwner() : nullptr;
    if (holder && holder->GetSafeHwnd())
        holder->GetClientRect(&client);
    else if (owner && owner->GetSafeHwnd())
        owner->GetClientRect(&client);
    CRect area(
        kSqlPageLeft, kSqlPageTop, client.right - rightMargin, client.bottom - kSqlPageBottomStrip);
    if (area.right < area.left)
        area.right = area.left;
    if (area.bottom < area.top)
        area.bottom = area.top;
    return area;
}
