// BookPageSQL: the "Query" page of the SQL book. A multi-line edit view for the SQL text, an
// "Execute" button that runs the whole text through the book's statement, a "Reset" button that
// empties the text and the output, and an "All Output" check box: checked, the result page shows
// a formatted report; unchecked, a list of rows. After a run the book turns to the result page,
// or back to the query page when the run failed.
#pragma once

#include "book/bookpage.h"
#include "book/bookpageoverrides.h"
#include "tessilo40_api.h"
#include "views/bookedit.h"

#include <afxwin.h>

class BookSQL;
class bookMfcSQLBookSQL;

#define IDC_BOOKSQL_QUERY 2026
#define IDC_BOOKSQL_EXECUTE 2028
#define IDC_BOOKSQL_RESET 2029
#define IDC_BOOKSQL_ALLOUTPUT 2030
#define IDC_BOOKSQL_PAGE 2025

class TESSILO40_API BookPageSQL : public bookpage {
public:
    BookPageSQL();
    BookPageSQL(book* owner, char* title, unsigned int image, long* result);
    ~BookPageSQL() override;
    BookPageSQL(const BookPageSQL&) = delete;
    BookPageSQL& operator=(const BookPageSQL&) = delete;

    BOOKPAGE_CONTENT_OVERRIDES
    void bookpageButtonProcessReadOnly() override;
    HWND bookpageGetFontWindow(CFont** font, LOGFONTA* logFont) override;
    BOOKPAGE_TEXT_OVERRIDES
    using bookpage::bookpageSetFont;

    long PageQueryPage(int code, long* count);
    // Runs the whole text of the edit view; the run's result.
    long PageQueryOk(int code, long* count);
    // Makes sure the result page has the view the "All Output" box asks for.
    long PageQueryOKSet();
    // Turns the book to the result page (result 0) or the query page, enables the result view.
    long PageQueryOKSetDone(long result);
    long PageQueryCancel(int code);

    bookEdit& PageQueryGetEdit() { return m_edit; }
    CButton& PageQueryGetAllOutput() { return m_allOutput; }

private:
    BookSQL* sqlBook();
    bookMfcSQLBookSQL* statement();
    void showWindows(int show);
    long fileTransfer(bool open);

    bookEdit m_edit;
    CButton m_execute;
    CButton m_reset;
    CButton m_allOutput;
};
