// CDlgIdPw: the modal "Id - Password" dialog in which the user enters the FTP user id and
// password. Given the host's application object it takes its defaults from, and stores its result
// in, the profile entries "FtpId" and "FtpPw" (empty section name) that every connect of the
// browser reads; without one it only edits the two values handed to it.
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>

class TESSILO40_API CDlgIdPw : public CDialog {
public:
    CDlgIdPw(CWinApp* app, CWnd* parent, CString id, CString password);
    ~CDlgIdPw() override;

    // The values after DoModal returned IDOK (the given ones otherwise).
    CString m_strId;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    CWinApp* m_pApp;
};
