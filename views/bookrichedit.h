// bookRichEdit: the rich-edit report view. Statements append report text to it and hand it each
// report's title block with a report number; the view writes a protected report marker and the
// titles into the text and keeps the titles for repeating them on printed pages.
#pragma once

#include "tessilo40_api.h"
#include "views/bookprintoptions.h"
#include <afxrich.h>
#include <afxext.h>

#include <cstdint>
#include <vector>

struct _richEditStreamIn;
struct _richEditStreamOut;
class CEdit;
class MfcSQL;
class BookPageSQLRslt;

// The rich-edit options of a report view a page makes (added to those of its creation style):
// whole-word selection, automatic vertical and horizontal scrolling, Enter kept, selection saved.
#define BOOKRICHEDIT_REPORT_OPTIONS                                                                \
    (ECO_AUTOWORDSELECTION | ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_WANTRETURN | ECO_SAVESEL)

// One report of the text: its number and its title block.
struct _ReportID {
    long id; // -1: record free
    char titles[512];
    long positions[4]; // [0, 1): the title block in the text; -1 when unset
};

// One named column of the view's column table.
struct _bookRichEditColumn {
    int32_t id; // -1: record free
    int32_t values[2]; // -1 when unset
    char name[256];
};

class CFontDialog;

class TESSILO40_API bookRichEdit : public CRichEditView, public bookPrintOptions {
public:
    bookRichEdit();
    bookRichEdit(CWnd* parent, BookPageSQLRslt* page);
    ~bookRichEdit() override;

    // Hooks around a statement's run: a non-zero Pre result stops it; Post returns the result.
    virtual long MfcSQLExecStrPre(CEdit* edit, long* result, MfcSQL* statement);
    virtual long MfcSQLExecStrPost(CEdit* edit, long* result, MfcSQL* statement, long code);
    virtual long bookEditCreateFont(int points, char* face, int, LOGFONTA* out);
    virtual long bookEditSetFont();
    // The letterhead the report writer puts before a report, its font and its alignment (0 left,
    // 1 centred, 2 right). Owners supply them; by default the arguments stay as they are.
    virtual long bookEditSupplyLetterHead(CString* text, CPrintInfo* info);
    virtual long bookEditSupplyLetterHeadFont(LOGFONTA* font, long* points);
    virtual long bookEditSupplyAlignment(unsigned int* alignment);

    // Report markers: "[-[" number "]-]".
    CString ReportIDCreate(long id);
    long ReportIDInsert(long id, CString titles);
    long ReportIDInsert();
    long ReportIDInsertTitles(long id, CString titles);
    long ReportIDAlloc(long id, CString titles);
    long ReportIDAllocInit(_ReportID* record, long count);
    long ReportIDFree();
    CString ReportIDSupplyTitles(long id);
    _ReportID* ReportIDSupplyTitlesStruct(long id);
    // TRUE when the text at the caret is a report marker (not a page-break marker).
    BOOL IsReportID(long* id);
    long ReportIDDelete();
    // Selects the report's title range (rewritten from its record when `rewrite` is not 0),
    // makes it bold and underlined and the text behind it plain; the selection is kept.
    long ReportIDApplyFormatTitles(long id, int rewrite);

    // Loads the control from the record (rich text when "rtf" occurs at one of the first seven
    // bytes, else plain text) and saves it as rich text into the record; 1 on success, else 0.
    long getStreamIn(_richEditStreamIn* in);
    long getStreamOut(_richEditStreamOut* out);

    // Page-break markers: "[-[PAGE-BREAK]-]" with a form feed and a line end.
    long PageBreakInsert();
    long PageBreakDelete();
    BOOL IsPageBreak();
    // Finds the first page-break marker in [start, *end] and takes it out of the text; its
    // position, or -1.
    long PageBreakFind(long start, long* end);
    long PageBreakCount(long start, long end);
    long PageBreaksReplaceInit();
    long PageBreaksReplaceInsert(long position);
    long PageBreaksReplace();
    long PageBreakReplace(long position);
    // The number of the last report marker in [start, end] (the current report number when
    // there is none); -1 when that report's totals separator follows it in the range.
    long ReportIDFindLast(long start, long end, long* position);
    long ReportIDFind(long start, long end, long* position);
    long PageBreakRecordCount() const { return m_pageBreakCount; }

