#include "demopages.h"

#include <cstdio>

namespace {

const int kMargin = 10;

HWND makeChild(HWND parent, const char* windowClass, const char* text, DWORD style)
{
    return ::CreateWindowEx(0, windowClass, text, WS_CHILD | style, 0, 0, 10, 10, parent, nullptr,
        nullptr, nullptr);
}

} // namespace

demoPane::demoPane(book* owner, const char* title, unsigned int index, long* status)
    : bookpage(owner, const_cast<char*>(title), index, status)
{
}

demoPane::~demoPane() { }

void demoPane::own(HWND window)
{
    if (window)
        m_windows.push_back(window);
}

long demoPane::bookpageDestroy()
{
    for (HWND window : m_windows)
        ::DestroyWindow(window);
    m_windows.clear();
    return 0;
}

long demoPane::bookpageChanging()
{
    for (HWND window : m_windows)
        ::ShowWindow(window, SW_HIDE);
    return bookpage::bookpageChanging();
}

long demoPane::bookpageChange()
{
    layout(paneRect());
    for (HWND window : m_windows)
        ::ShowWindow(window, SW_SHOW);
    return bookpage::bookpageChange();
}

long demoPane::bookpageSize(unsigned int, int, int)
{
    layout(paneRect());
    return 0;
}

CRect demoPane::paneRect()
{
    CRect area(0, 0, 0, 0);
    book* owner = bookpageGetOwner();
    if (!owner || !owner->GetSafeHwnd())
        return area;
    owner->GetClientRect(&area);
    owner->AdjustRect(FALSE, &area);
    area.DeflateRect(kMargin, kMargin);
    return area;
}

demoReadingsPage::demoReadingsPage(book* owner, unsigned int index, long* status)
    : demoPane(owner, "Readings", index, status)
{
    long result = bookpageInit(const_cast<char*>("Readings"), index);
    if (status)
        *status = result;
}

demoReadingsPage::~demoReadingsPage() { bookpageDestroy(); }

long demoReadingsPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    m_text = makeChild(owner->GetSafeHwnd(), "EDIT", "",
        WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL);
    if (!m_text)
        return E_FAIL;
    own(m_text);
    if (CFont* font = owner->bookGetFont())
        ::SendMessage(m_text, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), FALSE);

    struct {
        const char* meter;
        double previous;
        double current;
    } readings[] = { { "M-1021 Canal head", 1520.125, 1598.4 }, { "M-1044 Lateral 3", 87.5, 91.219 },
        { "M-2107 North ditch", 4411.0, 4472.666 }, { "M-3310 Reservoir out", 12.0, 12.004 } };
    int places = owner->bookGetDecimalPlaces();
    CString text("Meter                      Previous     Current      Volume\r\n");
    text += "-------------------------  -----------  -----------  ----------\r\n";
    for (const auto& r : readings) {
        CString previous, current, volume;
        double a = r.previous, b = r.current, used = r.current - r.previous;
        owner->FormatDecimalPlace(&previous, 11 - places, 0, places, 11, &a);
        owner->FormatDecimalPlace(&current, 11 - places, 0, places, 11, &b);
        owner->FormatDecimalPlace(&volume, 10 - places, 0, places, 10, &used);
        CString line;
        line.Format("%-25s  %s  %s  %s\r\n", r.meter, previous.GetString(), current.GetString(),
            volume.GetString());
        text += line;
    }
    CTime from, to;
    owner->bookCalendarsGetCurrentWeek(&from, &to);
    text += "\r\nWater week: " + from.Format("%a %d %b %Y") + " to " + to.Format("%a %d %b %Y") + "\r\n";
    text += "Log file: " + owner->bookLogGetFile() + "\r\n";
    ::SetWindowText(m_text, text);
    return 0;
}

void demoReadingsPage::layout(const CRect& area)
{
    ::MoveWindow(m_text, area.left, area.top, area.Width(), area.Height(), TRUE);
}

demoWaterWeekPage::demoWaterWeekPage(book* owner, unsigned int index, long* status)
    : demoPane(owner, "Water week", index, status)
{
    long result = bookpageInit(const_cast<char*>("Water week"), index);
    if (status)
        *status = result;
}

demoWaterWeekPage::~demoWaterWeekPage() { bookpageDestroy(); }

long demoWaterWeekPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    m_start = makeChild(owner->GetSafeHwnd(), MONTHCAL_CLASS, "", WS_BORDER);
    m_end = makeChild(owner->GetSafeHwnd(), MONTHCAL_CLASS, "", WS_BORDER);
    own(m_start);
    own(m_end);
    if (!m_start || !m_end)
        return E_FAIL;
    owner->bookCalendarsSetCurrentWeek(m_start, m_end);
    return 0;
}

void demoWaterWeekPage::layout(const CRect& area)
{
    int width = (area.Width() - kMargin) / 2;
    ::MoveWindow(m_start, area.left, area.top, width, area.Height(), TRUE);
    ::MoveWindow(m_end, area.left + width + kMargin, area.top, width, area.Height(), TRUE);
}
