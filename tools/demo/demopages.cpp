#include "demopages.h"

#include <afx.h>

namespace {

const int kMargin = 10;
const int kLabelHeight = 18;
const int kCalendarWidth = 230;
const int kCalendarHeight = 180;

CString dayAndTime(const CTime& t) { return t.Format("%a %d %b %Y %H:%M:%S"); }

} // namespace

demoPage::demoPage(book* owner, const char* title, unsigned int index, long* status)
    : bookpage(owner, const_cast<char*>(title), index, status)
{
}

long demoPage::bookpageChanging()
{
    showWindows(false);
    return bookpage::bookpageChanging();
}

long demoPage::bookpageChange()
{
    placeWindows();
    showWindows(true);
    return bookpage::bookpageChange();
}

long demoPage::bookpageSize(unsigned int, int, int)
{
    placeWindows();
    return 0;
}

CRect demoPage::displayArea()
{
    book* owner = bookpageGetOwner();
    CRect area(0, 0, 0, 0);
    if (!owner || !owner->GetSafeHwnd())
        return area;
    owner->GetClientRect(&area);
    owner->AdjustRect(FALSE, &area);
    area.DeflateRect(kMargin, kMargin);
    return area;
}

void demoPage::placeWindows()
{
    CRect area = displayArea();
    if (!area.IsRectEmpty())
        layout(area);
}

void demoPage::showWindows(bool show)
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

demoWaterWeekPage::demoWaterWeekPage(book* owner, unsigned int index, long* status)
    : demoPage(owner, "Water week", index, status)
{
    long result = bookpageInit(const_cast<char*>("Water week"), index);
    if (status)
        *status = result;
}

demoWaterWeekPage::~demoWaterWeekPage() { demoWaterWeekPage::bookpageDestroy(); }

long demoWaterWeekPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    CRect cell(0, 0, kCalendarWidth, kCalendarHeight);
    if (!m_fromLabel.Create("From (start calendar)", WS_CHILD, cell, owner, demoFromLabelId)
        || !m_toLabel.Create("To (end calendar)", WS_CHILD, cell, owner, demoToLabelId)
        || !m_start.Create(WS_CHILD | WS_BORDER, cell, owner, demoStartId)
        || !m_end.Create(WS_CHILD | WS_BORDER, cell, owner, demoEndId)
        || !m_period.Create("", WS_CHILD, cell, owner, demoPeriodId)) {
        bookpageDestroy();
        return E_FAIL;
    }
    owner->bookCalendarsSetCurrentWeek(m_start.GetSafeHwnd(), m_end.GetSafeHwnd());
    showPeriod();
    return 0;
}

long demoWaterWeekPage::bookpageDestroy()
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

// A day picked in either calendar snaps both to the water week around it.
BOOL demoWaterWeekPage::bookpageDoNotify(unsigned int, long lParam, long* result)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->code != MCN_SELCHANGE || m_snapping)
        return FALSE;
    HWND reference = header->hwndFrom;
    if (reference != m_start.GetSafeHwnd() && reference != m_end.GetSafeHwnd())
        return FALSE;
    m_snapping = true;
    bookpageGetOwner()->bookCalendarsSnapToWeek(
        m_start.GetSafeHwnd(), m_end.GetSafeHwnd(), reference);
    m_snapping = false;
    showPeriod();
    if (result)
        *result = 0;
    return TRUE;
}

void demoWaterWeekPage::layout(const CRect& area)
{
    int left = area.left;
    int right = left + kCalendarWidth + kMargin * 2;
    int top = area.top + kLabelHeight + 4;
    m_fromLabel.MoveWindow(left, area.top, kCalendarWidth, kLabelHeight);
    m_toLabel.MoveWindow(right, area.top, kCalendarWidth, kLabelHeight);
    m_start.MoveWindow(left, top, kCalendarWidth, kCalendarHeight);
    m_end.MoveWindow(right, top, kCalendarWidth, kCalendarHeight);
    m_period.MoveWindow(left, top + kCalendarHeight + kMargin, area.Width(), kLabelHeight * 3);
}

std::vector<CWnd*> demoWaterWeekPage::windows()
{
    return { &m_fromLabel, &m_toLabel, &m_start, &m_end, &m_period };
}

void demoWaterWeekPage::showPeriod()
{
    book* owner = bookpageGetOwner();
    CTime from, to;
    owner->bookSQLCalendarsGet(m_start.GetSafeHwnd(), m_end.GetSafeHwnd(), &from, &to);
    CString text = "Period:  " + dayAndTime(from) + "  to  " + dayAndTime(to) + "\n";
    text += owner->bookCalendarsIsCurrentWeek(from, to) ? "This is the current water week."
                                                        : "Not the current water week.";
    text += "  Pick a day to snap to its water week.";
    m_period.SetWindowText(text);
}

demoTextPage::demoTextPage(
    book* owner, const char* title, unsigned int index, long* status, UINT headingId)
    : demoPage(owner, title, index, status)
    , m_headingId(headingId)
{
}

long demoTextPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    CRect cell(0, 0, 100, 100);
    DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    if (!m_heading.Create("", WS_CHILD, cell, owner, m_headingId)
        || !m_text.Create(style, cell, owner, m_headingId + 1)) {
        bookpageDestroy();
        return E_FAIL;
    }
    if (CFont* font = owner->bookGetFont())
        m_text.SetFont(font, FALSE);
    refresh();
    return 0;
}

long demoTextPage::bookpageDestroy()
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

