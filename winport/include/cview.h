// CView and CCtrlView: a view is a child window that draws its content (OnDraw); a control view
// is a view whose window is a common control of the given class.
#pragma once

#include "afxstr.h"
#include "cwnd.h"

struct CPrintInfo;
struct CPrintProgress;

// Printing follows the framework's order: OnPreparePrinting (which calls DoPreparePrinting for the
// print dialog or the default printer), OnBeginPrinting, then per page OnPrepareDC and OnPrint,
// then OnEndPrinting; a preview draws its pages through the same calls and ends with
// OnEndPrintPreview.
class WINPORT_API CView : public CWnd {
public:
    CView() = default;
    ~CView() override = default;

    virtual void OnDraw(CDC* dc) = 0;

    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrintPreview(CDC* dc, CPrintInfo* info, POINT point, CView* view);

    // Shows the print dialog (or takes the default printer for direct and preview jobs) and
    // makes the job's device context; FALSE when cancelled or when there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* info);

    // The print commands (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW).
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

    // How the last print job ended: 0 printed, 1 cancelled (dialog or by the view), -1 failed.
    int GetLastPrintResult() const { return m_lastPrintResult; }

private:
    // Prints the pages of a prepared job, offering the user to cancel between pages when a
    // progress window is given: 0 printed, 1 cancelled, -1 the device failed.
    int printPages(CDC& dc, CPrintInfo& info, CPrintProgress* progress);
    void printJob(BOOL direct);
    int m_lastPrintResult = 0;
};

class WINPORT_API CCtrlView : public CView {
public:
    CCtrlView(LPCSTR className, DWORD defaultStyle);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* dc) override;

protected:
    CString m_strClass;
    DWORD m_dwDefaultStyle;
};
