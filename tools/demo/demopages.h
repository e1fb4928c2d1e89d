// The demo's pages: a water-week page with a start and an end calendar, a readings page that
// formats meter readings with the book's decimal helpers, and a page that shows the book's log.
#pragma once

#include "book/book.h"

#include <vector>

// The child windows' ids in the book.
enum demoChildId : UINT {
    demoFromLabelId = 2001,
    demoToLabelId,
    demoStartId,
    demoEndId,
    demoPeriodId,
    // A text page's heading, and its text view one id above it.
    demoReadingsHeadingId = 2010,
    demoReadingsTextId,
    demoLogHeadingId = 2020,
    demoLogTextId,
};

// A page whose child windows live in the book's display area and are shown only while the page
// is current. Derived pages create their windows in bookpageCreate and place them in layout.
class demoPage : public bookpage {
public:
    long bookpageChanging() override;
    long bookpageChange() override;
    long bookpageSize(unsigned int type, int cx, int cy) override;

protected:
    demoPage(book* owner, const char* title, unsigned int index, long* status);
    // The area below the tabs, less a margin; empty while the book has no window.
    CRect displayArea();
    void placeWindows();
    virtual void layout(const CRect& area) = 0;
    virtual std::vector<CWnd*> windows() = 0;

private:
    void showWindows(bool show);
};

// Two calendars; picking a day in either snaps both to the water week of that day.
class demoWaterWeekPage : public demoPage {
public:
    demoWaterWeekPage(book* owner, unsigned int index, long* status);
    ~demoWaterWeekPage() override;

    long bookpageCreate() override;
    long bookpageDestroy() override;
    BOOL bookpageDoNotify(unsigned int wParam, long lParam, long* result) override;

private:
    void layout(const CRect& area) override;
    std::vector<CWnd*> windows() override;
    void showPeriod();

    CStatic m_fromLabel;
    CStatic m_toLabel;
    CMonthCalCtrl m_start;
    CMonthCalCtrl m_end;
    CStatic m_period;
    bool m_snapping = false;
};

// A heading over a read-only text view in the book's font.
class demoTextPage : public demoPage {
public:
    long bookpageCreate() override;
    long bookpageDestroy() override;

protected:
    demoTextPage(book* owner, const char* title, unsigned int index, long* status, UINT headingId);
    virtual CString heading() = 0;
    virtual CString content() = 0;
    void refresh();

    CStatic m_heading;
    CEdit m_text;

private:
    void layout(const CRect& area) override;
    std::vector<CWnd*> windows() override;

    UINT m_headingId;
};

class demoReadingsPage : public demoTextPage {
public:
    demoReadingsPage(book* owner, unsigned int index, long* status);
    ~demoReadingsPage() override;

private:
    CString heading() override;
    CString content() override;
};

// The log file as it stands; a right click on the heading offers to clear it through the book's
// message box.
class demoLogPage : public demoTextPage {
public:
    demoLogPage(book* owner, unsigned int index, long* status);
    ~demoLogPage() override;

    long bookpageChange() override;
    void MouseRButtonDown(unsigned int hitTest, CPoint screenPoint) override;
    void bookpageMessageBoxCatch(_bookMessageBox* box) override;

private:
    CString heading() override;
    CString content() override;
};
