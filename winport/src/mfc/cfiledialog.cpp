// CFileDialog: an OPENFILENAME filled from MFC's arguments, run by GetOpenFileName or
// GetSaveFileName.
#include "cfiledialog.h"

#include <algorithm>
#include <cstring>

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
    LPCSTR filter, CWnd* parent)
    : CDialog(static_cast<LPCSTR>(nullptr), parent)
    , m_openFileDialog(openFileDialog)
    , m_filter(filter ? filter : "")
    , m_defaultExtension(defaultExtension ? defaultExtension : "")
    , m_fileName {}
    , m_fileTitle {}
{
    std::memset(&m_ofn, 0, sizeof m_ofn);
    for (char& c : m_filter) {
        if (c == '|')
            c = '\0';
    }
    if (fileName)
        std::strncpy(m_fileName, fileName, sizeof m_fileName - 1);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = m_filter.empty() ? 0 : 1;
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof m_fileName;
    m_ofn.lpstrFileTitle = m_fileTitle;
    m_ofn.nMaxFileTitle = sizeof m_fileTitle;
    m_ofn.lpstrDefExt = defaultExtension ? m_defaultExtension.c_str() : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner)
        m_ofn.hwndOwner = ParentForDialog();
    BOOL ok = m_openFileDialog ? GetOpenFileName(&m_ofn) : GetSaveFileName(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }

CString CFileDialog::GetFileName() const
{
    return CString(m_ofn.lpstrFile + std::min<size_t>(m_ofn.nFileOffset, strlen(m_ofn.lpstrFile)));
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}
