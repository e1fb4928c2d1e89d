// CDialog (modal and modeless, from templates of the resource scripts) and dialog data exchange.
#pragma once

#include "cwnd.h"

class WINPORT_API CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
    // The control with the id (marks the exchange failed when it is missing).
    HWND PrepareCtrl(int id);
    void Fail() { m_bFailed = TRUE; }
};

WINPORT_API void DDX_Text(CDataExchange* dx, int id, CString& value);
WINPORT_API void DDX_Text(CDataExchange* dx, int id, int& value);
WINPORT_API void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked radio button of the group that starts with the control (-1: none).
WINPORT_API void DDX_Radio(CDataExchange* dx, int id, int& value);
WINPORT_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class WINPORT_API CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);

    // Modeless: creates the dialog from the template (shown when the template says WS_VISIBLE).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);
    // Modal: runs the dialog in its own loop; the EndDialog value, -1 when it cannot run.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);

    LPCSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    HWND ParentForDialog() const;

    DECLARE_MESSAGE_MAP()
};
