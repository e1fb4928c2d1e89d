#include "views/bookrichedit.h"
#include "views/viewfont.h"
#include "app/richeditstream.h"

#include <cstdlib>
#include <cstring>

namespace {
const char kMarkerTemplate[] = "[-[REPORTID]-]";
const char kPageBreakPrefix[] = "[-[P";
const DWORD kPlainMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_PROTECTED;
}

BEGIN_MESSAGE_MAP(bookRichEdit, CRichEditView)
ON_WM_CREATE()
END_MESSAGE_MAP()

bookRichEdit::bookRichEdit()
    : bookRichEdit(nullptr, nullptr)
{
}

bookRichEdit::bookRichEdit(CWnd* parent, BookPageSQLRslt* page)
    : bookPrintOptions(1)
    , m_parent(parent)
    , m_page(page)
{
    init();
}

void bookRichEdit::init()
{
    m_font = nullptr;
    m_fontPoints = 0;
    m_guard = 0;
    m_reports = nullptr;
    m_reportCount = 0;
    m_reportMarker = kMarkerTemplate;
    m_reportId = -1;
    m_printerFont = m_printerFontBold = m_printerFontBoldUnderline = m_previousFont = nullptr;
    m_printerLineHeight = 0;
    m_deviceLineHeight = 0;
    m_screenLineHeight = 0;
    m_columns = nullptr;
    m_columnCount = 0;
    m_marginTop = m_marginBottom = m_marginLeft = m_marginRight = 0;
    m_physicalX = m_physicalY = 0;
    m_directPrint = 0;
    m_printCancelled = 0;
    m_landscape = 0;
    m_pageBreaks = nullptr;
    m_pageBreakCount = 0;
    m_savedReportId = -1;
    m_savedSelection[0] = m_savedSelection[1] = 0;
    char face[] = "Courier New";
    bookEditCreateFont(8, face, 1, nullptr);
}

bookRichEdit::~bookRichEdit()
{
    ColsFree();
    std::free(m_pageBreaks);
    delete m_printerFont;
    delete m_printerFontBold;
    delete m_printerFontBoldUnderline;
    ReportIDFree();
    bookEditCreateFont(0, nullptr, 0, nullptr);
}

int bookRichEdit::OnCreate(LPCREATESTRUCT cs)
{
    int rc = CRichEditView::OnCreate(cs);
    // Reports are long and carry protected markers the view guards itself.
    SendMessage(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessage(EM_SETEVENTMASK, 0, SendMessage(EM_GETEVENTMASK) | ENM_PROTECTED);
    // Report columns line up only in the view's fixed-pitch screen font.
    if (rc != -1)
        bookEditSetFont();
    return rc;
}

long bookRichEdit::MfcSQLExecStrPre(CEdit*, long*, MfcSQL*) { return 0; }

long bookRichEdit::MfcSQLExecStrPost(CEdit*, long*, MfcSQL*, long code) { return code; }

long bookRichEdit::bookEditCreateFont(int points, char* face, int, LOGFONTA* out)
{
    long rc = viewFontReplace(&m_font, points, face);
    if (!m_font)
        return rc;
    m_fontPoints = points;
    if (out)
        m_font->GetLogFont(out);
    return 0;
}

long bookRichEdit::bookEditSetFont()
{
    if (!m_font)
        return E_UNEXPECTED;
    if (m_hWnd)
        SetFont(m_font);
    return 0;
}

BOOL bookRichEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (message == WM_NOTIFY && header && header->code == EN_PROTECTED) {
        // The user never changes marker text; the view does, under its guard.
        *result = m_guard ? 0 : 1;
        return TRUE;
    }
    return CRichEditView::OnChildNotify(message, wParam, lParam, result);
}

void bookRichEdit::setFormat(long from, long to, DWORD mask, DWORD effects)
{
    CRichEditCtrl& edit = GetRichEditCtrl();
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    format.dwEffects = effects;
    edit.SetSel(from, to);
    edit.SetSelectionCharFormat(format);
}

void bookRichEdit::bookRichEditAppend(const CString& text, DWORD effects, bool plainAfter)
{
    CRichEditCtrl& edit = GetRichEditCtrl();
    long start = edit.GetTextLengthEx(GTL_DEFAULT);
    setFormat(start, start, kPlainMask, effects);
    edit.ReplaceSel(text);
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    if (plainAfter)
        setFormat(end, end, kPlainMask, 0);
    else
        edit.SetSel(end, end);
}

CString bookRichEdit::ReportIDCreate(long id)
{
    CString marker(kMarkerTemplate);
    CString number;
    number.Format("%ld", id);
    marker.Replace("REPORTID", number);
    return marker;
}

long bookRichEdit::ReportIDInsert(long id, CString titles)
{
    m_reportMarker = ReportIDCreate(id);
    if (m_reportMarker.IsEmpty())
        return 0;
    if (!titles.IsEmpty()) {
        titles = "\r\n" + titles;
        m_title = titles;
        m_reportId = id;
    }
    ReportIDAlloc(id, titles);
    if (!m_hWnd)
        return 0;
    CRichEditCtrl& edit = GetRichEditCtrl();
    long markerStart = edit.GetTextLengthEx(GTL_DEFAULT);
    ReportIDInsert();
    long titlesStart = edit.GetTextLengthEx(GTL_DEFAULT);
    ReportIDInsertTitles(id, titles);
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    if (m_reports && m_reportCount > 0) {
        m_reports[m_reportCount - 1].positions[0] = titlesStart;
        // The title range ends before the line end that follows the titles.
        m_reports[m_reportCount - 1].positions[1] = end - 1;
    }
    setFormat(markerStart, end, CFM_PROTECTED, CFE_PROTECTED);
    setFormat(end, end, kPlainMask, 0);
    return 0;
}

