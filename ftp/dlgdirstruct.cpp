#include "ftp/dlgdirstruct.h"

#include "resources/resource.h"

#include <cstring>
#include <string>

namespace {
// Directories and files alike: the host's finder is asked for the level's path.
const DWORD kFindFlags = 0xE0000000;

void copyLevel(char* out, const std::string& text)
{
    std::strncpy(out, text.c_str(), 259);
    out[259] = 0;
}

// Drive ("C:" or empty), parent folder and last component of a path with the given separator;
// the local side also accepts "/" as native paths do.
void splitLast(const std::string& path, char separator, std::string* drive, std::string* parent,
    std::string* last)
{
    size_t start = 0;
    drive->clear();
    if (separator == '\\' && path.size() >= 2 && path[1] == ':') {
        *drive = path.substr(0, 2);
        start = 2;
    }
    size_t cut = separator == '\\' ? path.find_last_of("\\/") : path.rfind('/');
    if (cut == std::string::npos || cut < start) {
        *parent = std::string();
        *last = path.substr(start);
        return;
    }
    *parent = path.substr(start, cut + 1 - start);
    *last = path.substr(cut + 1);
}

std::string withoutTrailing(std::string dir, char separator)
{
    while (!dir.empty() && (dir.back() == separator || (separator == '\\' && dir.back() == '/')))
        dir.pop_back();
    return dir;
}
}

BEGIN_MESSAGE_MAP(CDlgDirStruct, CDialog)
ON_COMMAND(IDC_BUTTON_CREATEDIRSTRUCT, OnButtonCreatedirstruct)
ON_COMMAND(IDC_BUTTON_CREATEDIRSTRUCTFTP, OnButtonCreatedirstructftp)
END_MESSAGE_MAP()

CDlgDirStruct::CDlgDirStruct(CWnd* parent, _DlgFtpItemTransfer* item, int visible)
    : CDlgDirStruct(parent, item, visible, 0, nullptr)
{
}

CDlgDirStruct::CDlgDirStruct(
    CWnd* parent, _DlgFtpItemTransfer* item, int visible, int localSide, CNetvaneFtp* ftp)
    : CDialog(IDD_DLGDIRSTRUCT, parent)
    , m_pParent(parent)
    , m_nVisible(visible)
    , m_nLocalSide(localSide)
    , m_pFtp(ftp)
    , m_pItem(item)
{
    std::memset(m_szLevels, 0, sizeof m_szLevels);
}

CDlgDirStruct::~CDlgDirStruct()
{
    if (m_hWnd)
        DestroyWindow();
}

_DlgFtpItemTransfer* CDlgDirStruct::SetTransfer(_DlgFtpItemTransfer* item)
{
    m_pItem = item;
    return m_pItem;
}

CString CDlgDirStruct::GetLevel(long index) const
{
    if (index < 0 || index >= m_nLevels)
        return CString();
    return m_szLevels[index];
}

long CDlgDirStruct::SplitLevels(_DlgFtpItemTransfer* item, char separator)
{
    std::memset(m_szLevels, 0, sizeof m_szLevels);
    m_nLevels = 0;
    if (!item)
        return 0;
    std::string drive, parent, last;
    std::string path = item->destination.path;
    splitLast(path, separator, &drive, &parent, &last);
    if (item->destination.type == DLGFTPITEM_FILE) {
        path = drive + withoutTrailing(parent, separator);
        splitLast(path, separator, &drive, &parent, &last);
    }
    while (!last.empty() && m_nLevels < DLGDIRSTRUCT_MAXLEVELS) {
        copyLevel(m_szLevels[m_nLevels++], last);
        path = drive + withoutTrailing(parent, separator);
        splitLast(path, separator, &drive, &parent, &last);
    }
    return m_nLevels;
}

long CDlgDirStruct::CreateDirStructArray(_DlgFtpItemTransfer* item)
{
    return SplitLevels(item, item ? dlgftpitemLocalSeparator(item->destination.path) : '\\');
}

long CDlgDirStruct::CreateDirStructArrayFtp(_DlgFtpItemTransfer* item)
{
    return SplitLevels(item, '/');
}

int CDlgDirStruct::CreateDirStruct(_DlgFtpItemTransfer* item) { return CreateLevels(item, false); }

int CDlgDirStruct::CreateDirStructFtp(_DlgFtpItemTransfer* item)
{
    if (!m_pFtp || !m_pFtp->m_Sess.m_pFtpConnection || !m_pFtp->m_Sess.m_pFindFile)
        return 0;
    return CreateLevels(item, true);
}

