// CRichEditView: a view whose window is a rich edit control.
#pragma once

#include "afxcmn.h"
#include "cview.h"

class WINPORT_API CRichEditView : public CCtrlView {
public:
    CRichEditView();

    // The control behind this view (the same window).
    CRichEditCtrl& GetRichEditCtrl() const;

private:
    mutable CRichEditCtrl m_control;
};
