// BookPageSQLRslt: the "Result" page of the SQL book. It owns one output view at a time: a list of
// rows, a plain edit view or a rich-edit report view, registered as the output of the book's
// statement so that the next run writes into it. It copies the settings page's report
// preferences into the view and the statement, and supplies the letterhead, its font and its
// alignment that the report views ask their page for.
#pragma once

#include "book/bookpage.h"
#include "book/bookpageoverrides.h"
#include "tessilo40_api.h"

class BookSQL;
class BookPageSQLSet;
class bookListSQL;
class bookEdit;
class bookRichEdit;
class bookMfcSQLBookSQL;

#define IDC_BOOKSQL_RESULT 2035

class TESSILO40_API BookPageSQLRslt : public bookpage {
public:
    enum { modeNone = -1, modeList = 0, modeEdit = 1, modeReport = 2 };

    BookPageSQLRslt();
    // position -1: no tab, the report view is made at once.
    BookPageSQLRslt(book* owner, char* title, unsigned int position, long* result);
    ~BookPageSQLRslt() override;
    BookPageSQLRslt(const BookPageSQLRslt&) = delete;
    BookPageSQLRslt& operator=(const BookPageSQLRslt&) = delete;

    // Chooses the mode (0 list, 1 edit, 2 report; other values keep it) and makes its view.
    long bookpageCreate(int mode);
    BOOKPAGE_CONTENT_OVERRIDES
    HWND bookpageGetFontWindow(CFont** font, LOGFONTA* logFont) override;
    BOOKPAGE_TEXT_OVERRIDES
    BOOL bookpageDoNotify(unsigned int wParam, long lParam, long* result) override;
    using bookpage::bookpageSetFont;
    // The report font: `size` points of the logical font's face.
    virtual long bookpageSetFont(HWND window, long size, LOGFONTA* logFont);
    // The font request: a font dialog for the report view, remembered in the profile. 2 when
    // cancelled.
    virtual long bookpageSetFont();

    long PageRsltSet(int code);

    void bookpageSetPageNumbering(int on);
    void bookpageSetHeaders(int on);
    void bookpageSetFooters(int on);
    void bookpageSetLetterHeadAlign(unsigned int align);
    void bookpageSetLetterHead(int on);
    void bookpageSetTitles(int on);
    void bookpageSetTotals(int on);
    void bookpageSetDate(int on);
    void bookpageSetDecimalPlaces(unsigned int places);
    // Copies the settings page's controls into the views and the statement.
    long bookpageSetSettings();

    virtual long bookpageSupplyLetterHead(CString* text);
    virtual long bookpageSupplyLetterHeadFont(LOGFONTA* font, long* points);
    virtual long bookpageSupplyAlignment(unsigned int* align);

    int PageRsltGetMode() const { return m_mode; }
    bookListSQL* PageRsltGetList() const { return m_list; }
    bookEdit* PageRsltGetEdit() const { return m_edit; }
    bookRichEdit* PageRsltGetRichEdit() const { return m_richEdit; }
    // The current view: the report view, else the edit view, else the list; null without one.
    CWnd* PageRsltGetView() const;
    // Scrolls the view so that its last `lines` lines are in sight.
    void PageRsltScrollToEnd(int lines);
    // Hands the existing views to the statement again (after it was reconnected).
    void PageRsltRegister();

private:
    BookSQL* sqlBook();
    bookMfcSQLBookSQL* statement();
    BookPageSQLSet* settingsPage();
    CRect viewArea();
    long createList(const CRect& area);
    long createEdit(const CRect& area);
    long createReport(const CRect& area);
    void applyFontRequest();

    int m_mode;
    bookListSQL* m_list;
    bookEdit* m_edit;
    bookRichEdit* m_richEdit;
    long m_reserved;
    unsigned int m_align;
    int m_letterHead;
};
