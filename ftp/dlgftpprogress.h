// CDlgFtpProgress: the "Ftp Progress" dialog (template 1009) that copies one file block by block
// through an open FTP connection while its progress bar advances. Interactive (modal, the user
// presses Transfer) or automatic (modeless, driven by the list engine, reused file after file).
// Only the workbench itself creates it.
#pragma once

#include <afxinet.h>
#include <afxwin.h>

class CDlgFtpProgress : public CDialog {
public:
    // automatic 0: prepared for DoModal; otherwise created modeless over the parent and shown.
    CDlgFtpProgress(CWinApp* app, CWnd* parent, CFtpConnection* connection, CString from,
        CString to, DWORD flags, DWORD size, int direction, int automatic);
    ~CDlgFtpProgress() override;

    void SetupTransfer(CFtpConnection* connection, CString from, CString to, DWORD flags,
        DWORD size, int direction, int automatic);
    // Prepares a run: caption, block buffer, progress range, From and To.
    void InitTransfer();

    // The copy loops (commands 3050 and 3049); each ends the run.
    afx_msg void DoGet();
    afx_msg void DoPut();
    // Paint first, then copy: what the list engine calls.
    void RunGet();
    void RunPut();

    // null without a connection or when the host refuses.
    CInternetFile* OpenHostFile();
    // A message waiting for the button whose wParam has a low word of 0 means cancel.
    int IsCancelPending(HWND button, UINT removeFlag);
    // Removes every message waiting for this dialog and sends it straight to its window.
    void PumpMessages(UINT flags);
    void FreeBuffer();

    int GetResult() const { return m_nResult; }
    CString GetErrorText() const { return m_strError; }
    DWORD GetBlockSize() const { return m_dwBlockSize; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    afx_msg void OnButtonTransfer();
    afx_msg void OnButtonCanceltransfer();

    DECLARE_MESSAGE_MAP()

private:
    void Transfer(bool get);
    // Shows the message in interactive mode and appends it to the error text.
    void Report(const CString& message, const char* caption);

    CWinApp* m_pApp;
    CWnd* m_pParent;
    CString m_strFrom;
    CString m_strTo;
    CFtpConnection* m_pConnection = nullptr;
    int m_nDirection = 0;
    DWORD m_dwFlags = 0;
    DWORD m_dwFileSize = 0;
    DWORD m_dwBlockSize = 0;
    unsigned char* m_pBuffer = nullptr;
    CString m_strError;
    int m_nResult = 0;
    int m_nAutomatic = 0;
};
