// bookEdit: the plain-text report view. Statements append report text to its edit control and
// hand it each finished title block, which it keeps for the pages that repeat it.
#pragma once

#include "tessilo40_api.h"
#include <afxext.h>

class BookPageSQLRslt;

class TESSILO40_API bookEdit : public CEditView {
public:
    bookEdit();
    bookEdit(CWnd* parent, BookPageSQLRslt* page);
    ~bookEdit() override;

    // Replaces the screen font by `points` points of `face`; without a face only deletes it.
    virtual long bookEditCreateFont(int points, char* face);
    // Applies the screen font to the control; 0x8000FFFF when there is none.
    virtual long bookEditSetFont();
    int bookEditGetFontSize() const { return m_fontPoints; }

    long bookEditOutputTitleString(CString titles);
    CString bookEditGetTitleString() const { return m_title; }

    // Inserts text at the end of the control and puts the selection back as it was.
    void bookEditAppend(const CString& text);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);

    CWnd* m_parent;
    BookPageSQLRslt* m_page;
    CFont* m_font;
    int m_fontPoints;
    CString m_title;

    DECLARE_MESSAGE_MAP()

private:
    void init();
};
