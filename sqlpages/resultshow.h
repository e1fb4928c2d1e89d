// Showing the result view while a run writes rows into it. Without it, nothing is painted until
// the run returns to the event loop, however soon the first rows are written: once the rows that
// fill the view are in, the book turns to its result page (when it turns there after runs) and the
// view is painted; after that it is painted again a few times a second while rows keep coming.
#pragma once

#include <chrono>

class BookSQL;
class CWnd;

class ResultShow {
public:
    // A run begins.
    void reset() { *this = ResultShow(); }
    // Whether the view is to be painted now that `rows` rows have been written into it.
    bool due(long rows, CWnd* view);
    // Turns the book to the result page, when its statement does so after runs, and paints the
    // result view.
    static void show(BookSQL& book);

private:
    long m_screenRows = -1; // the rows that fill the view; -1 until measured
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_last;
};
