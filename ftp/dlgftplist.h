// CDlgFtpList: the modeless "Ftp Transfer List" dialog (template 1014) with a Put list (local to
// host) and a Get list (host to local). Items come from the browser's context menu, from the
// item editor, or from list files (".tlp" Put, ".tlg" Get) in the "Configurations" folders; the
// Put and Get buttons run a whole list unattended, reporting in the status pane and the FTP log.
// Every row owns a heap copy (CoTaskMemAlloc) of its _DlgFtpItemTransfer as its item data.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include "ftp/ftplistengine.h"
#include <afxcmn.h>
#include <afxwin.h>

class CDlgFtpListEdit;
class CDlgFtpLog;

class TESSILO40_API CDlgFtpList : public CDialog {
public:
    // Creates the dialog at once, hidden; with a parent, 8 pixels right of the parent's left
    // edge and 10 pixels below its bottom edge.
    CDlgFtpList(CWnd* parent, CWinApp* app);
    ~CDlgFtpList() override;

    int ListsInit();
    // Closes an item editor that is still open.
    void ListsShutdown();
    // The folder and file icons of both lists.
    CImageList* CreateImageList();
    void DestroyImageList();
    long ListCreateFont(int size, char* face);
    long ListSetFont();

    // Adds a heap copy as the last row unless the source path is empty or the destination type
    // is neither folder nor file. The count of the list.
    long dlgftpitemAddPut(_DlgFtpItemTransfer* item);
    long dlgftpitemAddGet(_DlgFtpItemTransfer* item);
    // Frees and deletes the row (by index, or the first whose source path equals the record's
    // path). The count of the list.
    long dlgftpitemDeletePut(long index);
    long dlgftpitemDeleteGet(long index);
    long dlgftpitemDeletePut(_DlgFtpItem* item);
    long dlgftpitemDeleteGet(_DlgFtpItem* item);
    // Takes the row count as the list's count and enables its run button when it has rows;
    // returns the count as it was before.
    long countPut();
    long countGet();

    void freeItemPut(long index);
    void freeItemGet(long index);
    void freeItemAllPut();
    void freeItemAllGet();
    void freeItem(int put, long index);
    void freeItemAll(int put);

    // Replace the list with the file's valid records; the rows added. A file that holds no
    // transfer record at all is refused with a message and the list is kept.
    long LoadPut(CString file);
    long LoadGet(CString file);
    // Write every row's record in row order; the records written.
    long SavePut(CString file);
    long SaveGet(CString file);

    // 0 when the folder exists (created when missing), 1 on failure.
    int CreateCfgDir();
    int CreateCfgPutDir();
    int CreateCfgGetDir();

    // A row's record (owned by the row), or null.
    _DlgFtpItemTransfer* GetItemPut(long index);
    _DlgFtpItemTransfer* GetItemGet(long index);
    CString GetCfgDir() const { return m_strCfgDir; }
    CString GetPutListFile() const { return m_strPutFile; }
    CString GetGetListFile() const { return m_strGetFile; }
    CString GetLogPath() const { return m_strLog; }
    int GetIncludeSubdirectories() const { return m_nIncludeSubdirs; }
    // The FTP log dialog the Ftp Log button opened, or null.
    CDlgFtpLog* GetLogDialog() const { return m_pLog; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Done: hides the dialog; the lists stay.
    void OnOK() override;
    // Clear Lists: empties both lists; the dialog stays.
    void OnCancel() override;

    afx_msg void OnButtonSavePut();
    afx_msg void OnButtonSaveGet();
    afx_msg void OnButtonLoadPut();
    afx_msg void OnButtonLoadGet();
    afx_msg void OnButtonAddPut();
    afx_msg void OnButtonAddGet();
    afx_msg void OnButtonEditPut();
    afx_msg void OnButtonEditGet();
    afx_msg void OnButtonDeletePut();
    afx_msg void OnButtonDeleteGet();
    afx_msg void OnButtonPut();
    afx_msg void OnButtonGet();
    afx_msg void OnCheckSubdirs();
    afx_msg void OnButtonFtpLog();
    afx_msg void OnButtonStatusSize();
    afx_msg void OnClickListPut(NMHDR* header, LRESULT* result);
    afx_msg void OnClickListGet(NMHDR* header, LRESULT* result);
    afx_msg void OnDblclkListPut(NMHDR* header, LRESULT* result);
    afx_msg void OnDblclkListGet(NMHDR* header, LRESULT* result);
    afx_msg void OnItemchangedListPut(NMHDR* header, LRESULT* result);
    afx_msg void OnItemchangedListGet(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    struct Side;
    const Side& side(int put) const;
    CListCtrl* list(int put);
    long& count(int put) { return put ? m_nPutCount : m_nGetCount; }
    long addItem(int put, const _DlgFtpItemTransfer* item);
    void insertRow(int put, _DlgFtpItemTransfer* record);
    int imageOf(const _DlgFtpItemTransfer& record) const;
    void showRow(int put, int row);
    long deleteItem(int put, long index);
    long deleteItemByPath(int put, const _DlgFtpItem* item);
    long countItems(int put);
    _DlgFtpItemTransfer* record(int put, long index);
    long load(int put, const CString& file);
    long save(int put, const CString& file);
    int createCfgSubDir(int put);
    // Save and Load: the configuration folders and the file dialog; false when cancelled.
    bool chooseListFile(int put, bool mustExist);
    void onSave(int put);
    void onLoad(int put);
    void onAdd(int put);
    void onEdit(int put);
    void onDelete(int put);
    void onRun(int put);
    void onClick(int put, NMHDR* header);
    void enableRuns(BOOL enable);
    // Saves the list to its current file and loads it back (when it has a file).
    void saveAndReload(int put);
    void deleteLogDialog();

    CWinApp* m_pApp;
    CWnd* m_pParent;
    long m_nPutCount = 0;
    long m_nGetCount = 0;
    int m_nImageFolder = -1;
    int m_nImageFile = -1;
    CFont* m_pListFont = nullptr;
    CString m_strCfgDir;
    CString m_strPutDir;
    CString m_strGetDir;
    CString m_strPutFile;
    CString m_strGetFile;
    CRect m_rectStatus;
    CRect m_rectDialog;
    int m_bStatusExpanded = 0;
    HWND m_hLastFocusedList = nullptr;
    CDlgFtpListEdit* m_pListEdit = nullptr;
    CString m_strLog;
    int m_nIncludeSubdirs = 1;
    CDlgFtpLog* m_pLog = nullptr;
    CImageList m_images;
    CListCtrl m_listPut;
    CListCtrl m_listGet;
};
