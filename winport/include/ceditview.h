// CEditView: a view whose window is a multi-line edit control.
#pragma once

#include "cview.h"
#include "cedit.h"

class WINPORT_API CEditView : public CCtrlView {
public:
    CEditView();

    // The text limit a new view gets (1 MiB less one character).
    static const UINT nMaxSize;

    // The control behind this view (the same window).
    CEdit& GetEditCtrl() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);

    DECLARE_MESSAGE_MAP()

private:
    mutable CEdit m_control;
};
