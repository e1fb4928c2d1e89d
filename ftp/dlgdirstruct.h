// CDlgDirStruct: the "Directory Structure(s)" dialog (template 1013). Splits a transfer item's
// destination into its folders, checks each level from the top down on the local disk or on the
// FTP host, creates the missing ones and lists one status line per level. Hidden, it runs its
// command by itself and closes, so DoModal returns IDCANCEL with the result set.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include "inet/netvaneftp.h"
#include <afxwin.h>

#include <set>
#include <string>

#define DLGDIRSTRUCT_MAXLEVELS 128

class TESSILO40_API CDlgDirStruct : public CDialog {
public:
    // Host side, no connection object.
    CDlgDirStruct(CWnd* parent, _DlgFtpItemTransfer* item, int visible);
    // localSide non-zero: the local disk; otherwise the host through ftp's session.
    CDlgDirStruct(
        CWnd* parent, _DlgFtpItemTransfer* item, int visible, int localSide, CNetvaneFtp* ftp);
    ~CDlgDirStruct() override;

    virtual _DlgFtpItemTransfer* SetTransfer(_DlgFtpItemTransfer* item);
    // Fill the level table, deepest level first ("\" or "/" separators); the count.
    virtual long CreateDirStructArray(_DlgFtpItemTransfer* item);
    virtual long CreateDirStructArrayFtp(_DlgFtpItemTransfer* item);
    // Check and create the levels; 1 when all are present afterwards.
    virtual int CreateDirStruct(_DlgFtpItemTransfer* item);
    virtual int CreateDirStructFtp(_DlgFtpItemTransfer* item);

    // Unattended use for a whole run, without a window: a hidden dialog shows nothing, so the
    // object alone serves file after file. Each call checks and creates the item's chain at once;
    // the level table, result and error text then describe that item. Host levels found or
    // created by an earlier call are known to exist and are not asked for again.
    int Check(_DlgFtpItemTransfer* item);

    // The system's message for the last error, blanks for line ends; appended to the error text.
    CString GetError();

    int GetResult() const { return m_nResult; }
    CString GetErrorText() const { return m_strError; }
    long GetLevelCount() const { return m_nLevels; }
    // The level's name, or after a run its status line; empty outside the table.
    CString GetLevel(long index) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnButtonCreatedirstruct();
    afx_msg void OnButtonCreatedirstructftp();

    DECLARE_MESSAGE_MAP()

private:
    long SplitLevels(_DlgFtpItemTransfer* item, char separator);
    int CreateLevels(_DlgFtpItemTransfer* item, bool host);
    // Host side: whether the level exists, asking the host only for levels not known yet.
    bool HostLevelExists(const std::string& path);
    // Local side: the same for the local file system.
    bool LocalLevelExists(const std::string& path);
    void RunCommand(bool host);
    // Hidden and modal: the command closes the dialog.
    void CloseWhenUnattended();

    CWnd* m_pParent;
    int m_nVisible;
    int m_nResult = 0;
    char m_szLevels[DLGDIRSTRUCT_MAXLEVELS][260];
    long m_nLevels = 0;
    int m_nLocalSide = 0;
    CNetvaneFtp* m_pFtp = nullptr;
    _DlgFtpItemTransfer* m_pItem;
    CString m_strError;
    bool m_bReused = false;
    std::set<std::string> m_knownHostLevels;
    std::set<std::string> m_knownLocalLevels;
};
