#include "ftp/dlgftp.h"

#include "app/tessilo.h"
#include "ftp/dlgftplist.h"
#include "ftp/dlgftplog.h"
#include "ftp/dlgidpw.h"
#include "ftp/ftpfields.h"
#include "ftp/ftpicons.h"
#include "ftp/ftpprofile.h"
#include "ftp/ftpsingletransfer.h"
#include "resources/resource.h"
#include <objbase.h>

#include <cstring>

namespace {
const int kIconSize = 22;
const int kUrlChars = 259;
// The finder's flags for a listing (reload, no cache).
const DWORD kFindFlags = 0xE0000000;

// The browser that owns the thread's mouse hook.
CDlgFtp* hookOwner = nullptr;
HHOOK hookHandle = nullptr;

// Host paths and URLs without any "ftp://" or "FTP://".
CString withoutFtpPrefix(CString text)
{
    text.Replace("ftp://", "");
    text.Replace("FTP://", "");
    return text;
}

CString withSeparator(CString path, char separator)
{
    if (path.IsEmpty() || path[path.GetLength() - 1] != separator)
        path += separator;
    return path;
}

_DlgFtpItem node(DWORD type, DWORD size, const CString& path)
{
    _DlgFtpItem n {};
    n.type = type;
    n.size = size;
    ftpfields::copy(n.path, path);
    return n;
}

CString sizedName(const CString& name, unsigned long long size)
{
    CString text;
    text.Format("%s ( %llu )", name.GetString(), size);
    return text;
}
}

BEGIN_MESSAGE_MAP(CDlgFtp, CDialog)
ON_BN_CLICKED(IDC_BUTTON_CONNECT, OnButtonConnect)
ON_BN_CLICKED(IDC_BUTTON_PUT, OnButtonPut)
ON_BN_CLICKED(IDC_BUTTON_GET, OnButtonGet)
ON_BN_CLICKED(IDC_BUTTON_PROPERTIES, OnButtonProperties)
ON_BN_CLICKED(IDC_BUTTON_TRANSFERLIST, OnButtonTransferList)
ON_COMMAND(ID_FTP_ADD, OnMenuAdd)
ON_COMMAND(ID_FTP_DELETE, OnMenuDelete)
ON_COMMAND(ID_FTP_FTPLOG, OnMenuFtpLog)
ON_WM_CONTEXTMENU()
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_TREE_LOCAL, OnItemexpandingTreeLocal)
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_TREE_HOST, OnItemexpandingTreeHost)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE_LOCAL, OnSelchangedTreeLocal)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE_HOST, OnSelchangedTreeHost)
ON_NOTIFY(NM_SETFOCUS, IDC_TREE_LOCAL, OnSetfocusTreeLocal)
ON_NOTIFY(NM_SETFOCUS, IDC_TREE_HOST, OnSetfocusTreeHost)
END_MESSAGE_MAP()

CDlgFtp::CDlgFtp(CWinApp* app, CWnd* parent)
    : CDialog(IDD_DLGFTP, parent)
    , m_pApp(app)
{
    m_strLog = ftpprofile::logPath(nullptr);
}

CDlgFtp::~CDlgFtp()
{
    removeMouseHook();
    delete m_pLog;
    delete m_pList;
    delete m_pFtp;
}

void CDlgFtp::DoDataExchange(CDataExchange*) { }

BOOL CDlgFtp::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_local.tree.SubclassDlgItem(IDC_TREE_LOCAL, this);
    m_host.tree.SubclassDlgItem(IDC_TREE_HOST, this);
    if (CImageList* images = CreateImageListLocal())
        m_local.tree.SetImageList(images, TVSIL_NORMAL);
    if (CImageList* images = CreateImageListHost())
        m_host.tree.SetImageList(images, TVSIL_NORMAL);
    if (m_pApp)
        GetVitals();
    GetDrivesLocal();
    installMouseHook();
    m_track.cbSize = 16;
    m_track.dwFlags = TME_HOVER | TME_LEAVE;
    m_track.hwndTrack = m_hWnd;
    m_track.dwHoverTime = 100;
    m_pList = new CDlgFtpList(this, m_pApp);
    return TRUE;
}

// Settings.

