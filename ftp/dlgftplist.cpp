#include "ftp/dlgftplist.h"

#include "ftp/dlgftplistedit.h"
#include "ftp/dlgftplog.h"
#include "ftp/ftpicons.h"
#include "ftp/ftpprofile.h"
#include "resources/resource.h"
#include <afxdlgs.h>
#include <objbase.h>

#include <cstring>
#include <vector>

// What tells the Put side from the Get side.
struct CDlgFtpList::Side {
    int listId;
    int runId;
    const char* filter; // the file dialog's filter
    const char* fileName; // the file dialog's default name
    const char* extension;
    const char* folder; // inside the configuration folder
    const char* addCaption;
    const char* editCaption;
    const char* oneItemMessage;
};

namespace {
const int kSmallIcon = 16;
const int kStatusX = 200;
const int kStatusGrowth = 150;
const int kDialogGrowth = 180;
const int kColumnLetters = 192;

// The caption of the list dialog's own message boxes.
const char* const kCaption = "Ftp Transfer List";

_DlgFtpItemTransfer* heapCopy(const _DlgFtpItemTransfer* item)
{
    auto* copy = static_cast<_DlgFtpItemTransfer*>(CoTaskMemAlloc(sizeof(_DlgFtpItemTransfer)));
    if (copy)
        std::memcpy(copy, item, sizeof *copy);
    return copy;
}

bool existsAsFolder(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes sure of the folder; 0 when it exists afterwards, 1 otherwise.
int makeFolder(const CString& path)
{
    if (existsAsFolder(path))
        return 0;
    return ::CreateDirectoryA(path, nullptr) || existsAsFolder(path) ? 0 : 1;
}

// The folder with its separator at the end ("/" for a native path, "\\" otherwise).
CString withSlash(CString path)
{
    if (!path.IsEmpty() && path.Right(1) != "\\" && path.Right(1) != "/")
        path += dlgftpitemLocalSeparator(path);
    return path;
}
}

BEGIN_MESSAGE_MAP(CDlgFtpList, CDialog)
ON_BN_CLICKED(IDC_BUTTON_SAVEPUT, OnButtonSavePut)
ON_BN_CLICKED(IDC_BUTTON_SAVEGET, OnButtonSaveGet)
ON_BN_CLICKED(IDC_BUTTON_LOADPUT, OnButtonLoadPut)
ON_BN_CLICKED(IDC_BUTTON_LOADGET, OnButtonLoadGet)
ON_BN_CLICKED(IDC_BUTTON_ADDPUT, OnButtonAddPut)
ON_BN_CLICKED(IDC_BUTTON_ADDGET, OnButtonAddGet)
ON_BN_CLICKED(IDC_BUTTON_EDITPUT, OnButtonEditPut)
ON_BN_CLICKED(IDC_BUTTON_EDITGET, OnButtonEditGet)
ON_BN_CLICKED(IDC_BUTTON_DELETEPUT, OnButtonDeletePut)
ON_BN_CLICKED(IDC_BUTTON_DELETEGET, OnButtonDeleteGet)
ON_BN_CLICKED(IDC_BUTTON_PUT, OnButtonPut)
ON_BN_CLICKED(IDC_BUTTON_GET, OnButtonGet)
ON_BN_CLICKED(IDC_CHECK_SUBDIRS, OnCheckSubdirs)
ON_BN_CLICKED(IDC_BUTTON_FTPLOG, OnButtonFtpLog)
ON_BN_CLICKED(IDC_BUTTON_STATUSSIZE, OnButtonStatusSize)
ON_NOTIFY(NM_CLICK, IDC_LIST_PUT, OnClickListPut)
ON_NOTIFY(NM_CLICK, IDC_LIST_GET, OnClickListGet)
ON_NOTIFY(NM_DBLCLK, IDC_LIST_PUT, OnDblclkListPut)
ON_NOTIFY(NM_DBLCLK, IDC_LIST_GET, OnDblclkListGet)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST_PUT, OnItemchangedListPut)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST_GET, OnItemchangedListGet)
END_MESSAGE_MAP()

