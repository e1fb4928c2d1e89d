// The demo's two pages. Each shows a sheet of text lines worked out by the book (decimal
// formatting, the log file, water weeks and snapped periods), drawn with the book's font.
#pragma once

#include "book/book.h"

#include <vector>

// A child window of the book that draws lines of text.
class demoSheet : public CWnd {
public:
    std::vector<CString> lines;
    CFont* font = nullptr;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// A page with one sheet, shown only while the page is current and sized to the book's display area.
class demoSheetPage : public bookpage {
public:
    ~demoSheetPage() override;

    long bookpageCreate() override;
    long bookpageDestroy() override;
    long bookpageChanging() override;
    long bookpageChange() override;
    long bookpageSize(unsigned int type, int cx, int cy) override;

protected:
    demoSheetPage(book* owner, const char* title, unsigned int index, long* status);
    virtual std::vector<CString> sheetLines() = 0;

private:
    void layout();
    demoSheet m_sheet;
};

class demoReadingsPage : public demoSheetPage {
public:
    demoReadingsPage(book* owner, unsigned int index, long* status);

private:
    std::vector<CString> sheetLines() override;
};

class demoWaterWeekPage : public demoSheetPage {
public:
    demoWaterWeekPage(book* owner, unsigned int index, long* status);

private:
    std::vector<CString> sheetLines() override;
};