void CDlgFtp::GetVitals()
{
    if (!m_pApp)
        return;
    SetDlgItemText(IDC_EDIT_URL, ftpprofile::read(m_pApp, ftpprofile::kUrlHost));
    m_strPathLocal = ftpprofile::read(m_pApp, ftpprofile::kPathLocal);
    m_strPathHost = ftpprofile::read(m_pApp, ftpprofile::kPathHost);
    m_strLog = ftpprofile::logPath(m_pApp);
}

void CDlgFtp::PutVitals()
{
    if (!m_pApp)
        return;
    char url[kUrlChars + 1] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_EDIT_URL, url, sizeof url);
    ftpprofile::write(m_pApp, ftpprofile::kUrlHost, url);
    ftpprofile::write(m_pApp, ftpprofile::kPathLocal, m_strPathLocal);
    ftpprofile::write(m_pApp, ftpprofile::kPathHost, m_strPathHost);
    ftpprofile::write(m_pApp, ftpprofile::kLog, m_strLog);
}

// Image lists: folder, file, drive, CD drive and network drive icons of the library.

CImageList* CDlgFtp::createImageList(Side& s)
{
    if (!ftpIconsCreate(s.images, kIconSize))
        return nullptr;
    auto load = [&](int id) { return ftpIconsAdd(s.images, id, kIconSize); };
    s.iconFolder = load(IDI_FTP_FOLDER);
    if (s.iconFolder >= 0) {
        s.iconFile = load(IDI_FTP_FILE);
        s.iconDrive = load(IDI_FTP_DRIVE);
        s.iconCdDrive = load(IDI_FTP_CDDRIVE);
        s.iconNetDrive = load(IDI_FTP_NETDRIVE);
    }
    return &s.images;
}

CImageList* CDlgFtp::CreateImageListLocal() { return createImageList(m_local); }
CImageList* CDlgFtp::CreateImageListHost() { return createImageList(m_host); }
void CDlgFtp::DestroyImageListLocal() { m_local.images.DeleteImageList(); }
void CDlgFtp::DestroyImageListHost() { m_host.images.DeleteImageList(); }

// Tree items and their records.

