// CDlgFtpLog: the modeless FTP log dialog (template 3018): every record of a .flg file as a row
// (Action, Date, From, To, Comments), filtered by direction, with the record viewer, clear, load,
// reload and save. The file is open only while a command reads or writes it.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftplogitem.h"
#include <afxcmn.h>
#include <afxwin.h>

class CDlgFtpLogView;

#define DLGFTPLOG_ALL 0
#define DLGFTPLOG_PUT 1
#define DLGFTPLOG_GET 2

class TESSILO40_API CDlgFtpLog : public CDialog {
public:
    // Created at once and shown; with a parent, placed 8 pixels right of its left edge with its
    // bottom 10 pixels below the parent's.
    CDlgFtpLog(CWnd* parent, CString logPath);
    ~CDlgFtpLog() override;

    int ListInit();
    // The folder, file and drive icons of the rows; null when the list cannot be created.
    CImageList* CreateImageList();
    void DestroyImageList();
    long ListCreateFont(int size, char* face);
    long ListSetFont();
    CString GetLog() const { return m_strLog; }
    int OpenLog();
    void CloseLog();
    int IsLogOpen() const { return m_bOpen; }
    int SetLogOpen(int open);
    // Rows shown; -1 when the file cannot be opened.
    long LoadLog(CString path);
    // Whole records copied to the target (created or truncated); -1 when a file cannot be opened.
    long SaveLog(CString target);

    int GetFilter() const { return m_nFilter; }
    CDlgFtpLogView* GetViewer() const { return m_pView; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnButtonReload();
    afx_msg void OnButtonClear();
    afx_msg void OnRadioAll();
    afx_msg void OnRadioGet();
    afx_msg void OnRadioPut();
    afx_msg void OnButtonView();
    afx_msg void OnButtonLoad();
    afx_msg void OnButtonSave();
    afx_msg void OnClickList(NMHDR* header, LRESULT* result);
    afx_msg void OnDblclkList(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    struct Row {
        int index = -1;
        long offset = -1;
    };
    Row RowAt(int index) const;
    int ImageOf(DWORD type) const;
    void Close();

    CFile m_file;
    CWnd* m_pParent;
    CString m_strLog;
    CFont m_font;
    int m_bOpen = 0;
    CImageList m_images;
    int m_nImageFolder = -1;
    int m_nImageFile = -1;
    int m_nImageDrive = -1;
    int m_nFontSize = 10;
    Row m_clicked;
    Row m_doubleClicked;
    int m_nFilter = DLGFTPLOG_ALL;
    CDlgFtpLogView* m_pView = nullptr;
    CListCtrl m_list;
};
