// CDlgFtpListEdit: the modal editor of one transfer-list item (template 1012): source and
// destination paths with their types, the host, the sub-directory flag and, through the
// credentials dialog, the user id and password.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include <afxwin.h>

class TESSILO40_API CDlgFtpListEdit : public CDialog {
public:
    // item: edited in place on OK (not owned). rect: when given, the dialog opens at its top
    // edge, at its left edge or, with alignRight, with its right edge at the rectangle's right.
    CDlgFtpListEdit(
        CWnd* parent, _DlgFtpItemTransfer* item, CRect* rect, int alignRight, CString caption);
    ~CDlgFtpListEdit() override;

    // The item into the controls, and back.
    void ShowEdits();
    void UpdateEdits();

    // 1 "Drive", 2 "File", 4 "Folder", anything else "".
    CString GetEditType(DWORD type);
    // The inverse, exact and case-sensitive; 0 for any other text.
    DWORD GetEditTypeFromStr(CString text);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnButtonIdPw();

    DECLARE_MESSAGE_MAP()

private:
    _DlgFtpItemTransfer* m_pItem;
    CRect m_rect;
    int m_bRect;
    int m_bAlignRight;
    CString m_strCaption;
};
