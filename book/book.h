// book: the tabbed container window. A tab control, child of a host window, that holds up to 25
// pages (one tab each) and passes everything the host or the user does to the current page. It
// also carries the log file, the calendar helpers, the modeless message box, fonts, mouse tracking
// and the decimal helpers. The book never creates or deletes page objects.
#pragma once

#include "tessilo40_api.h"
#include "book/bookpage.h"
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>
#include <atltime.h>

// The answer of a book's modeless message box, handed to the current page. One record exists for
// the process; a second box overwrites the record of the first.
struct TESSILO40_API _bookMessageBox {
    book* bookOwner; // the book that opened the box
    CString title;
    CString text;
    int type; // the caller's type while open; 1 OK, 2 Cancel, 6 Yes, 7 No once answered
};

class TESSILO40_API book : public CTabCtrl {
public:
    static const int kPageSlots = 25;

    // The window is not created: the host calls bookInit later.
    explicit book(CWnd* parent);
    // Creates the window with bookInit(id) and reports its result in *status.
    book(CWnd* parent, unsigned int id, long* status);
    ~book() override;

    // Virtual operations added to the tab control, in slot order.
    virtual void Destroy();
    virtual long bookToPage(unsigned int index);
    virtual long bookInit(unsigned int id);
    virtual void bookMouseTrackingSet(HWND window);
    virtual void bookSelchange(NMHDR* header, LRESULT* result);
    virtual void bookSelchanging(NMHDR* header, LRESULT* result);
    virtual void bookSize(unsigned int type, int cx, int cy);
    virtual void bookMove(int x, int y);
    virtual BOOL bookCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info);
    virtual BOOL bookPreTranslateMessage(MSG* msg);
    virtual long bookEditCopy();
    virtual long bookEditCut();
    virtual long bookEditPaste();
    virtual long bookPrint();
    virtual long bookPrintPreview();
    virtual long bookSetFont(HWND window, LOGFONTA* logFont);
    virtual long bookSetFont(HWND window);
    virtual long bookSetFont();
    virtual void bookMessageBoxCatch(_bookMessageBox* box);
    virtual void bookViewLog();
    virtual unsigned long long bookGetDiskSpaceFree();
    virtual void MouseRButtonDown(unsigned int hitTest, CPoint screenPoint);

    // Page table.
    long bookRegisterPage(bookpage* page, unsigned int index);
    long bookUnRegisterPage(bookpage* page, unsigned int index);
    bookpage* bookGetPage(long index);
    void bookSetPageCurrent(long index);
    long bookGetPageCurrentIdx();
    CWnd* bookGetOwner();

    long bookFileOpen();
    long bookFileSave();
    void bookShow(BOOL show);
    long bookSetTabSize(long cx, long cy);
    void bookSetReadOnly(BOOL readOnly);
    BOOL bookGetReadOnly();
    int bookGetDecimalPlaces();
    HDC GetPrinterDC();

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Log file.
    void bookLogSetFile();
    void bookLogSetFile(CString path);
    CString bookLogGetFile();
    void bookLog(void* data, long length);
    void bookLogErr(void* data, long length);
    void bookLogStart(CString text);
    void bookLogEnd(CString text);
    void bookLogInitFile(BOOL force);
    long bookLogGetErrorCount();
    long bookLogSetErrorCount(long count);
    long bookLogAddErrorCount(long count);
    long bookGetLogSize();
    long bookGetLogFileSize();
    // The process-wide size limit in bytes that bookLogInitFile asks about (the settings page
    // sets it from its megabyte count).
    static void bookSetLogSize(long bytes);

    // Calendars: water weeks and the periods of two month-calendar controls.
    void bookCalendarsGetCurrentWeek(CTime* start, CTime* end);
    void bookCalendarsGetNextWeek(CTime* start, CTime* end);
    void bookCalendarsGetPreviousWeek(CTime* start, CTime* end);
    void bookCalendarsGetCurrentMonth(CTime* start, CTime* end);
    void bookCalendarsGetCurrentYear(CTime* start, CTime* end);
    BOOL bookCalendarsIsCurrentWeek(CTime from, CTime to);
    BOOL bookCalendarsIsCurrentMonth(CTime from, CTime to);
    BOOL bookCalendarsIsCurrentYear(CTime from, CTime to);
    CTime bookCalendarsBackToWaterWeekDayEnd(int weekday, CTime t);
    void bookSQLCalendarsSet(HWND start, HWND end, CTime from, CTime to);
    void bookSQLCalendarsGet(HWND start, HWND end, CTime* from, CTime* to);
    void bookSQLCalendarsSetStartToday(HWND start);
    void bookCalendarsSetCurrentWeek(HWND start, HWND end);
    void bookCalendarsSetNextWeek(HWND start, HWND end);
    void bookCalendarsSetPreviousWeek(HWND start, HWND end);
    void bookCalendarsSetCurrentMonth(HWND start, HWND end);
    void bookCalendarsSetCurrentYear(HWND start, HWND end);
    void bookCalendarsSnapToWeek(HWND start, HWND end, HWND reference);
    void bookCalendarsSnapToMonth(HWND start, HWND end, HWND reference);
    void bookCalendarsSnapToYear(HWND start, HWND end, HWND reference);
    void bookCalendarsSyncCalendars(HWND start, HWND end, HWND reference);
    void bookCalendarsSnapToUoMWeek(HWND start, HWND end, unsigned int which);
    void bookCalendarsSnapToUoMMonth(HWND start, HWND end, unsigned int which);
    void bookCalendarsSnapToUoMYear(HWND start, HWND end, unsigned int which);

    // Modeless message box (dialog 1003) whose answer goes to the current page.
    HWND bookMessageBox(HWND ignored, CString title, CString text, int type, int* status);
    void bookMessageBoxSet(CString title, CString text);
    void bookMessageBoxDestroy();

    // Fonts.
    long bookCreateFont(CWnd* ignored, int pointSize, char* faceName, int flag, LOGFONTA* out);
    HFONT bookAllocFont(HWND window, int size, char* faceName, int flag, LOGFONTA* logFont);
    CFont* bookGetFont();
    int bookGetFontPointSize();

    // Mouse.
    void bookMouseGetPos(POINT* point);
    long bookMouseHoverMsg(MSG* msg);
    long bookMouseLeaveMsg(MSG* msg);

    // Decimal entry, rounding and formatting.
    long FormatDecimalPlace(CString* text, int width, int ignored, int precision,
        unsigned int fieldWidth, double* value);
    CString dbEntryValidate(double* value, int fieldWidth, int decimals, HWND ignored);
    double dbRoundCeil(double value, int decimals, double* remainder);
    double dbRoundDoubleRoundCeil(double value, int decimals, CString* text, int ignored);
    BOOL IsDecimalValid(char* text);

    // TRUE while the object is a constructed, not yet destroyed book.
    static bool bookIsAlive(const book* candidate);

protected:
    afx_msg void OnSelchange(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchanging(NMHDR* header, LRESULT* result);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnKillFocus(CWnd* newWindow);
    DECLARE_MESSAGE_MAP()

    CWnd* m_bookParent;
    unsigned int m_bookId;
    bookpage* m_bookPages[kPageSlots];
    long m_bookCurrent;
    CString m_bookLogFile;
    long m_bookLogErrors;
    CPoint m_bookMousePos;
    TRACKMOUSEEVENT m_bookTrack;
    BOOL m_bookTracking;
    HWND m_bookTrackedWindow;
    HHOOK m_bookHook;
    CFont* m_bookFont;
    int m_bookFontPointSize;
    int m_bookDecimalPlaces;
    HWND m_bookMessageBox;
    BOOL m_bookReadOnly;

private:
    void initRemaining();
    bookpage* currentPage();
    void readDecimalPlaces();
    void removeMouseHook();
    void installMouseHook();
    void appendLog(const CString& record);

    static LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK messageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};