HTREEITEM CDlgFtp::insertNode(Side& s, HTREEITEM parent, const CString& text, int image,
    bool children, const _DlgFtpItem& record)
{
    auto* heap = static_cast<_DlgFtpItem*>(CoTaskMemAlloc(sizeof(_DlgFtpItem)));
    if (!heap)
        return nullptr;
    *heap = record;
    TVINSERTSTRUCT insert {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(text.GetString());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.cChildren = children ? 1 : 0;
    insert.item.lParam = reinterpret_cast<LPARAM>(heap);
    HTREEITEM item = s.tree.InsertItem(&insert);
    if (!item)
        CoTaskMemFree(heap);
    return item;
}

void CDlgFtp::freeRecords(Side& s, HTREEITEM first)
{
    for (HTREEITEM item = first; item; item = s.tree.GetNextSiblingItem(item)) {
        freeRecords(s, s.tree.GetChildItem(item));
        if (void* record = reinterpret_cast<void*>(s.tree.GetItemData(item))) {
            CoTaskMemFree(record);
            s.tree.SetItemData(item, 0);
        }
    }
}

void CDlgFtp::deleteChildren(Side& s, HTREEITEM item)
{
    if (!item)
        return;
    freeRecords(s, s.tree.GetChildItem(item));
    while (HTREEITEM child = s.tree.GetChildItem(item))
        s.tree.DeleteItem(child);
}

void CDlgFtp::noChildren(Side& s, HTREEITEM item)
{
    TVITEM info {};
    info.mask = TVIF_CHILDREN;
    info.hItem = item;
    info.cChildren = 0;
    s.tree.SetItem(&info);
}

void CDlgFtp::FreeAllLocal()
{
    if (m_local.tree.GetSafeHwnd())
        freeRecords(m_local, m_local.tree.GetRootItem());
}

void CDlgFtp::FreeAllHost()
{
    if (m_host.tree.GetSafeHwnd())
        freeRecords(m_host, m_host.tree.GetRootItem());
}

void CDlgFtp::DelAllChildrenLocal(HTREEITEM item) { deleteChildren(m_local, item); }
void CDlgFtp::DelAllChildrenHost(HTREEITEM item) { deleteChildren(m_host, item); }

// The local side.

long CDlgFtp::GetDrivesLocal()
{
    m_dwDrives = ::GetLogicalDrives();
    long inserted = 0;
    for (int letter = 0; letter < 26; ++letter) {
        if (!(m_dwDrives & (1u << letter)))
            continue;
        CString root;
        root.Format("%c:\\", 'A' + letter);
        if (!insertNode(
                m_local, TVI_ROOT, root, m_local.iconDrive, true, node(DLGFTPITEM_DRIVE, 0, root)))
            continue;
        if (inserted++ == 0)
            SetDlgItemText(IDC_EDIT_PATHLOCAL, root);
    }
    return inserted;
}

long CDlgFtp::GetCurrentLocal() { return GetDrivesLocal(); }

long CDlgFtp::showChildrenLocal(HTREEITEM item)
{
    auto* folder = reinterpret_cast<_DlgFtpItem*>(item ? m_local.tree.GetItemData(item) : 0);
    if (!folder)
        return 0;
    deleteChildren(m_local, item);
    CString path = withSeparator(folder->path, dlgftpitemLocalSeparator(folder->path));
    long inserted = 0;
    WIN32_FIND_DATAA entry {};
    HANDLE search = ::FindFirstFileA(path + "*.*", &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            CString name = entry.cFileName;
            // Files of 4 GiB or more do not fit the record's size.
            if (name == "." || name == ".." || entry.nFileSizeHigh != 0)
                continue;
            bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            HTREEITEM child = directory
                ? insertNode(m_local, item, name, m_local.iconFolder, true,
                    node(DLGFTPITEM_FOLDER, 0, path + name))
                : insertNode(m_local, item, sizedName(name, entry.nFileSizeLow), m_local.iconFile,
                    false, node(DLGFTPITEM_FILE, entry.nFileSizeLow, path + name));
            inserted += child ? 1 : 0;
        } while (::FindNextFileA(search, &entry));
        ::FindClose(search);
    }
    if (inserted == 0)
        noChildren(m_local, item);
    return inserted;
}

long CDlgFtp::ShowChildrenLocal()
{
    return m_local.hasSelection ? showChildrenLocal(m_local.selected.hItem) : 0;
}

// The host side.

long CDlgFtp::GetDrivesHost()
{
    if (!m_bConnected || !m_pFtp)
        return 0;
    CString directory = m_pFtp->m_Sess.GetDir();
    if (directory.IsEmpty())
        return 0;
    // The root shows the host and its directory; its record holds the directory, which the
    // finder searches and under which put destinations are formed.
    CString host = withoutFtpPrefix(m_strUrl);
    host.TrimRight('/');
    if (!insertNode(m_host, TVI_ROOT, host + directory, m_host.iconDrive, true,
            node(DLGFTPITEM_FOLDER, 0, directory)))
        return 0;
    SetDlgItemText(IDC_EDIT_PATHHOST, directory);
    return 1;
}

long CDlgFtp::GetCurrentHost() { return GetDrivesHost(); }

long CDlgFtp::showChildrenHost(HTREEITEM item)
{
    auto* folder = reinterpret_cast<_DlgFtpItem*>(item ? m_host.tree.GetItemData(item) : 0);
    if (!folder || !m_pFtp || !m_pFtp->m_Sess.m_pFtpConnection || !m_pFtp->m_Sess.m_pFindFile)
        return 0;
    deleteChildren(m_host, item);
    CNetvaneFindFile* finder = m_pFtp->m_Sess.m_pFindFile;
    CString pattern = withoutFtpPrefix(withSeparator(folder->path, '/') + "*.*");
    long inserted = 0;
    BOOL more = finder->FindFile(pattern, kFindFlags);
    while (more) {
        more = finder->FindNextFile();
        if (finder->IsDots())
            continue;
        CString name = finder->GetFileName();
        CString path = withoutFtpPrefix(finder->GetFilePath());
        HTREEITEM child = finder->IsDirectory()
            ? insertNode(
                m_host, item, name, m_host.iconFolder, true, node(DLGFTPITEM_FOLDER, 0, path))
            : insertNode(m_host, item, sizedName(name, finder->GetLength()), m_host.iconFile, false,
                node(DLGFTPITEM_FILE, static_cast<DWORD>(finder->GetLength()), path));
        inserted += child ? 1 : 0;
    }
    finder->Close();
    if (inserted == 0)
        noChildren(m_host, item);
    return inserted;
}

