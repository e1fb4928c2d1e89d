// CRichEditView: a view whose window is a rich edit control. It prints by range formatting the
// control onto the printer inside its margins on its paper (both in twips).
#pragma once

#include "afxcmn.h"
#include "afxview.h"

#include <vector>

class WINPORT_API CRichEditView : public CCtrlView {
public:
    CRichEditView();

    // The control behind this view (the same window).
    CRichEditCtrl& GetRichEditCtrl() const;

    // Paper (default Letter, 12240 x 15840) and margins (default 1800 left and right, 1440 top
    // and bottom), in twips.
    CSize GetPaperSize() const { return m_sizePaper; }
    void SetPaperSize(CSize size) { m_sizePaper = size; }
    CRect GetMargins() const { return m_rectMargin; }
    void SetMargins(const CRect& margins) { m_rectMargin = margins; }
    // The area printed on: the paper less the margins; the paper itself.
    CRect GetPrintRect() const;
    CRect GetPageRect() const;
    // The paper size changed: the text's layout follows it (the control lays out when printing).
    virtual void WrapChanged() { }

    // Formats [first, last) onto the printer in the print rectangle; the first character that
    // did not fit.
    long PrintPage(CDC* dc, long first, long last);

    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    CSize m_sizePaper;
    CRect m_rectMargin;
    std::vector<long> m_aPageStart; // the first character of each page found so far

private:
    mutable CRichEditCtrl m_control;
};
