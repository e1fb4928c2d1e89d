// CListView and CTreeView: views whose window is a list view or a tree view control.
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

class WINPORT_API CTreeView : public CCtrlView {
public:
    CTreeView();

    // The control behind this view (the same window).
    CTreeCtrl& GetTreeCtrl() const;

private:
    mutable CTreeCtrl m_control;
};