long bookRichEdit::ReportIDInsert()
{
    if (m_hWnd)
        bookRichEditAppend(m_reportMarker, CFE_BOLD | CFE_ITALIC, false);
    return 0;
}

long bookRichEdit::ReportIDInsertTitles(long, CString titles)
{
    if (m_hWnd)
        bookRichEditAppend(titles + "\r\n", CFE_BOLD | CFE_UNDERLINE, false);
    return 0;
}

long bookRichEdit::ReportIDAllocInit(_ReportID* record, long count)
{
    for (long i = 0; record && i < count; ++i) {
        record[i].id = -1;
        record[i].titles[0] = '\0';
        for (long& position : record[i].positions)
            position = -1;
    }
    return 0;
}

long bookRichEdit::ReportIDAlloc(long id, CString titles)
{
    auto* grown = static_cast<_ReportID*>(
        std::malloc(sizeof(_ReportID) * static_cast<size_t>(m_reportCount + 1)));
    if (!grown)
        return E_OUTOFMEMORY;
    ReportIDAllocInit(grown, m_reportCount + 1);
    if (m_reports)
        std::memcpy(grown, m_reports, sizeof(_ReportID) * static_cast<size_t>(m_reportCount));
    _ReportID& record = grown[m_reportCount];
    record.id = id;
    std::strncpy(record.titles, titles.GetString(), sizeof record.titles - 1);
    record.titles[sizeof record.titles - 1] = '\0';
    std::free(m_reports);
    m_reports = grown;
    ++m_reportCount;
    return 0;
}

long bookRichEdit::ReportIDFree()
{
    std::free(m_reports);
    m_reports = nullptr;
    m_reportCount = 0;
    return 0;
}

_ReportID* bookRichEdit::ReportIDSupplyTitlesStruct(long id)
{
    for (long i = 0; i < m_reportCount; ++i)
        if (m_reports[i].id == id)
            return &m_reports[i];
    return nullptr;
}

CString bookRichEdit::ReportIDSupplyTitles(long id)
{
    _ReportID* record = ReportIDSupplyTitlesStruct(id);
    return record ? CString(record->titles) : CString();
}

long bookRichEdit::reportMarkerAtCaret(long* start, long* id)
{
    if (!m_hWnd)
        return 0;
    CRichEditCtrl& edit = GetRichEditCtrl();
    long end = 0;
    edit.GetSel(*start, end);
    CString text;
    edit.GetTextRange(static_cast<int>(*start), static_cast<int>(*start) + 32, text);
    if (text.Find("[-[") != 0 || text.Find(kPageBreakPrefix) == 0)
        return 0;
    int close = text.Find("]-]");
    if (close < 4)
        return 0;
    if (id)
        *id = std::atol(text.Mid(3, close - 3));
    return close + 3;
}

BOOL bookRichEdit::IsReportID(long* id)
{
    long start = 0;
    return reportMarkerAtCaret(&start, id) > 0;
}

long bookRichEdit::ReportIDDelete()
{
    long start = 0;
    long length = reportMarkerAtCaret(&start, nullptr);
    if (length == 0)
        return E_FAIL;
    CRichEditCtrl& edit = GetRichEditCtrl();
    m_guard = 1;
    edit.SetSel(start, start + length);
    edit.ReplaceSel("");
    m_guard = 0;
    return 0;
}

long bookRichEdit::bookEditOutputTitleString(CString titles)
{
    m_title = titles;
    return 0;
}

long bookRichEdit::getStreamIn(_richEditStreamIn* in)
{
    if (!in || !m_hWnd)
        return 0;
    bool rtf = false;
    for (long i = 0; i < 7 && i + 3 <= in->size && in->data; ++i)
        rtf = rtf || std::strncmp(in->data + i, "rtf", 3) == 0;
    EDITSTREAM stream {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(in);
    stream.pfnCallback = EditStreamInCallback;
    m_guard = 1;
    long read = GetRichEditCtrl().StreamIn(rtf ? SF_RTF : SF_TEXT, stream);
    m_guard = 0;
    return read > 0 && stream.dwError == 0 ? 1 : 0;
}

long bookRichEdit::getStreamOut(_richEditStreamOut* out)
{
    if (!out || !m_hWnd)
        return 0;
    EDITSTREAM stream {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(out);
    stream.pfnCallback = EditStreamOutCallback;
    long written = GetRichEditCtrl().StreamOut(SF_RTF, stream);
    return written > 0 && stream.dwError == 0 && out->size > 0 ? 1 : 0;
}

long bookRichEdit::ReportIDApplyFormatTitles(long id, int rewrite)
{
    _ReportID* record = m_reportCount > 0 ? ReportIDSupplyTitlesStruct(id) : nullptr;
    if (!record || !m_hWnd || record->positions[0] < 0 || record->positions[1] < 0)
        return 0;
    CRichEditCtrl& edit = GetRichEditCtrl();
    long savedStart = 0;
    long savedEnd = 0;
    edit.GetSel(savedStart, savedEnd);
    long start = record->positions[0];
    long end = record->positions[1];
    m_guard = 1;
    if (rewrite) {
        edit.SetSel(start, end);
        edit.ReplaceSel(record->titles, FALSE);
        long caret = 0;
        edit.GetSel(caret, end);
    }
    setFormat(start, end, CFM_BOLD | CFM_UNDERLINE, CFE_BOLD | CFE_UNDERLINE);
    setFormat(end + 1, textLength(), CFM_BOLD | CFM_UNDERLINE, 0);
    m_guard = 0;
    edit.SetSel(savedStart, savedEnd);
    return 0;
}
