// The application object's text files: loading a file into an edit or rich-edit control and
// saving one from it, through the open and save dialogs. The dialogs may change the process's
// current directory; every call returns to the one it started in.
#include "app/richeditstream.h"
#include "app/tessilo.h"

#include <afxcmn.h>
#include <cfile.h>
#include <commdlg.h>
#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// Restores the current directory when the call ends, whatever happens.
class KeepCurrentDirectory {
public:
    KeepCurrentDirectory()
    {
        char buffer[MAX_PATH] = "";
        DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
        if (n > 0 && n < MAX_PATH)
            m_saved = buffer;
    }
    ~KeepCurrentDirectory()
    {
        if (!m_saved.empty())
            SetCurrentDirectoryA(m_saved.c_str());
    }
    KeepCurrentDirectory(const KeepCurrentDirectory&) = delete;
    KeepCurrentDirectory& operator=(const KeepCurrentDirectory&) = delete;

private:
    std::string m_saved;
};

// Shows the open or save dialog on the caller's 260-byte path buffer; false when cancelled.
bool askPath(bool open, char* path, HWND owner, const char* filter, const char* initialDir)
{
    OPENFILENAMEA request {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter;
    request.lpstrFile = path;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = initialDir;
    request.Flags = OFN_LONGNAMES | OFN_PATHMUSTEXIST | (open ? OFN_FILEMUSTEXIST : 0);
    return open ? GetOpenFileNameA(&request) != 0 : GetSaveFileNameA(&request) != 0;
}

const char kAllFiles[] = "All Files\0*.*\0";
const char kRtfFiles[] = "Rtf Files\0*.rtf\0";

// The whole file, zero-terminated; E_UNEXPECTED when it cannot be opened or read, E_FAIL when
// there is no memory for it.
long readWholeFile(const char* path, std::vector<char>* bytes)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return E_UNEXPECTED;
    ULONGLONG length = file.GetLength();
    try {
        bytes->assign(static_cast<size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return E_FAIL;
    }
    UINT read = 0;
    try {
        read = file.Read(bytes->data(), static_cast<UINT>(length));
    } catch (CFileException* e) {
        e->Delete();
        return E_UNEXPECTED;
    }
    bytes->resize(static_cast<size_t>(read) + 1);
    return 0;
}

long writeWholeFile(const char* path, const char* data, size_t size)
{
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone))
        return E_UNEXPECTED;
    try {
        if (size > 0)
            file.Write(data, static_cast<UINT>(size));
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        return E_UNEXPECTED;
    }
    return 0;
}

// Asks which file to load into the control (the dialog starting in initialDir) and reads it
// whole. False when there is nothing to show: cancelled (*rc 0), no control or the file cannot be
// read (*rc the error).
bool askAndRead(char* path, CWnd* edit, const char* initialDir, std::vector<char>* bytes, long* rc)
{
    KeepCurrentDirectory keep;
    if (!askPath(true, path, edit ? edit->GetSafeHwnd() : nullptr, kAllFiles, initialDir))
        return false;
    *rc = edit ? readWholeFile(path, bytes) : E_UNEXPECTED;
    return *rc == 0;
}
}

long CTessiloApp::FileGet(char* path, CEdit* edit)
{
    std::vector<char> bytes;
    long rc = 0;
    if (askAndRead(path, edit, ".", &bytes, &rc))
        edit->SetWindowText(bytes.data());
    return rc;
}

long CTessiloApp::FileGet(char* path, CRichEditCtrl* edit)
{
    std::vector<char> bytes;
    long rc = 0;
    if (askAndRead(path, edit, "", &bytes, &rc)) {
        edit->SetSel(0, -1);
        edit->ReplaceSel(bytes.data(), FALSE);
        edit->SetSel(0, 0);
    }
    return rc;
}

long CTessiloApp::FilePut(char* path, CEdit* edit)
{
    KeepCurrentDirectory keep;
    if (!askPath(false, path, nullptr, kAllFiles, "."))
        return 0;
    if (!edit)
        return E_UNEXPECTED;
    int length = edit->GetWindowTextLength();
    std::vector<char> text;
    try {
        text.assign(static_cast<size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return E_FAIL;
    }
    edit->GetWindowText(text.data(), length + 1);
    return writeWholeFile(path, text.data(), std::strlen(text.data()));
}

long CTessiloApp::FilePut(char* path, CRichEditCtrl* edit)
{
    KeepCurrentDirectory keep;
    if (!askPath(false, path, nullptr, kRtfFiles, "."))
        return 0;
    if (!edit)
        return E_UNEXPECTED;
    _richEditStreamOut out;
    EDITSTREAM stream {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
    stream.pfnCallback = EditStreamOutCallback;
    long written = edit->StreamOut(SF_RTF, stream);
    long rc = 0;
    if (written > 0 && stream.dwError == 0 && out.data)
        rc = writeWholeFile(path, out.data, static_cast<size_t>(out.size));
    else
        rc = E_FAIL;
    CoTaskMemFree(out.data);
    return rc;
}
