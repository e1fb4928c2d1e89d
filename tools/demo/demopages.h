// The demo's two pages: a readings page with a text pane, and a water-week page with the start
// and end calendars of a period.
#pragma once

#include "book/book.h"

// A page whose one child window (created by the derived page) is shown only while it is current.
class demoPane : public bookpage {
public:
    demoPane(book* owner, const char* title, unsigned int index, long* status);
    ~demoPane() override;

    long bookpageDestroy() override;
    long bookpageChanging() override;
    long bookpageChange() override;
    long bookpageSize(unsigned int type, int cx, int cy) override;

protected:
    // The area below the tabs, in the host window's client coordinates.
    CRect paneRect();
    virtual void layout(const CRect& area) = 0;
    void own(HWND window);

private:
    std::vector<HWND> m_windows;
};

class demoReadingsPage : public demoPane {
public:
    demoReadingsPage(book* owner, unsigned int index, long* status);
    ~demoReadingsPage() override;
    long bookpageCreate() override;

private:
    void layout(const CRect& area) override;
    HWND m_text = nullptr;
};

class demoWaterWeekPage : public demoPane {
public:
    demoWaterWeekPage(book* owner, unsigned int index, long* status);
    ~demoWaterWeekPage() override;
    long bookpageCreate() override;

private:
    void layout(const CRect& area) override;
    HWND m_start = nullptr;
    HWND m_end = nullptr;
};
