#include "ftp/ftplistengine.h"

#include "ftp/dlgdirstruct.h"
#include "ftp/dlgftpprogress.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {
// Files only: the remote source of a get and the entries of a remote folder.
const DWORD kFindFlags = 0xE4000000;
const size_t kStatusMax = 255;

void setPath(_DlgFtpItem* item, const CString& path)
{
    std::memset(item->path, 0, sizeof item->path);
    std::strncpy(item->path, path.GetString(), sizeof item->path - 1);
}

CString withSeparator(const char* path, char separator)
{
    CString text = path;
    if (text.IsEmpty() || text[text.GetLength() - 1] != separator)
        text += separator;
    return text;
}

// The name and extension of a path with either separator.
CString lastName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    const char* backslash = std::strrchr(path, '\\');
    const char* cut = slash > backslash ? slash : backslash;
    return cut ? cut + 1 : path;
}

void prepareLog(_DlgFtpLogItem* log, const char* action, const _DlgFtpItemTransfer& item)
{
    std::memset(log, 0, sizeof *log);
    std::strncpy(log->action, action, sizeof log->action - 1);
    log->item = item;
}

// A child of a folder item: the folder's record with the entry's source and destination.
_DlgFtpItemTransfer childOf(const _DlgFtpItemTransfer& folder, const CString& name, bool directory,
    DWORD size, char sourceSeparator, char destinationSeparator)
{
    _DlgFtpItemTransfer child = folder;
    setPath(&child.source, withSeparator(folder.source.path, sourceSeparator) + name);
    child.source.type = directory ? DLGFTPITEM_FOLDER : DLGFTPITEM_FILE;
    child.source.size = size;
    setPath(
        &child.destination, withSeparator(folder.destination.path, destinationSeparator) + name);
    child.destination.type = child.source.type;
    child.destination.size = child.source.size;
    return child;
}

class WaitCursor {
public:
    WaitCursor() { ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }
    ~WaitCursor() { ::SetCursor(::LoadCursor(nullptr, IDC_ARROW)); }
};
}

CFtpListEngine::CFtpListEngine(CWinApp* app, CWnd* owner, HWND statusPane, CString logPath)
    : m_pApp(app)
    , m_pOwner(owner)
    , m_hStatusPane(statusPane)
    , m_strLogPath(logPath)
{
}

CFtpListEngine::~CFtpListEngine()
{
    DestroyProgress();
    DestroyFtp();
}

void CFtpListEngine::DestroyProgress()
{
    delete m_pProgressPut;
    m_pProgressPut = nullptr;
    delete m_pProgressGet;
    m_pProgressGet = nullptr;
}

HWND CFtpListEngine::GetPutProgressWindow() const
{
    return m_pProgressPut ? m_pProgressPut->m_hWnd : nullptr;
}

HWND CFtpListEngine::GetGetProgressWindow() const
{
    return m_pProgressGet ? m_pProgressGet->m_hWnd : nullptr;
}

void CFtpListEngine::ListRunPut(const _DlgFtpItemTransfer* items, size_t count)
{
    ListRun(items, count, false);
}

void CFtpListEngine::ListRunGet(const _DlgFtpItemTransfer* items, size_t count)
{
    ListRun(items, count, true);
}

void CFtpListEngine::ListRun(const _DlgFtpItemTransfer* items, size_t count, bool get)
{
    DestroyProgress();
    if (!items || count == 0)
        return;
    m_strCurrentHost.Empty();
    if (m_hStatusPane)
        ::SetWindowText(m_hStatusPane, "");
    for (size_t i = 0; i < count; ++i) {
        // The engine works on its own copy: folder runs and log records change it.
        _DlgFtpItemTransfer item = items[i];
        if (get)
            GetTransfer(&item);
        else
            PutTransfer(&item);
    }
    DestroyProgress();
    DestroyFtp();
}

void CFtpListEngine::StatusAppend(const CString& text)
{
    if (!m_hStatusPane)
        return;
    ::SendMessage(m_hStatusPane, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    ::SendMessage(m_hStatusPane, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.GetString()));
    ::SendMessage(m_hStatusPane, EM_SCROLLCARET, 0, 0);
}

