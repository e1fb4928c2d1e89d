// bookEdit: the plain-text report view. Statements append report text to its edit control and
// hand it each finished title block, which it keeps for the pages that repeat it.
#pragma once

#include "tessilo40_api.h"
#include "views/bookprintoptions.h"
#include <afxext.h>

class BookPageSQLRslt;
class CFontDialog;

class TESSILO40_API bookEdit : public CEditView, public bookPrintOptions {
public:
    bookEdit();
    bookEdit(CWnd* parent, BookPageSQLRslt* page);
    ~bookEdit() override;

    // Printing, as the framework's print and preview commands run it.
    virtual long bookpagePrint();
    virtual long bookpagePrintTitle(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintHeader(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintFooter(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintPageNumber(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintPreview();

    // Replaces the screen font by `points` points of `face`; without a face only deletes it.
    virtual long bookEditCreateFont(int points, char* face);
    // Applies the screen font to the control; 0x8000FFFF when there is none.
    virtual long bookEditSetFont();
    // Replaces the screen font by the font chosen in the dialog and applies it; 0x8000FFFF
    // without a dialog.
    virtual long bookEditSetFont(CFontDialog* dialog);
    int bookEditGetFontSize() const { return m_fontPoints; }
    // The screen font scaled to the printer's resolution, used for the running job; 0x80004005
    // without a screen font or for the system font.
    virtual long bookEditSetPrinterFont(CFont* screenFont, CDC* dc);
    virtual long bookEditSupplyHeaderLine(CString* line, CPrintInfo* info);
    virtual long bookEditSupplyFooterLine(CString* line, CPrintInfo* info);
    // The letterhead the report writer puts before a report, its font and its alignment (0 left,
    // 1 centred, 2 right). Owners supply them; by default the arguments stay as they are.
    virtual long bookEditSupplyLetterHead(CString* text, CPrintInfo* info);
    virtual long bookEditSupplyLetterHeadFont(LOGFONTA* font, long* points);
    virtual long bookEditSupplyAlignment(unsigned int* alignment);

    // The letterhead, its alignment and the decimal places are kept for owners; printing here
    // does not read them. Margins in the printer's device units.
    long bookEditSetMargins(unsigned top, unsigned bottom, unsigned left, unsigned right);
    long bookEditGetLinesPerPage() const { return m_linesPerPage; }

    long bookEditOutputTitleString(CString titles);
    CString bookEditGetTitleString() const { return m_title; }

    // Inserts text at the end of the control and puts the selection back as it was. Every text
    // a statement writes comes through here, so a view that only collects the text (for a
    // command's standard output) takes it without laying anything out.
    virtual void bookEditAppend(const CString& text);

    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);

    long m_printerLineHeight;
    long m_totalLines;
    long m_linesPerPage;
    CFont* m_printerFont;
    unsigned m_marginTop;
    unsigned m_marginBottom;
    unsigned m_marginLeft;
    unsigned m_marginRight;
    CWnd* m_parent;
    BookPageSQLRslt* m_page;
    CFont* m_font;
    int m_fontPoints;
    CString m_title;

    DECLARE_MESSAGE_MAP()

private:
    void init();
};