long CDlgFtp::ShowChildrenHost()
{
    return m_host.hasSelection ? showChildrenHost(m_host.selected.hItem) : 0;
}

// Connect.

void CDlgFtp::OnButtonConnect()
{
    char typed[kUrlChars + 1] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_EDIT_URL, typed, sizeof typed);
    CString text = typed;
    if (text.IsEmpty())
        return;
    BeginWaitCursor();
    if (m_pFtp) {
        FreeAllHost();
        m_host.tree.DeleteAllItems();
        delete m_pFtp;
        m_pFtp = nullptr;
    }
    m_bConnected = 0;
    clearSelection(false);
    m_pFtp = new CNetvaneFtp;
    m_pFtp->SetStatusWindow(::GetDlgItem(m_hWnd, IDC_STATIC_FTPSTATUS));
    m_strUrl = text.Left(6) == "ftp://" ? text : "ftp://" + text;
    m_strUserId = ftpprofile::read(m_pApp, ftpprofile::kId);
    m_strPassword = ftpprofile::read(m_pApp, ftpprofile::kPassword);
    if (m_pFtp->URLConnect(m_strUrl, nullptr, m_strUserId, m_strPassword)) {
        m_bConnected = 1;
        GetCurrentHost();
        enableButton(IDC_BUTTON_PUT, FALSE);
        enableButton(IDC_BUTTON_GET, FALSE);
        clearSelection(true);
        clearSelection(false);
    }
    EndWaitCursor();
}

// Selections.

TVITEM* CDlgFtp::GetItemSelectedLocal()
{
    return m_local.hasSelection ? &m_local.selected : nullptr;
}
TVITEM* CDlgFtp::GetItemSelectedHost() { return m_host.hasSelection ? &m_host.selected : nullptr; }

void CDlgFtp::setSelection(bool local, HTREEITEM item)
{
    Side& s = side(local);
    s.hasSelection = false;
    if (!item)
        return;
    s.selected = TVITEM {};
    s.selected.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_PARAM;
    s.selected.hItem = item;
    if (!s.tree.GetItem(&s.selected))
        return;
    const auto* record = reinterpret_cast<const _DlgFtpItem*>(s.selected.lParam);
    s.node = record ? *record : _DlgFtpItem {};
    s.hasSelection = record != nullptr;
}

void CDlgFtp::SetItemSelectedLocal(HTREEITEM item) { setSelection(true, item); }
void CDlgFtp::SetItemSelectedHost(HTREEITEM item) { setSelection(false, item); }

void CDlgFtp::clearSelection(bool local)
{
    Side& s = side(local);
    if (s.tree.GetSafeHwnd())
        s.tree.SelectItem(nullptr);
    s.hasSelection = false;
}

void CDlgFtp::OnSelchangedTreeLocal(NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    setSelection(true, change->itemNew.hItem);
    m_hLastFocusedTree = m_local.tree.GetSafeHwnd();
    if (m_local.hasSelection) {
        m_strPathLocal = m_local.node.path;
        SetDlgItemText(IDC_EDIT_PATHLOCAL, m_strPathLocal);
    }
    enableButton(IDC_BUTTON_PUT,
        m_bConnected && m_local.hasSelection && m_local.node.type == DLGFTPITEM_FILE);
    *result = 0;
}

void CDlgFtp::OnSelchangedTreeHost(NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    setSelection(false, change->itemNew.hItem);
    m_hLastFocusedTree = m_host.tree.GetSafeHwnd();
    if (m_host.hasSelection) {
        m_strPathHost = m_host.node.path;
        SetDlgItemText(IDC_EDIT_PATHHOST, m_strPathHost);
    }
    enableButton(
        IDC_BUTTON_GET, m_bConnected && m_host.hasSelection && m_host.node.type == DLGFTPITEM_FILE);
    *result = 0;
}

