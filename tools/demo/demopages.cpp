#include "demopages.h"

namespace {

const int kMargin = 10;

CString period(const char* name, const CTime& from, const CTime& to)
{
    CString line;
    line.Format("%-16s %s  to  %s", name, from.Format("%a %d %b %Y %H:%M:%S").GetString(),
        to.Format("%a %d %b %Y %H:%M:%S").GetString());
    return line;
}

} // namespace

BEGIN_MESSAGE_MAP(demoSheet, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

void demoSheet::OnPaint()
{
    CPaintDC dc(this);
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    TEXTMETRICA metrics {};
    dc.GetTextMetrics(&metrics);
    int lineHeight = metrics.tmHeight + metrics.tmExternalLeading + 2;
    int y = kMargin;
    for (const CString& line : lines) {
        dc.TextOut(kMargin, y, line);
        y += lineHeight;
    }
    if (old)
        dc.SelectObject(old);
}

demoSheetPage::demoSheetPage(book* owner, const char* title, unsigned int index, long* status)
    : bookpage(owner, const_cast<char*>(title), index, status)
{
}

demoSheetPage::~demoSheetPage() { demoSheetPage::bookpageDestroy(); }

long demoSheetPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    if (!m_sheet.CreateEx(0, nullptr, "", WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), owner, 0))
        return E_FAIL;
    m_sheet.font = owner->bookGetFont();
    m_sheet.lines = sheetLines();
    return 0;
}

long demoSheetPage::bookpageDestroy()
{
    if (m_sheet.GetSafeHwnd())
        m_sheet.DestroyWindow();
    return 0;
}

long demoSheetPage::bookpageChanging()
{
    if (m_sheet.GetSafeHwnd())
        m_sheet.ShowWindow(SW_HIDE);
    return bookpage::bookpageChanging();
}

long demoSheetPage::bookpageChange()
{
    layout();
    if (m_sheet.GetSafeHwnd())
        m_sheet.ShowWindow(SW_SHOW);
    return bookpage::bookpageChange();
}

long demoSheetPage::bookpageSize(unsigned int, int, int)
{
    layout();
    return 0;
}

// The sheet fills the book's display area (below the tabs) less a margin.
void demoSheetPage::layout()
{
    book* owner = bookpageGetOwner();
    if (!owner || !owner->GetSafeHwnd() || !m_sheet.GetSafeHwnd())
        return;
    CRect area;
    owner->GetClientRect(&area);
    owner->AdjustRect(FALSE, &area);
    area.DeflateRect(kMargin, kMargin);
    m_sheet.MoveWindow(area.left, area.top, area.Width(), area.Height());
}

demoReadingsPage::demoReadingsPage(book* owner, unsigned int index, long* status)
    : demoSheetPage(owner, "Readings", index, status)
{
    long result = bookpageInit(const_cast<char*>("Readings"), index);
    if (status)
        *status = result;
}

std::vector<CString> demoReadingsPage::sheetLines()
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
    std::vector<CString> lines { "Meter                    Previous     Current      Volume",
        "----------------------  -----------  -----------  ----------" };
    double total = 0;
    for (const auto& r : readings) {
        CString previous, current, volume;
        double a = r.previous, b = r.current, used = r.current - r.previous;
        owner->FormatDecimalPlace(&previous, 11 - places, 0, places, 11, &a);
        owner->FormatDecimalPlace(&current, 11 - places, 0, places, 11, &b);
        owner->FormatDecimalPlace(&volume, 10 - places, 0, places, 10, &used);
        total += used;
        CString line;
        line.Format("%-22s  %s  %s  %s", r.meter, previous.GetString(), current.GetString(),
            volume.GetString());
        lines.push_back(line);
    }
    CString sum;
    owner->FormatDecimalPlace(&sum, 10 - places, 0, places, 10, &total);
    CString rule, totalLine;
    rule.Format("%-22s  %11s  %11s  %s", "", "", "", "----------");
    totalLine.Format("%-22s  %11s  %11s  %s", "Total volume", "", "", sum.GetString());
    lines.push_back(rule);
    lines.push_back(totalLine);
    lines.push_back(CString());
    CString rounded;
    owner->dbRoundDoubleRoundCeil(2.001, places, &rounded, 0);
    lines.push_back(
        "2.001 rounded up to " + CString(std::to_string(places).c_str()) + " places: " + rounded);
    lines.push_back("Log file: " + owner->bookLogGetFile());
    return lines;
}

demoWaterWeekPage::demoWaterWeekPage(book* owner, unsigned int index, long* status)
    : demoSheetPage(owner, "Water week", index, status)
{
    long result = bookpageInit(const_cast<char*>("Water week"), index);
    if (status)
        *status = result;
}

std::vector<CString> demoWaterWeekPage::sheetLines()
{
    book* owner = bookpageGetOwner();
    CTime from, to;
    std::vector<CString> lines;
    owner->bookCalendarsGetCurrentWeek(&from, &to);
    lines.push_back(period("Current week", from, to));
    owner->bookCalendarsGetPreviousWeek(&from, &to);
    lines.push_back(period("Previous week", from, to));
    owner->bookCalendarsGetNextWeek(&from, &to);
    lines.push_back(period("Next week", from, to));
    lines.push_back(CString());
    CTime day = CTime::GetCurrentTime();
    CTime snapped = owner->bookCalendarsBackToWaterWeekDayEnd(1, day);
    lines.push_back("Back to Sunday:  " + snapped.Format("%a %d %b %Y %H:%M:%S"));
    return lines;
}