CDlgFtpList::CDlgFtpList(CWnd* parent, CWinApp* app)
    : m_pApp(app)
    , m_pParent(parent)
{
    if (!Create(IDD_DLGFTPLIST, parent))
        return;
    if (parent && parent->GetSafeHwnd()) {
        CRect around, mine;
        parent->GetWindowRect(&around);
        GetWindowRect(&mine);
        SetWindowPos(nullptr, around.left + 8, around.bottom + 10 - mine.Height(), 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

CDlgFtpList::~CDlgFtpList()
{
    ListsShutdown();
    deleteLogDialog();
    if (m_hWnd) {
        freeItemAll(1);
        freeItemAll(0);
        DestroyImageList();
        DestroyWindow();
    }
    delete m_pListFont;
}

const CDlgFtpList::Side& CDlgFtpList::side(int put) const
{
    static const Side kPut = { IDC_LIST_PUT, IDC_BUTTON_PUT, "Transfer List( Put )|*.tlp||",
        "TransferListPut", ".tlp", "TransListPut", "Add Put Item", "Edit Put Item",
        "You must select only one Put item for editing" };
    static const Side kGet = { IDC_LIST_GET, IDC_BUTTON_GET, "Transfer List( Get )|*.tlg||",
        "TransferListGet", ".tlg", "TransListGet", "Add Get Item", "Edit Get Item",
        "You must select only one Get item for editing" };
    return put ? kPut : kGet;
}

CListCtrl* CDlgFtpList::list(int put) { return put ? &m_listPut : &m_listGet; }

void CDlgFtpList::DoDataExchange(CDataExchange*) { }

BOOL CDlgFtpList::OnInitDialog()
{
    CDialog::OnInitDialog();
    ListsInit();
    enableRuns(FALSE);
    m_strLog = ftpprofile::logPath(m_pApp);
    CheckDlgButton(IDC_CHECK_SUBDIRS, BST_CHECKED);
    m_nIncludeSubdirs = 1;
    // The status pane: from x 200 to the right margin, under the lists, compact.
    GetWindowRect(&m_rectDialog);
    if (CWnd* pane = GetDlgItem(IDC_RICHEDIT_STATUS)) {
        pane->GetWindowRect(&m_rectStatus);
        ScreenToClient(&m_rectStatus);
        m_rectStatus.left = kStatusX;
        pane->MoveWindow(&m_rectStatus);
        CRect button;
        GetDlgItem(IDC_BUTTON_STATUSSIZE)->GetWindowRect(&button);
        ScreenToClient(&button);
        GetDlgItem(IDC_BUTTON_STATUSSIZE)
            ->MoveWindow(
                kStatusX - button.Width() - 4, m_rectStatus.top, button.Width(), button.Height());
    }
    return TRUE;
}

int CDlgFtpList::ListsInit()
{
    if (!m_listPut.GetSafeHwnd())
        m_listPut.SubclassDlgItem(IDC_LIST_PUT, this);
    if (!m_listGet.GetSafeHwnd())
        m_listGet.SubclassDlgItem(IDC_LIST_GET, this);
    if (!m_listPut.GetSafeHwnd() || !m_listGet.GetSafeHwnd())
        return 0;
    if (CImageList* images = CreateImageList()) {
        m_listPut.SetImageList(images, LVSIL_SMALL);
        m_listGet.SetImageList(images, LVSIL_SMALL);
    }
    char face[] = "Arial";
    ListCreateFont(10, face);
    ListSetFont();
    for (int put : { 1, 0 }) {
        CListCtrl* l = list(put);
        CString letters(std::string(kColumnLetters, 'i').c_str());
        int width = l->GetStringWidth(letters) + 25;
        l->InsertColumn(0, "From", LVCFMT_LEFT, width);
        l->InsertColumn(1, "To", LVCFMT_LEFT, width);
        l->SetExtendedStyle(l->GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    }
    return 1;
}

CImageList* CDlgFtpList::CreateImageList()
{
    if (!ftpIconsCreate(m_images, kSmallIcon))
        return nullptr;
    m_nImageFolder = ftpIconsAdd(m_images, IDI_FTP_FOLDER, kSmallIcon);
    m_nImageFile = ftpIconsAdd(m_images, IDI_FTP_FILE, kSmallIcon);
    return &m_images;
}

void CDlgFtpList::DestroyImageList()
{
    m_listPut.SetImageList(nullptr, LVSIL_SMALL);
    m_listGet.SetImageList(nullptr, LVSIL_SMALL);
    m_images.DeleteImageList();
}

int CDlgFtpList::imageOf(const _DlgFtpItemTransfer& record) const
{
    switch (record.source.type) {
    case DLGFTPITEM_FOLDER:
        return m_nImageFolder;
    case DLGFTPITEM_FILE:
        return m_nImageFile;
    default:
        return -1;
    }
}

void CDlgFtpList::ListsShutdown()
{
    if (m_pListEdit && m_pListEdit->GetSafeHwnd())
        m_pListEdit->PostMessage(WM_COMMAND, IDCANCEL, 0);
}

long CDlgFtpList::ListCreateFont(int size, char* face)
{
    delete m_pListFont;
    m_pListFont = new CFont;
    if (!m_pListFont->CreatePointFont(size * 10, face)) {
        delete m_pListFont;
        m_pListFont = nullptr;
        return E_FAIL;
    }
    return S_OK;
}

long CDlgFtpList::ListSetFont()
{
    if (!m_pListFont)
        return E_FAIL;
    m_listPut.SetFont(m_pListFont);
    m_listGet.SetFont(m_pListFont);
    return S_OK;
}

// Rows and their records.

_DlgFtpItemTransfer* CDlgFtpList::record(int put, long index)
{
    CListCtrl* l = list(put);
    if (!l->GetSafeHwnd() || index < 0 || index >= l->GetItemCount())
        return nullptr;
    return reinterpret_cast<_DlgFtpItemTransfer*>(l->GetItemData(index));
}

_DlgFtpItemTransfer* CDlgFtpList::GetItemPut(long index) { return record(1, index); }
_DlgFtpItemTransfer* CDlgFtpList::GetItemGet(long index) { return record(0, index); }

void CDlgFtpList::showRow(int put, int row)
{
    CListCtrl* l = list(put);
    _DlgFtpItemTransfer* item = record(put, row);
    if (!item)
        return;
    LVITEM first {};
    first.mask = LVIF_TEXT | LVIF_IMAGE;
    first.iItem = row;
    first.pszText = item->source.path;
    first.iImage = imageOf(*item);
    l->SetItem(&first);
    l->SetItemText(row, 1, item->destination.path);
}

void CDlgFtpList::insertRow(int put, _DlgFtpItemTransfer* heapRecord)
{
    CListCtrl* l = list(put);
    LVITEM row {};
    row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    row.iItem = l->GetItemCount();
    row.iImage = imageOf(*heapRecord);
    row.pszText = heapRecord->source.path;
    row.lParam = reinterpret_cast<LPARAM>(heapRecord);
    int index = l->InsertItem(&row);
    if (index < 0) {
        CoTaskMemFree(heapRecord);
        return;
    }
    l->SetItemText(index, 1, heapRecord->destination.path);
    ++count(put);
}

long CDlgFtpList::addItem(int put, const _DlgFtpItemTransfer* item)
{
    if (!item || !list(put)->GetSafeHwnd() || !dlgftpitemIsValid(*item))
        return count(put);
    if (_DlgFtpItemTransfer* copy = heapCopy(item))
        insertRow(put, copy);
    return count(put);
}

long CDlgFtpList::dlgftpitemAddPut(_DlgFtpItemTransfer* item) { return addItem(1, item); }
long CDlgFtpList::dlgftpitemAddGet(_DlgFtpItemTransfer* item) { return addItem(0, item); }

long CDlgFtpList::deleteItem(int put, long index)
{
    if (!record(put, index))
        return count(put);
    freeItem(put, index);
    list(put)->DeleteItem(index);
    --count(put);
    return count(put);
}

long CDlgFtpList::deleteItemByPath(int put, const _DlgFtpItem* item)
{
    if (!item)
        return count(put);
    for (int row = 0; row < list(put)->GetItemCount(); ++row) {
        _DlgFtpItemTransfer* r = record(put, row);
        if (r && std::strncmp(r->source.path, item->path, sizeof item->path) == 0)
            return deleteItem(put, row);
    }
    return count(put);
}

long CDlgFtpList::dlgftpitemDeletePut(long index) { return deleteItem(1, index); }
long CDlgFtpList::dlgftpitemDeleteGet(long index) { return deleteItem(0, index); }
long CDlgFtpList::dlgftpitemDeletePut(_DlgFtpItem* item) { return deleteItemByPath(1, item); }
long CDlgFtpList::dlgftpitemDeleteGet(_DlgFtpItem* item) { return deleteItemByPath(0, item); }

long CDlgFtpList::countItems(int put)
{
    long before = count(put);
    int rows = list(put)->GetSafeHwnd() ? list(put)->GetItemCount() : 0;
    if (rows > 0) {
        count(put) = rows;
        if (CWnd* run = GetDlgItem(side(put).runId))
            run->EnableWindow(TRUE);
    }
    return before;
}

long CDlgFtpList::countPut() { return countItems(1); }
long CDlgFtpList::countGet() { return countItems(0); }

void CDlgFtpList::freeItem(int put, long index)
{
    if (_DlgFtpItemTransfer* r = record(put, index)) {
        CoTaskMemFree(r);
        list(put)->SetItemData(index, 0);
    }
}

void CDlgFtpList::freeItemAll(int put)
{
    if (!list(put)->GetSafeHwnd())
        return;
    for (int row = 0; row < list(put)->GetItemCount(); ++row)
        freeItem(put, row);
}

void CDlgFtpList::freeItemPut(long index) { freeItem(1, index); }
void CDlgFtpList::freeItemGet(long index) { freeItem(0, index); }
void CDlgFtpList::freeItemAllPut() { freeItemAll(1); }
void CDlgFtpList::freeItemAllGet() { freeItemAll(0); }

// List files.

long CDlgFtpList::save(int put, const CString& file)
{
    std::vector<_DlgFtpItemTransfer> records;
    for (int row = 0; row < list(put)->GetItemCount(); ++row) {
        if (_DlgFtpItemTransfer* r = record(put, row))
            records.push_back(*r);
    }
    if (dlgftpitemWriteList(file, records.data(), records.size()) != 1)
        return 0;
    return static_cast<long>(records.size());
}

long CDlgFtpList::SavePut(CString file) { return save(1, file); }
long CDlgFtpList::SaveGet(CString file) { return save(0, file); }

long CDlgFtpList::load(int put, const CString& file)
{
    if (!list(put)->GetSafeHwnd())
        return 0;
    std::vector<_DlgFtpItemTransfer> records;
    if (dlgftpitemReadList(file, records) != 1)
        return 0;
    size_t valid = 0;
    for (const _DlgFtpItemTransfer& r : records)
        valid += dlgftpitemIsValid(r) ? 1 : 0;
    // A file that is not empty but holds no transfer record is not a list: the list stays.
    DWORD attributes = ::GetFileAttributesA(file);
    WIN32_FIND_DATAA found {};
    HANDLE search = attributes == INVALID_FILE_ATTRIBUTES ? INVALID_HANDLE_VALUE
                                                          : ::FindFirstFileA(file, &found);
    bool empty = true;
    if (search != INVALID_HANDLE_VALUE) {
        empty = found.nFileSizeLow == 0 && found.nFileSizeHigh == 0;
        ::FindClose(search);
    }
    if (!empty && valid == 0) {
        MessageBox(file + "\nholds no transfer list item: the list is kept as it is.", kCaption,
            MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    freeItemAll(put);
    list(put)->DeleteAllItems();
    count(put) = 0;
    for (const _DlgFtpItemTransfer& r : records)
        addItem(put, &r);
    return count(put);
}

long CDlgFtpList::LoadPut(CString file) { return load(1, file); }
long CDlgFtpList::LoadGet(CString file) { return load(0, file); }

int CDlgFtpList::CreateCfgDir()
{
    if (!m_pApp)
        return 1;
    CString fallback = ftpprofile::currentDirectorySlash() + "Cfg";
    CString folder = ftpprofile::read(m_pApp, ftpprofile::kConfigurations, fallback);
    if (folder.IsEmpty())
        return 1;
    if (!existsAsFolder(folder)) {
        if (makeFolder(folder) != 0)
            return 1;
        ftpprofile::write(m_pApp, ftpprofile::kConfigurations, folder);
    }
    m_strCfgDir = withSlash(folder);
    return 0;
}

int CDlgFtpList::createCfgSubDir(int put)
{
    if (m_strCfgDir.IsEmpty())
        return 1;
    CString folder = m_strCfgDir + side(put).folder;
    if (makeFolder(folder) != 0)
        return 1;
    (put ? m_strPutDir : m_strGetDir) = withSlash(folder);
    return 0;
}

int CDlgFtpList::CreateCfgPutDir() { return createCfgSubDir(1); }
int CDlgFtpList::CreateCfgGetDir() { return createCfgSubDir(0); }

bool CDlgFtpList::chooseListFile(int put, bool mustExist)
{
    m_hLastFocusedList = list(put)->GetSafeHwnd();
    if (!m_pApp || CreateCfgDir() != 0 || createCfgSubDir(put) != 0)
        return false;
    const Side& s = side(put);
    CString name = CString(s.fileName) + s.extension;
    DWORD flags = OFN_HIDEREADONLY | OFN_LONGNAMES | OFN_NOCHANGEDIR;
    if (mustExist)
        flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    CFileDialog dialog(TRUE, nullptr, name, flags, s.filter, this);
    CString folder = put ? m_strPutDir : m_strGetDir;
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return false;
    (put ? m_strPutFile : m_strGetFile) = dialog.GetPathName();
    return true;
}

void CDlgFtpList::onSave(int put)
{
    if (!chooseListFile(put, false))
        return;
    if (list(put)->GetItemCount() < 1)
        return;
    BeginWaitCursor();
    save(put, put ? m_strPutFile : m_strGetFile);
    EndWaitCursor();
}

void CDlgFtpList::onLoad(int put)
{
    if (!chooseListFile(put, true))
        return;
    BeginWaitCursor();
    load(put, put ? m_strPutFile : m_strGetFile);
    countItems(put);
    EndWaitCursor();
}

void CDlgFtpList::OnButtonSavePut() { onSave(1); }
void CDlgFtpList::OnButtonSaveGet() { onSave(0); }
void CDlgFtpList::OnButtonLoadPut() { onLoad(1); }
void CDlgFtpList::OnButtonLoadGet() { onLoad(0); }

// Add, Edit and Delete.

void CDlgFtpList::saveAndReload(int put)
{
    // Without a list file, or when the file cannot be written, the rows stay as they are.
    CString file = put ? m_strPutFile : m_strGetFile;
    if (file.IsEmpty() || save(put, file) != list(put)->GetItemCount())
        return;
    load(put, file);
    countItems(put);
}

void CDlgFtpList::onAdd(int put)
{
    if (m_hLastFocusedList != list(put)->GetSafeHwnd() || !m_hLastFocusedList)
        return;
    auto* item = static_cast<_DlgFtpItemTransfer*>(CoTaskMemAlloc(sizeof(_DlgFtpItemTransfer)));
    if (!item)
        return;
    std::memset(item, 0, sizeof *item);
    CRect rect;
    GetWindowRect(&rect);
    CDlgFtpListEdit editor(this, item, &rect, 1, side(put).addCaption);
    m_pListEdit = &editor;
    INT_PTR answer = editor.DoModal();
    m_pListEdit = nullptr;
    if (answer != IDOK) {
        CoTaskMemFree(item);
        return;
    }
    insertRow(put, item);
    countItems(put);
    saveAndReload(put);
}

void CDlgFtpList::onEdit(int put)
{
    CListCtrl* l = list(put);
    if (m_hLastFocusedList != l->GetSafeHwnd() || !m_hLastFocusedList)
        return;
    if (l->GetSelectedCount() > 1) {
        MessageBox(side(put).oneItemMessage, kCaption, MB_OK);
        return;
    }
    int row = l->GetNextItem(-1, LVNI_SELECTED);
    _DlgFtpItemTransfer* item = record(put, row);
    if (!item)
        return;
    CRect rect;
    GetWindowRect(&rect);
    CDlgFtpListEdit editor(this, item, &rect, 1, side(put).editCaption);
    m_pListEdit = &editor;
    INT_PTR answer = editor.DoModal();
    m_pListEdit = nullptr;
    if (answer != IDOK)
        return;
    showRow(put, row);
    saveAndReload(put);
}

void CDlgFtpList::onDelete(int put)
{
    CListCtrl* l = list(put);
    std::vector<int> rows;
    for (int row = l->GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = l->GetNextItem(row, LVNI_SELECTED)) {
        freeItem(put, row);
        rows.push_back(row);
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        l->DeleteItem(*it);
        --count(put);
    }
    if (l->GetItemCount() == 0)
        GetDlgItem(side(put).runId)->EnableWindow(FALSE);
}

void CDlgFtpList::OnButtonAddPut() { onAdd(1); }
void CDlgFtpList::OnButtonAddGet() { onAdd(0); }
void CDlgFtpList::OnButtonEditPut() { onEdit(1); }
void CDlgFtpList::OnButtonEditGet() { onEdit(0); }
void CDlgFtpList::OnButtonDeletePut() { onDelete(1); }
void CDlgFtpList::OnButtonDeleteGet() { onDelete(0); }

void CDlgFtpList::onClick(int put, NMHDR* header)
{
    m_hLastFocusedList = list(put)->GetSafeHwnd();
    auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
    if (!activate)
        return;
    if (_DlgFtpItemTransfer* item = record(put, activate->iItem))
        item->selected
            = (list(put)->GetItemState(activate->iItem, LVIS_SELECTED) & LVIS_SELECTED) ? 1 : 0;
}

void CDlgFtpList::OnClickListPut(NMHDR* header, LRESULT* result)
{
    onClick(1, header);
    *result = 0;
}

void CDlgFtpList::OnClickListGet(NMHDR* header, LRESULT* result)
{
    onClick(0, header);
    *result = 0;
}

void CDlgFtpList::OnDblclkListPut(NMHDR*, LRESULT* result)
{
    m_hLastFocusedList = m_listPut.GetSafeHwnd();
    onEdit(1);
    *result = 0;
}

void CDlgFtpList::OnDblclkListGet(NMHDR*, LRESULT* result)
{
    m_hLastFocusedList = m_listGet.GetSafeHwnd();
    onEdit(0);
    *result = 0;
}

// A selection made with the keyboard also makes its list the focused one.
void CDlgFtpList::OnItemchangedListPut(NMHDR*, LRESULT* result)
{
    if (::GetFocus() == m_listPut.GetSafeHwnd())
        m_hLastFocusedList = m_listPut.GetSafeHwnd();
    *result = 0;
}

void CDlgFtpList::OnItemchangedListGet(NMHDR*, LRESULT* result)
{
    if (::GetFocus() == m_listGet.GetSafeHwnd())
        m_hLastFocusedList = m_listGet.GetSafeHwnd();
    *result = 0;
}

// Runs.

void CDlgFtpList::enableRuns(BOOL enable)
{
    for (int id : { IDC_BUTTON_PUT, IDC_BUTTON_GET }) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(enable);
    }
}

void CDlgFtpList::onRun(int put)
{
    m_hLastFocusedList = list(put)->GetSafeHwnd();
    if (list(put)->GetItemCount() < 1)
        return;
    std::vector<_DlgFtpItemTransfer> items;
    for (int row = 0; row < list(put)->GetItemCount(); ++row) {
        if (_DlgFtpItemTransfer* r = record(put, row))
            items.push_back(*r);
    }
    enableRuns(FALSE);
    HWND pane = ::GetDlgItem(m_hWnd, IDC_RICHEDIT_STATUS);
    {
        CFtpListEngine engine(m_pApp, this, pane, m_strLog);
        if (put)
            engine.ListRunPut(items.data(), items.size());
        else
            engine.ListRunGet(items.data(), items.size());
    }
    enableRuns(TRUE);
    // A list emptied meanwhile keeps its run button off.
    for (int side : { 1, 0 }) {
        if (list(side)->GetItemCount() == 0)
            GetDlgItem(this->side(side).runId)->EnableWindow(FALSE);
    }
}

void CDlgFtpList::OnButtonPut() { onRun(1); }
void CDlgFtpList::OnButtonGet() { onRun(0); }

// The rest of the buttons.

void CDlgFtpList::OnCheckSubdirs()
{
    m_nIncludeSubdirs = IsDlgButtonChecked(IDC_CHECK_SUBDIRS) == BST_CHECKED ? 1 : 0;
}

void CDlgFtpList::deleteLogDialog()
{
    delete m_pLog;
    m_pLog = nullptr;
}

void CDlgFtpList::OnButtonFtpLog()
{
    deleteLogDialog();
    m_pLog = new CDlgFtpLog(this, m_strLog);
    if (m_pLog->GetSafeHwnd())
        m_pLog->ShowWindow(SW_SHOW);
}

void CDlgFtpList::OnButtonStatusSize()
{
    CWnd* pane = GetDlgItem(IDC_RICHEDIT_STATUS);
    if (!pane)
        return;
    m_bStatusExpanded = !m_bStatusExpanded;
    CRect dialog;
    GetWindowRect(&dialog);
    CRect status = m_rectStatus;
    if (m_bStatusExpanded)
        status.bottom += kStatusGrowth;
    pane->MoveWindow(&status);
    SetWindowPos(nullptr, 0, 0, m_rectDialog.Width(),
        m_rectDialog.Height() + (m_bStatusExpanded ? kDialogGrowth : 0), SWP_NOMOVE | SWP_NOZORDER);
    pane->SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), -1);
    pane->SendMessage(EM_SCROLLCARET, 0, 0);
    pane->SetFocus();
}

void CDlgFtpList::OnOK()
{
    deleteLogDialog();
    EndDialog(IDOK);
}

void CDlgFtpList::OnCancel()
{
    deleteLogDialog();
    for (int put : { 1, 0 }) {
        freeItemAll(put);
        list(put)->DeleteAllItems();
        count(put) = 0;
    }
    enableRuns(FALSE);
}