void demoTextPage::refresh()
{
    if (m_heading.GetSafeHwnd())
        m_heading.SetWindowText(heading());
    if (m_text.GetSafeHwnd())
        m_text.SetWindowText(content());
}

void demoTextPage::layout(const CRect& area)
{
    m_heading.MoveWindow(area.left, area.top, area.Width(), kLabelHeight);
    int top = area.top + kLabelHeight + 4;
    m_text.MoveWindow(area.left, top, area.Width(), area.bottom - top);
}

std::vector<CWnd*> demoTextPage::windows() { return { &m_heading, &m_text }; }

demoReadingsPage::demoReadingsPage(book* owner, unsigned int index, long* status)
    : demoTextPage(owner, "Readings", index, status, demoReadingsHeadingId)
{
    long result = bookpageInit(const_cast<char*>("Readings"), index);
    if (status)
        *status = result;
}

demoReadingsPage::~demoReadingsPage() { demoReadingsPage::bookpageDestroy(); }

CString demoReadingsPage::heading()
{
    CString text;
    text.Format("Meter readings, rounded to %d places (profile key \"DecimalPlaces\")",
        bookpageGetOwner()->bookGetDecimalPlaces());
    return text;
}

// The meter table, every number rounded and aligned by the book's decimal helpers.
CString demoReadingsPage::content()
{
    book* owner = bookpageGetOwner();
    struct {
        const char* meter;
        double previous;
        double current;
    } readings[] = { { "M-1021 Canal head", 1520.125, 1598.4 },
        { "M-1044 Lateral 3", 87.5, 91.219 }, { "M-2107 North ditch", 4411.0, 4472.666 },
        { "M-3310 Reservoir out", 12.0, 12.004 } };
    int places = owner->bookGetDecimalPlaces();
    CString text = "Meter                    Previous      Current      Volume\r\n"
                   "----------------------  -----------  -----------  ----------\r\n";
    double total = 0;
    for (const auto& r : readings) {
        CString previous, current, volume;
        double a = r.previous, b = r.current, used = r.current - r.previous;
        owner->FormatDecimalPlace(&previous, 11 - places, 0, places, 11, &a);
        owner->FormatDecimalPlace(&current, 11 - places, 0, places, 11, &b);
        owner->FormatDecimalPlace(&volume, 10 - places, 0, places, 10, &used);
        total += used;
        CString line;
        line.Format("%-22s  %s  %s  %s\r\n", r.meter, previous.GetString(), current.GetString(),
            volume.GetString());
        text += line;
    }
    CString sum, line;
    owner->FormatDecimalPlace(&sum, 10 - places, 0, places, 10, &total);
    line.Format("%-22s  %11s  %11s  %s\r\n%-22s  %11s  %11s  %s\r\n\r\n", "", "", "", "----------",
        "Total volume", "", "", sum.GetString());
    text += line;
    CString rounded;
    owner->dbRoundDoubleRoundCeil(2.001, places, &rounded, 0);
    line.Format("2.001 rounded up to %d places: %s\r\n", places, rounded.GetString());
    text += line;
    double entry = 3.14159;
    CString validated = owner->dbEntryValidate(&entry, 10, places, nullptr);
    line.Format("Entry 3.14159 validated: %s\r\n", validated.GetString());
    text += line;
    for (const char* candidate : { "12.5", "1.2.3" }) {
        line.Format("\"%s\" is %s decimal\r\n", candidate,
            owner->IsDecimalValid(const_cast<char*>(candidate)) ? "a valid" : "not a valid");
        text += line;
    }
    return text;
}

demoLogPage::demoLogPage(book* owner, unsigned int index, long* status)
    : demoTextPage(owner, "Log", index, status, demoLogHeadingId)
{
    long result = bookpageInit(const_cast<char*>("Log"), index);
    if (status)
        *status = result;
}

demoLogPage::~demoLogPage() { demoLogPage::bookpageDestroy(); }

long demoLogPage::bookpageChange()
{
    refresh();
    return demoTextPage::bookpageChange();
}

CString demoLogPage::heading()
{
    return "Log file " + bookpageGetOwner()->bookLogGetFile() + "  (right click here to clear it)";
}

CString demoLogPage::content()
{
    book* owner = bookpageGetOwner();
    CFile file;
    if (!file.Open(owner->bookLogGetFile(), CFile::modeRead | CFile::shareDenyNone))
        return "(no log file yet)";
    ULONGLONG length = file.GetLength();
    CString log;
    UINT size = static_cast<UINT>(length);
    if (size > 0) {
        char* buffer = log.GetBuffer(static_cast<int>(size));
        size = file.Read(buffer, size);
        log.ReleaseBuffer(static_cast<int>(size));
    }
    return log;
}

// A right click on the heading, seen by the book's mouse hook, asks before clearing. (The text
// view keeps right clicks for its own edit menu.)
void demoLogPage::MouseRButtonDown(unsigned int, CPoint screenPoint)
{
    CRect shown;
    if (!m_heading.GetSafeHwnd() || !m_heading.IsWindowVisible())
        return;
    m_heading.GetWindowRect(&shown);
    if (!shown.PtInRect(screenPoint))
        return;
    bookpageGetOwner()->bookMessageBox(nullptr, CString("Log"),
        CString("Clear the log file?\n\nYes keeps a copy in the \".bak\" file."), MB_YESNO,
        nullptr);
}

void demoLogPage::bookpageMessageBoxCatch(_bookMessageBox* box)
{
    book* owner = bookpageGetOwner();
    if (box && box->type == IDYES)
        owner->bookLogInitFile(TRUE);
    owner->bookMessageBoxDestroy();
    refresh();
}
