// CDlgFtp: the FTP browser, a modal dialog (template 1011) with the local disk as a tree on the
// left and the FTP host as a tree on the right. The user connects to the host typed into the
// Ip/Url field, expands folders on both sides, selects a source on one side and a destination on
// the other and presses Put or Get. It also opens the transfer-list dialog, the credentials
// dialog and the FTP log, and adds the selections to the transfer lists through its shortcut menu.
// Every tree item owns a heap record (_DlgFtpItem, CoTaskMemAlloc) freed with the item.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include "ftp/dlgftplogitem.h"
#include "inet/netvaneftp.h"
#include <afxcmn.h>
#include <afxwin.h>

class CDlgFtpList;
class CDlgFtpLog;

class TESSILO40_API CDlgFtp : public CDialog {
public:
    // Prepares template 1011 for DoModal. Without an application object nothing is read from or
    // written to the profile.
    CDlgFtp(CWinApp* app, CWnd* parent);
    ~CDlgFtp() override;

    // The mouse hook's calls; both record the pointer.
    virtual void MouseLButtonDown(UINT flags, CPoint point);
    virtual void MouseRButtonDown(UINT flags, CPoint point);
    void GetMouse(CPoint point);

    // "FtpUrlHost", "FtpPathLocal", "FtpPathHost" and "FtpLog" from and to the profile.
    void GetVitals();
    void PutVitals();

    // The drives as the local tree's roots; the count inserted.
    long GetDrivesLocal();
    long GetCurrentLocal();
    // The host's current directory as the host tree's single root; the count inserted.
    long GetDrivesHost();
    long GetCurrentHost();
    // The entries of the selected folder as its children; the count inserted.
    long ShowChildrenLocal();
    long ShowChildrenHost();

    // The stored selections (item data included), or null.
    TVITEM* GetItemSelectedLocal();
    TVITEM* GetItemSelectedHost();
    void SetItemSelectedLocal(HTREEITEM item);
    void SetItemSelectedHost(HTREEITEM item);

    // A transfer item from the two selections: local to host, or host to local. 0 without a
    // source selection or with a drive as the source.
    int GetLocalToFrom(_DlgFtpItemTransfer* item);
    int GetHostToFrom(_DlgFtpItemTransfer* item);

    int FileExistsLocal(CString path);
    int FileExistsHost(CString path);
    int LogWrite(_DlgFtpLogItem* record);

    CImageList* CreateImageListLocal();
    CImageList* CreateImageListHost();
    void DestroyImageListLocal();
    void DestroyImageListHost();

    // Frees the records of every item of a tree, or of an item's descendants (which are deleted).
    void FreeAllLocal();
    void FreeAllHost();
    void DelAllChildrenLocal(HTREEITEM item);
    void DelAllChildrenHost(HTREEITEM item);

    int IsConnected() const { return m_bConnected; }
    CNetvaneFtp* GetFtp() const { return m_pFtp; }
    CString GetUrl() const { return m_strUrl; }
    CString GetLogPath() const { return m_strLog; }
    CString GetUserId() const { return m_strUserId; }
    CDlgFtpList* GetListDialog() const { return m_pList; }
    CDlgFtpLog* GetLogDialog() const { return m_pLog; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Done: closes the log and list dialogs, saves the settings and frees every record.
    void OnCancel() override;

    afx_msg void OnButtonConnect();
    afx_msg void OnButtonPut();
    afx_msg void OnButtonGet();
    afx_msg void OnButtonProperties();
    afx_msg void OnButtonTransferList();
    afx_msg void OnMenuAdd();
    afx_msg void OnMenuDelete();
    afx_msg void OnMenuFtpLog();
    afx_msg void OnContextMenu(CWnd* window, CPoint point);
    afx_msg void OnItemexpandingTreeLocal(NMHDR* header, LRESULT* result);
    afx_msg void OnItemexpandingTreeHost(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchangedTreeLocal(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchangedTreeHost(NMHDR* header, LRESULT* result);
    afx_msg void OnSetfocusTreeLocal(NMHDR* header, LRESULT* result);
    afx_msg void OnSetfocusTreeHost(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    // One tree with its image list, icons and selection.
    struct Side {
        CTreeCtrl tree;
        CImageList images;
        int iconFile = -1;
        int iconFolder = -1;
        int iconDrive = -1;
        int iconCdDrive = -1;
        int iconNetDrive = -1;
        TVITEM selected {};
        _DlgFtpItem node {};
        bool hasSelection = false;
    };
    Side& side(bool local) { return local ? m_local : m_host; }
    CImageList* createImageList(Side& s);
    HTREEITEM insertNode(Side& s, HTREEITEM parent, const CString& text, int image, bool children,
        const _DlgFtpItem& node);
    void freeRecords(Side& s, HTREEITEM first);
    void deleteChildren(Side& s, HTREEITEM item);
    void noChildren(Side& s, HTREEITEM item);
    long showChildrenLocal(HTREEITEM item);
    long showChildrenHost(HTREEITEM item);
    void setSelection(bool local, HTREEITEM item);
    void clearSelection(bool local);
    int transferItem(bool localSource, _DlgFtpItemTransfer* item);
    void singleTransfer(bool get);
    void enableButton(int id, BOOL enable);
    void installMouseHook();
    void removeMouseHook();
    static LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam);

    CWinApp* m_pApp;
    DWORD m_dwDrives = 0;
    CString m_strUrl;
    Side m_local;
    Side m_host;
    CNetvaneFtp* m_pFtp = nullptr;
    int m_bConnected = 0;
    CString m_strUserId;
    CString m_strPassword;
    CPoint m_ptMouseDown;
    CPoint m_ptMouse;
    TRACKMOUSEEVENT m_track {};
    HWND m_hLastFocusedTree = nullptr;
    HHOOK m_hHook = nullptr;
    CDlgFtpList* m_pList = nullptr;
    CDlgFtpLog* m_pLog = nullptr;
    CString m_strPathLocal;
    CString m_strPathHost;
    CString m_strLog;
};