    // Applies the dialog's font: to the selection, or, with nothing selected, to the whole text
    // and as the view's screen font. 0x8000FFFF without a dialog.
    virtual long bookEditSetFont(CFontDialog* dialog);
    int bookEditGetFontSize() const { return m_fontPoints; }
    long bookEditGetScreenLineHeight() const { return m_screenLineHeight; }

    // Lines around the printed text and the letterhead, as owners supply them.
    virtual long bookEditSupplyHeaderLine(CString* line, CPrintInfo* info);
    virtual long bookEditSupplyFooterLine(CString* line, CPrintInfo* info);

    // The column table: named columns by identifier.
    long ColsInsert(long id, const char* name);
    long ColsAlloc(long id, const char* name);
    long ColsAllocInit(_bookRichEditColumn* records, long count);
    _bookRichEditColumn* ColsSupplyStruct(long id);
    // Not supported: -1.
    long ColsDelete(long id);
    long ColsFree();
    long ColsCount() const { return m_columnCount; }

    // Printing.
    virtual long bookpagePrint();
    virtual long bookpagePrintPreview();
    virtual long bookpagePrintTitle(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintPageNumber(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintHeader(CDC* dc, CPrintInfo* info);
    virtual long bookpagePrintFooter(CDC* dc, CPrintInfo* info);
    virtual CFont* bookEditSetPrinterFont(CFont* screenFont, CDC* dc);
    long PrintPage(CDC* dc, CPrintInfo* info, long start, long end);
    long PrintLine(CDC* dc, CPrintInfo* info, CString text, int where);
    // Margins in inches; read back in twips.
    long bookEditSetMargins(double top, double bottom, double left, double right);
    long bookEditGetMargins(double* top, double* bottom, double* left, double* right);
    long bookEditDirectPrint(int on);
    long bookEditPrintCancelled(int on);
    long bookEditPrintIsCancelled() const { return m_printCancelled; }

    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    long bookEditOutputTitleString(CString titles);
    CString bookEditGetTitleString() const { return m_title; }
    long bookEditGetReportID() const { return m_reportId; }
    long ReportIDCount() const { return m_reportCount; }

    // Appends text at the end in the given effects (CFE_*); the format at the end is set to
    // `after` effects afterwards when `plainAfter` is set.
    void bookRichEditAppend(const CString& text, DWORD effects, bool plainAfter);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    afx_msg int OnCreate(LPCREATESTRUCT cs);

    CWnd* m_parent;
    BookPageSQLRslt* m_page;
    CFont* m_font;
    int m_fontPoints;
    CString m_title;
    int m_guard; // 1 while the view changes protected marker text itself
    _ReportID* m_reports;
    long m_reportCount;
    CString m_reportMarker;
    long m_reportId;

    // Printing state.
    struct PageBreakRecord {
        long start;
        long end;
        long line;
    };
    CFont* m_printerFont;
    CFont* m_printerFontBold;
    CFont* m_printerFontBoldUnderline;
    CFont* m_previousFont;
    long m_printerLineHeight; // four times the printer font's line, for the page estimate
    long m_deviceLineHeight;
    long m_screenLineHeight;
    _bookRichEditColumn* m_columns;
    long m_columnCount;
    double m_marginTop, m_marginBottom, m_marginLeft, m_marginRight; // twips
    CRect m_marginRect; // twips
    int m_physicalX, m_physicalY;
    int m_directPrint;
    int m_printCancelled;
    int m_landscape;
    PageBreakRecord* m_pageBreaks;
    long m_pageBreakCount;
    CString m_savedTitle;
    long m_savedSelection[2]; // the user's selection, given back when the job ends
    long m_savedReportId;
    std::vector<long> m_removedBreaks; // where the running job took markers out, in order

    DECLARE_MESSAGE_MAP()

private:
    void init();
    // The first occurrence of `needle` in [from, to) of the text read window by window, or -1.
    long findText(long from, long to, const char* needle);
    void insertPageBreakAt(long position);
    long textLength();
    void setFormat(long from, long to, DWORD mask, DWORD effects);
    // The report marker at the caret: its length (0 when there is none), where it starts and
    // its number.
    long reportMarkerAtCaret(long* start, long* id);
};