int CDlgDirStruct::CreateLevels(_DlgFtpItemTransfer* item, bool host)
{
    if (!item)
        return 1;
    const char separator = host ? '/' : dlgftpitemLocalSeparator(item->destination.path);
    if (SplitLevels(item, separator) == 0)
        return 1;
    std::string drive, parent, last;
    splitLast(item->destination.path, separator, &drive, &parent, &last);
    std::string built = host ? std::string() : drive;
    int result = 1;
    for (long level = m_nLevels - 1; level >= 0; --level) {
        std::string name = m_szLevels[level];
        if (built.empty() || built.back() != separator)
            built += separator;
        built += name;
        CString status;
        bool failed = false;
        if (host) {
            if (HostLevelExists(built))
                status = "Exists";
            else if (m_pFtp->m_Sess.m_pFtpConnection->CreateDirectory(built.c_str()))
                status = "Created";
            else
                failed = true;
            if (!failed && m_bReused)
                m_knownHostLevels.insert(built);
        } else {
            if (LocalLevelExists(built))
                status = "Exists";
            else if (::CreateDirectory(built.c_str(), nullptr))
                status = "Created";
            else
                failed = true;
            if (!failed && m_bReused)
                m_knownLocalLevels.insert(built);
        }
        if (failed) {
            status = GetError();
            result = 0;
        }
        if (status.IsEmpty())
            status = failed ? " Un-determined error" : "Successful";
        copyLevel(m_szLevels[level], name + " - Status : " + status.str());
        if (m_hWnd)
            SendDlgItemMessage(
                IDC_LIST_DIRSTRUCT, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_szLevels[level]));
    }
    return result;
}

bool CDlgDirStruct::HostLevelExists(const std::string& path)
{
    if (m_knownHostLevels.count(path))
        return true;
    CNetvaneFindFile* finder = m_pFtp->m_Sess.m_pFindFile;
    bool exists = finder->FindFile(path.c_str(), kFindFlags) != FALSE;
    finder->Close();
    return exists;
}

CString CDlgDirStruct::GetError()
{
    char text[1024] = {};
    ::FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        ::GetLastError(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text - 1,
        nullptr);
    for (char* c = text; *c; ++c) {
        if (*c == '\r' || *c == '\n' || *c == '\a' || *c == '\b')
            *c = ' ';
    }
    m_strError += CString(text) + "\n";
    return text;
}

BOOL CDlgDirStruct::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_nVisible) {
        ShowWindow(SW_HIDE);
        PostMessage(
            WM_COMMAND, m_nLocalSide ? IDC_BUTTON_CREATEDIRSTRUCT : IDC_BUTTON_CREATEDIRSTRUCTFTP);
    } else if (m_pItem) {
        CString line = CString("Validate : ") + m_pItem->destination.path;
        SendDlgItemMessage(
            IDC_LIST_DIRSTRUCT, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.GetString()));
        SetDlgItemText(IDC_STATIC_DIRSTRUCTPATH, m_pItem->destination.path);
    }
    return TRUE;
}

void CDlgDirStruct::RunCommand(bool host)
{
    if (!m_pItem)
        return;
    if (m_hWnd)
        SendDlgItemMessage(IDC_LIST_DIRSTRUCT, LB_RESETCONTENT);
    m_nResult = host ? CreateDirStructFtp(m_pItem) : CreateDirStruct(m_pItem);
}

bool CDlgDirStruct::LocalLevelExists(const std::string& path)
{
    if (m_knownLocalLevels.count(path))
        return true;
    WIN32_FIND_DATA found;
    HANDLE find = ::FindFirstFile(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(find);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CDlgDirStruct::CloseWhenUnattended()
{
    if (m_pItem && !m_nVisible && !m_bReused)
        PostMessage(WM_COMMAND, IDCANCEL);
}

int CDlgDirStruct::Check(_DlgFtpItemTransfer* item)
{
    m_bReused = true;
    SetTransfer(item);
    m_strError.Empty();
    m_nResult = 0;
    RunCommand(!m_nLocalSide);
    return m_nResult;
}

void CDlgDirStruct::OnButtonCreatedirstruct()
{
    RunCommand(false);
    CloseWhenUnattended();
}

void CDlgDirStruct::OnButtonCreatedirstructftp()
{
    RunCommand(true);
    CloseWhenUnattended();
}

void CDlgDirStruct::OnOK()
{
    m_strError.Empty();
    m_nResult = 0;
    PostMessage(
        WM_COMMAND, m_nLocalSide ? IDC_BUTTON_CREATEDIRSTRUCT : IDC_BUTTON_CREATEDIRSTRUCTFTP);
}

void CDlgDirStruct::OnCancel() { CDialog::OnCancel(); }
