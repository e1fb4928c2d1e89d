// BookPageHttp: a book page with a small child dialog (template 1008) whose "Ftp" button opens
// the FTP browser modally, and below it a rich-edit text area for output. Clipboard, printing
// and file commands are accepted and do nothing.
#pragma once

#include "tessilo40_api.h"
#include "book/bookpage.h"
#include "book/bookpageoverrides.h"

class bookRichEdit;

class TESSILO40_API BookPageHttp : public bookpage {
public:
    // Inserts the tab and creates the child dialog (hidden until the book shows the page);
    // *status is E_FAIL when the dialog cannot be created.
    BookPageHttp(book* owner, char* name, unsigned int flags, long* status);
    BookPageHttp();
    BookPageHttp(const BookPageHttp& other);
    BookPageHttp& operator=(const BookPageHttp&) = delete;
    ~BookPageHttp() override;

    BOOKPAGE_CONTENT_OVERRIDES
    BOOKPAGE_TEXT_OVERRIDES

    HWND bookpageGetFontWindow(CFont** font);
    void Put();
    void PutVitals();
    void GetVitals();
    CString GetItemSelectedLocal();
    CString GetItemSelectedHost();

    HWND GetDialogWindow() const { return m_hDialog; }
    bookRichEdit* GetTextArea() const { return m_pText; }

    // The page whose child dialog initialised last, and its book.
    static BookPageHttp* CurrentPage();
    static book* CurrentBook();

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // The area of the page: the book owner's client rectangle less 60 pixels on the right and
    // 10 at the bottom.
    CRect pageArea();
    void applyFontRequest();

    HWND m_hDialog = nullptr;
    bookRichEdit* m_pText = nullptr;
    CFont* m_pFont = nullptr; // the font request's font of the text area
};
