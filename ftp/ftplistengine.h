// CFtpListEngine: runs Put and Get transfer lists unattended, item by item. File items are copied
// through an automatic progress dialog after their destination's folder chain was checked and
// created; folder items with the sub-directory flag transfer their contents recursively. Every
// attempted file, and every item that could not be connected, leaves one FTP log record. Progress
// lines go to a status pane (a rich edit) when one is given. The transfer-list dialog and the
// command line drive it.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include "ftp/dlgftplogitem.h"
#include "inet/netvaneftp.h"
#include <afxwin.h>

#include <cstddef>

class CDlgDirStruct;
class CDlgFtpProgress;

class TESSILO40_API CFtpListEngine {
public:
    // owner: parent of the progress and directory dialogs (may be null). statusPane: the rich
    // edit that receives the progress lines and the session's status (may be null).
    CFtpListEngine(CWinApp* app, CWnd* owner, HWND statusPane, CString logPath);
    CFtpListEngine(const CFtpListEngine&) = delete;
    CFtpListEngine& operator=(const CFtpListEngine&) = delete;
    virtual ~CFtpListEngine();

    // A whole list in order, selected or not: the first item always connects; afterwards the
    // progress dialogs and the connection are gone. Per-item results are not kept.
    void ListRunPut(const _DlgFtpItemTransfer* items, size_t count);
    void ListRunGet(const _DlgFtpItemTransfer* items, size_t count);

    // One item: a file, or a folder with the sub-directory flag (others are skipped).
    int PutTransfer(_DlgFtpItemTransfer* item);
    int GetTransfer(_DlgFtpItemTransfer* item);
    // 1 when the file was copied whole.
    int TransferPutFile(_DlgFtpItemTransfer* item);
    int TransferGetFile(_DlgFtpItemTransfer* item);
    int TransferPutDir(_DlgFtpItemTransfer* item);
    int TransferGetDir(_DlgFtpItemTransfer* item);
    // Copies the record's file and writes the record with its outcome; the dialog's result.
    int TransferPut(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log);
    int TransferGet(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log);

    // Connects to the item's host with its credentials (any earlier connection is dropped).
    int CreateFtp(_DlgFtpItemTransfer* item);
    void DestroyFtp();
    // Appends the record to the log path.
    virtual int LogWrite(_DlgFtpLogItem* record);

    CString GetLogPath() const { return m_strLogPath; }
    void SetLogPath(const CString& path) { m_strLogPath = path; }
    CNetvaneFtp* GetFtp() const { return m_pFtp; }
    CString GetCurrentHost() const { return m_strCurrentHost; }
    // The progress dialogs' windows while they exist (between files of a run).
    HWND GetPutProgressWindow() const;
    HWND GetGetProgressWindow() const;
    // Deletes both progress dialogs.
    void DestroyProgress();

protected:
    // Appends a line to the status pane and scrolls it to its end.
    virtual void StatusAppend(const CString& text);

private:
    bool Connected() const;
    // Connects when the item's host is not the current one; on failure writes the record with
    // the session's text (or the fallback) and returns false.
    bool EnsureConnected(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log, const char* fallback);
    void ListRun(const _DlgFtpItemTransfer* items, size_t count, bool get);
    // A found source: checks the destination's folder chain, then copies; writes the record.
    int CheckAndCopy(_DlgFtpLogItem* log, bool get);
    // TransferPut and TransferGet.
    int Copy(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log, bool get);

    CWinApp* m_pApp;
    CWnd* m_pOwner;
    HWND m_hStatusPane;
    CString m_strLogPath;
    CNetvaneFtp* m_pFtp = nullptr;
    CString m_strCurrentHost;
    CString m_strUserId;
    CString m_strPassword;
    CDlgFtpProgress* m_pProgressPut = nullptr;
    CDlgFtpProgress* m_pProgressGet = nullptr;
    CDlgDirStruct* m_pFoldersPut = nullptr;
    CDlgDirStruct* m_pFoldersGet = nullptr;
};
