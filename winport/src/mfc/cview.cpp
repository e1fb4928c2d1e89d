#include "afxcview.h"
#include "afxrich.h"
#include "ceditview.h"

CCtrlView::CCtrlView(LPCSTR className, DWORD defaultStyle)
    : m_strClass(className)
    , m_dwDefaultStyle(defaultStyle)
{
}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = m_strClass.GetString();
    cs.style |= static_cast<LONG>(m_dwDefaultStyle);
    return CView::PreCreateWindow(cs);
}

// The control paints itself.
void CCtrlView::OnDraw(CDC*) { }

CListView::CListView()
    : CCtrlView(WC_LISTVIEWA, LVS_REPORT)
{
}

CListCtrl& CListView::GetListCtrl() const
{
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

CTreeView::CTreeView()
    : CCtrlView(WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS)
{
}

CTreeCtrl& CTreeView::GetTreeCtrl() const
{
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

CRichEditView::CRichEditView()
    : CCtrlView(RICHEDIT_CLASSA, ES_MULTILINE | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL)
    , m_sizePaper(12240, 15840)
    , m_rectMargin(1800, 1440, 1800, 1440)
{
}

CRichEditCtrl& CRichEditView::GetRichEditCtrl() const
{
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

const UINT CEditView::nMaxSize = 1024U * 1024U - 1;

BEGIN_MESSAGE_MAP(CEditView, CCtrlView)
ON_WM_CREATE()
END_MESSAGE_MAP()

CEditView::CEditView()
    : CCtrlView("EDIT",
        ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL | WS_HSCROLL | WS_VSCROLL)
{
}

CEdit& CEditView::GetEditCtrl() const
{
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

int CEditView::OnCreate(LPCREATESTRUCT cs)
{
    if (CCtrlView::OnCreate(cs) == -1)
        return -1;
    GetEditCtrl().LimitText(static_cast<int>(nMaxSize));
    return 0;
}
