// CDlgFtpLogView: the modeless viewer of one FTP log record (template 3019), found by its byte
// offset in the log file.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftplogitem.h"
#include <afxwin.h>

class TESSILO40_API CDlgFtpLogView : public CDialog {
public:
    // Created at once and shown.
    CDlgFtpLogView(CWnd* parent, CString logPath, long offset);
    ~CDlgFtpLogView() override;

    CString GetLog() const { return m_strLog; }
    int OpenLog();
    void CloseLog();
    int IsLogOpen() const { return m_bOpen; }
    int SetLogOpen(int open);
    // 1 when a whole record was shown, 0 when there is none at the offset, -1 when the file
    // cannot be opened.
    long LoadLog(CString path, long offset);

protected:
    BOOL OnInitDialog() override;

private:
    CFile m_file;
    CString m_strLog;
    int m_bOpen = 0;
    long m_nOffset;
};