int CFtpListEngine::PutTransfer(_DlgFtpItemTransfer* item)
{
    if (!item)
        return 0;
    if (item->source.type == DLGFTPITEM_FILE) {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        StatusAppend("Putting : " + lastName(item->source.path) + "\n\r");
        int result = TransferPutFile(item);
        if (result)
            m_strCurrentHost = item->host;
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        return result;
    }
    if (item->source.type == DLGFTPITEM_FOLDER && item->includeSubdirectories)
        return TransferPutDir(item);
    return 0;
}

int CFtpListEngine::GetTransfer(_DlgFtpItemTransfer* item)
{
    if (!item)
        return 0;
    if (item->source.type == DLGFTPITEM_FILE) {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        StatusAppend("Getting : " + lastName(item->source.path) + "\n\r");
        int result = TransferGetFile(item);
        if (result)
            m_strCurrentHost = item->host;
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        return result;
    }
    if (item->source.type == DLGFTPITEM_FOLDER && item->includeSubdirectories)
        return TransferGetDir(item);
    return 0;
}

bool CFtpListEngine::Connected() const { return m_pFtp && m_pFtp->m_Sess.m_pFtpConnection; }

bool CFtpListEngine::EnsureConnected(
    _DlgFtpItemTransfer* item, _DlgFtpLogItem* log, const char* fallback)
{
    if (m_strCurrentHost == item->host && Connected())
        return true;
    if (CreateFtp(item))
        return true;
    CString status = m_pFtp ? CString(m_pFtp->m_Sess.m_szStatusText) : CString();
    dlgftplogSetStatus(log, status.IsEmpty() ? fallback : status.Left(kStatusMax).GetString());
    LogWrite(log);
    return false;
}

