// CEditView: a view whose window is a multi-line edit control.
#pragma once

#include "cview.h"
#include "cedit.h"

#include <string>
#include <vector>

class WINPORT_API CEditView : public CCtrlView {
public:
    CEditView();

    // The text limit a new view gets (1 MiB less one character).
    static const UINT nMaxSize;

    // The control behind this view (the same window).
    CEdit& GetEditCtrl() const;

    // The font of printed text (NULL: the view's screen font).
    void SetPrinterFont(CFont* font);
    CFont* GetPrinterFont() const;
    // Draws the lines of the text from `start` (a character index) that fit inside the rectangle,
    // stopping at `stop`; returns the index after the last line drawn and sets the rectangle's
    // bottom below it.
    UINT PrintInsideRect(CDC* dc, RECT& layout, UINT start, UINT stop);

    // Printing: pages follow one another as the text fills the drawing rectangle; the table of
    // page starts grows as pages are printed.
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);

    std::vector<UINT> m_aPageStart; // the first character of each page found so far
    HFONT m_hPrinterFont = nullptr;
    HFONT m_hMirrorFont = nullptr; // the screen font at the printer's size, made for one job

    DECLARE_MESSAGE_MAP()

private:
    mutable CEdit m_control;
    std::string m_printText; // the text being printed, taken when the job begins
};