void CDlgFtp::OnItemexpandingTreeLocal(NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    if (change->action & TVE_EXPAND)
        showChildrenLocal(change->itemNew.hItem);
    *result = 0;
}

void CDlgFtp::OnItemexpandingTreeHost(NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    if (change->action & TVE_EXPAND)
        showChildrenHost(change->itemNew.hItem);
    *result = 0;
}

void CDlgFtp::OnSetfocusTreeLocal(NMHDR*, LRESULT* result)
{
    m_hLastFocusedTree = m_local.tree.GetSafeHwnd();
    *result = 0;
}

void CDlgFtp::OnSetfocusTreeHost(NMHDR*, LRESULT* result)
{
    m_hLastFocusedTree = m_host.tree.GetSafeHwnd();
    *result = 0;
}

void CDlgFtp::enableButton(int id, BOOL enable)
{
    if (CWnd* button = GetDlgItem(id))
        button->EnableWindow(enable);
}

// Transfers.

int CDlgFtp::transferItem(bool localSource, _DlgFtpItemTransfer* item)
{
    Side& from = side(localSource);
    Side& to = side(!localSource);
    if (!item || !from.hasSelection || from.node.type == DLGFTPITEM_DRIVE)
        return 0;
    // Into the selected folder or drive of the other side, else its top ("/" or "c:\").
    bool intoFolder = to.hasSelection
        && (to.node.type == DLGFTPITEM_FOLDER || to.node.type == DLGFTPITEM_DRIVE);
    CString destination
        = dlgftpSingleDestination(from.node, intoFolder ? &to.node : nullptr, localSource ? 0 : 1);
    item->source = from.node;
    item->destination = to.hasSelection ? to.node : from.node;
    item->destination.type = from.node.type;
    std::memset(item->destination.path, 0, sizeof item->destination.path);
    ftpfields::copy(item->destination.path, destination);
    return 1;
}

int CDlgFtp::GetLocalToFrom(_DlgFtpItemTransfer* item) { return transferItem(true, item); }
int CDlgFtp::GetHostToFrom(_DlgFtpItemTransfer* item) { return transferItem(false, item); }

int CDlgFtp::FileExistsLocal(CString path) { return ::FileExistsLocal(path); }
int CDlgFtp::FileExistsHost(CString path) { return ::FileExistsHost(m_pFtp, path); }
int CDlgFtp::LogWrite(_DlgFtpLogItem* record) { return dlgftplogAppend(m_strLog, record); }

void CDlgFtp::singleTransfer(bool get)
{
    PutVitals();
    Side& from = side(!get);
    Side& to = side(get);
    if (!from.hasSelection || !m_bConnected || !m_pFtp) {
        enableButton(get ? IDC_BUTTON_GET : IDC_BUTTON_PUT, FALSE);
        return;
    }
    DlgFtpSingleTransfer transfer;
    transfer.app = m_pApp;
    transfer.parent = this;
    transfer.ftp = m_pFtp;
    transfer.get = get ? 1 : 0;
    transfer.source = from.node;
    transfer.selectedDestination = to.hasSelection ? &to.node : nullptr;
    transfer.url = m_strUrl;
    transfer.userId = m_strUserId;
    transfer.password = m_strPassword;
    transfer.logPath = m_strLog;
    dlgftpSingleTransfer(transfer);
}

void CDlgFtp::OnButtonPut() { singleTransfer(false); }
void CDlgFtp::OnButtonGet() { singleTransfer(true); }

// The other buttons and the shortcut menu.

void CDlgFtp::OnButtonProperties()
{
    CDlgIdPw credentials(m_pApp, this, "", "");
    if (credentials.DoModal() != IDOK)
        return;
    m_strUserId = credentials.m_strId;
    m_strPassword = credentials.m_strPassword;
}

void CDlgFtp::OnButtonTransferList()
{
    if (!m_pList)
        m_pList = new CDlgFtpList(this, m_pApp);
    m_pList->ShowWindow(SW_SHOW);
    m_pList->BringWindowToTop();
}

