// CView and CCtrlView: a view is a child window that draws its content (OnDraw); a control view
// is a view whose window is a common control of the given class.
#pragma once

#include "afxstr.h"
#include "cwnd.h"

class WINPORT_API CView : public CWnd {
public:
    CView() = default;
    ~CView() override = default;

    virtual void OnDraw(CDC* dc) = 0;
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
