// bookRichEdit: the rich-edit report view. Statements append report text to it and hand it each
// report's title block with a report number; the view writes a protected report marker and the
// titles into the text and keeps the titles for repeating them on printed pages.
#pragma once

#include "tessilo40_api.h"
#include <afxrich.h>

class CEdit;
class MfcSQL;
class BookPageSQLRslt;

// One report of the text: its number and its title block.
struct _ReportID {
    long id; // -1: record free
    char titles[512];
    long positions[4]; // [0, 1): the title block in the text; -1 when unset
};

class TESSILO40_API bookRichEdit : public CRichEditView {
public:
    bookRichEdit();
    bookRichEdit(CWnd* parent, BookPageSQLRslt* page);
    ~bookRichEdit() override;

    // Hooks around a statement's run: a non-zero Pre result stops it; Post returns the result.
    virtual long MfcSQLExecStrPre(CEdit* edit, long* result, MfcSQL* statement);
    virtual long MfcSQLExecStrPost(CEdit* edit, long* result, MfcSQL* statement, long code);
    virtual long bookEditCreateFont(int points, char* face, int, LOGFONTA* out);
    virtual long bookEditSetFont();

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

    DECLARE_MESSAGE_MAP()

private:
    void init();
    void setFormat(long from, long to, DWORD mask, DWORD effects);
    // The report marker at the caret: its length (0 when there is none), where it starts and
    // its number.
    long reportMarkerAtCaret(long* start, long* id);
};