void CDlgFtp::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_MENU_FTP, CTessiloApp::GetLibraryModule()))
        return;
    if (CMenu* popup = menu.GetSubMenu(0))
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CDlgFtp::OnMenuAdd()
{
    OnButtonTransferList();
    bool fromHost = m_hLastFocusedTree && m_hLastFocusedTree == m_host.tree.GetSafeHwnd();
    _DlgFtpItemTransfer item {};
    if (!transferItem(!fromHost, &item))
        return;
    ftpfields::copy(item.userId, ftpprofile::read(m_pApp, ftpprofile::kId));
    ftpfields::copy(item.password, ftpprofile::read(m_pApp, ftpprofile::kPassword));
    char typed[kUrlChars + 1] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_EDIT_URL, typed, sizeof typed);
    CString host = typed[0] ? CString(typed) : ftpprofile::read(m_pApp, ftpprofile::kUrlHost);
    // Items name their host without the scheme: the list engine puts "ftp://" in front.
    ftpfields::copy(item.host, withoutFtpPrefix(host));
    item.selected = 1;
    item.includeSubdirectories = 1;
    if (!m_pList || !item.source.path[0])
        return;
    if (fromHost) {
        m_pList->dlgftpitemAddGet(&item);
        m_pList->countGet();
    } else {
        m_pList->dlgftpitemAddPut(&item);
        m_pList->countPut();
    }
}

void CDlgFtp::OnMenuDelete()
{
    OnButtonTransferList();
    bool fromHost = m_hLastFocusedTree && m_hLastFocusedTree == m_host.tree.GetSafeHwnd();
    Side& s = side(!fromHost);
    if (!m_pList || !s.hasSelection)
        return;
    if (fromHost)
        m_pList->dlgftpitemDeleteGet(&s.node);
    else
        m_pList->dlgftpitemDeletePut(&s.node);
}

void CDlgFtp::OnMenuFtpLog()
{
    delete m_pLog;
    m_pLog = new CDlgFtpLog(this, m_strLog);
    if (m_pLog->GetSafeHwnd())
        m_pLog->ShowWindow(SW_SHOW);
}

// The mouse hook: button presses over the browser record the pointer.

LRESULT CALLBACK CDlgFtp::mouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && hookOwner && lParam) {
        const auto* event = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        HWND dialog = hookOwner->GetSafeHwnd();
        if (dialog && (event->hwnd == dialog || ::IsChild(dialog, event->hwnd))) {
            CPoint where(event->pt.x, event->pt.y);
            if (wParam == WM_LBUTTONDOWN)
                hookOwner->MouseLButtonDown(event->wHitTestCode, where);
            else if (wParam == WM_RBUTTONDOWN)
                hookOwner->MouseRButtonDown(event->wHitTestCode, where);
        }
    }
    return ::CallNextHookEx(hookHandle, code, wParam, lParam);
}

void CDlgFtp::installMouseHook()
{
    if (m_hHook)
        return;
    m_hHook = ::SetWindowsHookExA(
        WH_MOUSE, mouseHookProc, CTessiloApp::GetLibraryModule(), ::GetCurrentThreadId());
    hookHandle = m_hHook;
    hookOwner = this;
}

void CDlgFtp::removeMouseHook()
{
    if (!m_hHook)
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = nullptr;
    if (hookOwner == this) {
        hookOwner = nullptr;
        hookHandle = nullptr;
    }
}

void CDlgFtp::MouseLButtonDown(UINT, CPoint point) { GetMouse(point); }
void CDlgFtp::MouseRButtonDown(UINT, CPoint point) { GetMouse(point); }

void CDlgFtp::GetMouse(CPoint point)
{
    m_ptMouseDown = m_ptMouse;
    m_ptMouse = point;
}

// Closing.

void CDlgFtp::OnCancel()
{
    delete m_pLog;
    m_pLog = nullptr;
    if (m_pList) {
        m_pList->ListsShutdown();
        delete m_pList;
        m_pList = nullptr;
    }
    removeMouseHook();
    PutVitals();
    FreeAllLocal();
    FreeAllHost();
    m_local.tree.DeleteAllItems();
    m_host.tree.DeleteAllItems();
    DestroyImageListLocal();
    DestroyImageListHost();
    CDialog::OnCancel();
}
