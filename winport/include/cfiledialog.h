// CFileDialog: the open and save dialogs with their OPENFILENAMEA (m_ofn) and result accessors.
#pragma once

#include "afxstr.h"
#include "cdialog.h"
#include "commdlg.h"

#include <string>

class WINPORT_API CFileDialog : public CDialog {
public:
    // filter: MFC's form, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||".
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr,
        LPCSTR fileName = nullptr, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        LPCSTR filter = nullptr, CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, IDCANCEL otherwise (see CommDlgExtendedError).
    INT_PTR DoModal() override;

    CString GetPathName() const; // "C:\data\net.txt"
    CString GetFileName() const; // "net.txt"
    CString GetFileExt() const; // "txt"
    CString GetFileTitle() const; // "net"

    OPENFILENAMEA m_ofn;

private:
    BOOL m_openFileDialog;
    std::string m_filter; // the filter with NULs for the bars
    std::string m_defaultExtension;
    char m_fileName[MAX_PATH];
    char m_fileTitle[MAX_PATH];
};