int CFtpListEngine::TransferPutFile(_DlgFtpItemTransfer* item)
{
    if (!item || item->source.type != DLGFTPITEM_FILE)
        return 0;
    WIN32_FIND_DATA found;
    HANDLE find = ::FindFirstFile(item->source.path, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    ::FindClose(find);
    item->source.size = found.nFileSizeLow;

    _DlgFtpLogItem log;
    prepareLog(&log, "Put", *item);
    log.item.destination.type = log.item.source.type;
    log.item.destination.size = log.item.source.size;
    if (!EnsureConnected(item, &log, "Unable to connect for Put."))
        return 0;
    return CheckAndCopy(&log, false);
}

int CFtpListEngine::TransferGetFile(_DlgFtpItemTransfer* item)
{
    if (!item || item->source.type != DLGFTPITEM_FILE)
        return 0;
    _DlgFtpLogItem log;
    prepareLog(&log, "Get", *item);
    if (!EnsureConnected(item, &log, "Unable to connect for Get"))
        return 0;
    CNetvaneFindFile* finder = m_pFtp->m_Sess.m_pFindFile;
    if (!finder || !finder->FindFile(item->source.path, kFindFlags)) {
        if (finder)
            finder->Close();
        return 0;
    }
    item->source.size = static_cast<DWORD>(finder->GetFileSize());
    finder->Close();
    log.item.source.size = item->source.size;
    log.item.destination.type = log.item.source.type;
    log.item.destination.size = log.item.source.size;
    return CheckAndCopy(&log, true);
}

int CFtpListEngine::CheckAndCopy(_DlgFtpLogItem* log, bool get)
{
    // One hidden directory dialog per side serves the whole run on this connection.
    CDlgDirStruct*& folders = get ? m_pFoldersGet : m_pFoldersPut;
    if (!folders)
        folders = new (std::nothrow) CDlgDirStruct(m_pOwner, &log->item, 0, get ? 1 : 0, m_pFtp);
    if (folders && folders->Check(&log->item))
        return get ? TransferGet(&log->item, log) : TransferPut(&log->item, log);
    CString error = folders ? folders->GetErrorText() : CString();
    dlgftplogSetStatus(log,
        error.IsEmpty()
            ? "Transfer Anomaly"
            : (CString(log->item.destination.path) + " : " + error).Left(kStatusMax).GetString());
    LogWrite(log);
    return 0;
}

int CFtpListEngine::TransferPut(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log)
{
    return Copy(item, log, false);
}

int CFtpListEngine::TransferGet(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log)
{
    return Copy(item, log, true);
}

int CFtpListEngine::Copy(_DlgFtpItemTransfer* item, _DlgFtpLogItem* log, bool get)
{
    if (!item || !log || !Connected() || item->source.type != DLGFTPITEM_FILE)
        return 0;
    CFtpConnection* connection = m_pFtp->m_Sess.m_pFtpConnection;
    const int direction = get ? 1 : 0;
    CDlgFtpProgress*& progress = get ? m_pProgressGet : m_pProgressPut;
    if (!progress) {
        progress
            = new (std::nothrow) CDlgFtpProgress(m_pApp, m_pOwner, connection, item->source.path,
                item->destination.path, FTP_TRANSFER_TYPE_BINARY, item->source.size, direction, 1);
        if (!progress)
            return 0;
    } else {
        progress->SetupTransfer(connection, item->source.path, item->destination.path,
            FTP_TRANSFER_TYPE_BINARY, item->source.size, direction, 1);
        progress->InitTransfer();
    }
    if (get)
        progress->RunGet();
    else
        progress->RunPut();
    int result = progress->GetResult();
    dlgftplogSetStatus(log, dlgftplogOutcome(result, progress->GetErrorText()));
    log->item.selected = 1;
    LogWrite(log);
    return result;
}

int CFtpListEngine::TransferPutDir(_DlgFtpItemTransfer* item)
{
    if (!item)
        return 0;
    const char local = dlgftpitemLocalSeparator(item->source.path);
    CString pattern = withSeparator(item->source.path, local) + "*.*";
    std::vector<_DlgFtpItemTransfer> children;
    WIN32_FIND_DATA found;
    HANDLE find = ::FindFirstFile(pattern, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0)
            continue;
        children.push_back(childOf(*item, found.cFileName,
            (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, found.nFileSizeLow, local,
            '/'));
    } while (::FindNextFile(find, &found));
    ::FindClose(find);
    for (_DlgFtpItemTransfer& child : children)
        PutTransfer(&child);
    return 1;
}

int CFtpListEngine::TransferGetDir(_DlgFtpItemTransfer* item)
{
    if (!item)
        return 0;
    _DlgFtpLogItem log;
    prepareLog(&log, "Get", *item);
    if (!EnsureConnected(item, &log, "Unable to connect for Get"))
        return 0;
    // A folder that can be listed keeps the connection for its children.
    m_strCurrentHost = item->host;
    CNetvaneFindFile* finder = m_pFtp->m_Sess.m_pFindFile;
    std::vector<_DlgFtpItemTransfer> children;
    CString pattern = withSeparator(item->source.path, '/') + "*.*";
    if (finder && finder->FindFile(pattern, kFindFlags)) {
        BOOL more = TRUE;
        while (more) {
            more = finder->FindNextFile();
            if (finder->IsDots())
                continue;
            children.push_back(childOf(*item, finder->GetFileName(), finder->IsDirectory() != FALSE,
                static_cast<DWORD>(finder->GetLength()), '/',
                dlgftpitemLocalSeparator(item->destination.path)));
        }
    }
    if (finder)
        finder->Close();
    for (_DlgFtpItemTransfer& child : children)
        GetTransfer(&child);
    return 1;
}

int CFtpListEngine::CreateFtp(_DlgFtpItemTransfer* item)
{
    WaitCursor wait;
    DestroyFtp();
    m_pFtp = new (std::nothrow) CNetvaneFtp;
    if (!m_pFtp || !item || !item->host[0])
        return 0;
    m_pFtp->SetStatusWindow(m_hStatusPane);
    CString url = CString("ftp://") + item->host;
    if (!m_pFtp->URLConnect(url, nullptr, item->userId, item->password))
        return 0;
    m_strUserId = item->userId;
    m_strPassword = item->password;
    return 1;
}

void CFtpListEngine::DestroyFtp()
{
    // The directory dialogs check through this connection and know what it has seen.
    delete m_pFoldersPut;
    m_pFoldersPut = nullptr;
    delete m_pFoldersGet;
    m_pFoldersGet = nullptr;
    delete m_pFtp;
    m_pFtp = nullptr;
}

int CFtpListEngine::LogWrite(_DlgFtpLogItem* record)
{
    return dlgftplogAppend(m_strLogPath, record);
}
