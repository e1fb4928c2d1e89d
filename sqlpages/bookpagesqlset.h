// BookPageSQLSet: the "Settings" page of the SQL book, a modeless dialog (template 1000) that
// shows the connect string, reconnects the book's statement ("Set Database..."), and edits the
// report, letterhead, log and snap-to preferences kept in the profile. Leaving the page saves
// them; single boxes tell the result page at once.
#pragma once

#include "book/bookpage.h"
#include "book/bookpageoverrides.h"
#include "tessilo40_api.h"

class BookSQL;
class mfcDateSel;

class TESSILO40_API BookPageSQLSet : public bookpage {
public:
    BookPageSQLSet();
    BookPageSQLSet(book* owner, char* title, unsigned int image, long* result);
    ~BookPageSQLSet() override;
    BookPageSQLSet(const BookPageSQLSet&) = delete;
    BookPageSQLSet& operator=(const BookPageSQLSet&) = delete;

    BOOKPAGE_CONTENT_OVERRIDES
    long bookpageMove(int x, int y) override;
    void bookpageButtonProcessReadOnly() override;
    long bookpageSetFont(HWND window, LOGFONTA* logFont) override;
    long bookpageSetFont(HWND window) override;
    using bookpage::bookpageSetFont;
    virtual long bookpageSetFont(HWND window, int size, char* face);
    // Applies and stores a letterhead font chosen in the dialog.
    virtual long bookpageSetFont(HWND window, CFontDialog* dialog);

    // A new date selection for a snap-to day, over the dialog.
    virtual void GetDate();
    long bookpageCreateFont(int size, char* face);

    HWND PageSetGetDialog() const { return m_dialog; }
    // The open date selection for a snap-to day (null when none) and its kind (1 week, 2 month,
    // 3 year; -1 none).
    mfcDateSel* PageSetGetDateSel() const { return m_date; }
    int PageSetGetDateKind() const { return m_dateKind; }

private:
    BookSQL* sqlBook();
    void initDialog();
    void readSnapTo();
    void save();
    void changeDatabase();
    void command(int id, int code);
    void logSizeChanged();
    void dateDone();
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    CFont* m_font;
    HFONT m_fontHandle;
    HWND m_dialog;
    mfcDateSel* m_date;
    int m_dateKind;
};
