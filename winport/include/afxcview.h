// CListView: a view whose window is a list view control.
#pragma once

#include "afxcmn.h"
#include "afxview.h"

class WINPORT_API CListView : public CCtrlView {
public:
    CListView();

    // The control behind this view (the same window).
    CListCtrl& GetListCtrl() const;

private:
    mutable CListCtrl m_control;
};
