#include "ftp/ftpsingletransfer.h"

#include "ftp/dlgftplogitem.h"
#include "ftp/dlgftpprogress.h"

#include <cstring>

namespace {
const DWORD kFindFlags = 0xE0000000;

CString nameOf(const char* path)
{
    char name[_MAX_FNAME] = {};
    char ext[_MAX_EXT] = {};
    _splitpath(path, nullptr, nullptr, name, ext);
    return CString(name) + ext;
}
}

int FileExistsHost(CNetvaneFtp* ftp, CString path)
{
    if (!ftp || !ftp->m_Sess.m_pFindFile)
        return 0;
    BOOL found = ftp->m_Sess.m_pFindFile->FindFile(path, kFindFlags);
    ftp->m_Sess.m_pFindFile->Close();
    return found ? 1 : 0;
}

int FileExistsLocal(CString path)
{
    WIN32_FIND_DATA found;
    HANDLE find = ::FindFirstFile(path, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    ::FindClose(find);
    return 1;
}

CString dlgftpSingleDestination(
    const _DlgFtpItem& source, const _DlgFtpItem* selectedDestination, int get)
{
    const char separator = !get ? '/'
        : selectedDestination   ? dlgftpitemLocalSeparator(selectedDestination->path)
                                : '\\';
    CString folder;
    if (!selectedDestination) {
        folder = get ? "c:\\" : "/";
    } else if (selectedDestination->type == DLGFTPITEM_FILE) {
        const char* path = selectedDestination->path;
        const char* cut = std::strrchr(path, separator);
        folder = cut ? CString(path).Left(static_cast<int>(cut - path + 1)) : CString();
    } else {
        folder = selectedDestination->path;
    }
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != separator)
        folder += separator;
    return folder + nameOf(source.path);
}

int dlgftpSingleTransfer(const DlgFtpSingleTransfer& t)
{
    if (!t.ftp || !t.ftp->m_Sess.m_pFtpConnection)
        return -1;
    CString destination = dlgftpSingleDestination(t.source, t.selectedDestination, t.get);
    bool exists = t.get ? FileExistsLocal(destination) : FileExistsHost(t.ftp, destination);
    if (exists) {
        CString text = t.get
            ? destination + "\nexists on the local disk.\n\n" + "Do you want to replace it ?\n"
            : destination + "\nexists on the remote host.\n\n" + "Do you want to replace it ?\n";
        HWND owner = t.parent ? t.parent->m_hWnd : nullptr;
        if (::MessageBox(owner, text, "FileExists", MB_YESNO) != IDYES)
            return 0;
    }
    CDlgFtpProgress progress(t.app, t.parent, t.ftp->m_Sess.m_pFtpConnection, t.source.path,
        destination, FTP_TRANSFER_TYPE_BINARY, t.source.size, t.get, 0);
    progress.DoModal();

    _DlgFtpLogItem log;
    std::memset(&log, 0, sizeof log);
    std::strcpy(log.action, t.get ? "Get" : "Put");
    _DlgFtpItemTransfer& item = log.item;
    std::strncpy(item.host, t.url.GetString(), sizeof item.host - 1);
    std::strncpy(item.userId, t.userId.GetString(), sizeof item.userId - 1);
    std::strncpy(item.password, t.password.GetString(), sizeof item.password - 1);
    item.selected = 1;
    item.source = t.source;
    if (t.selectedDestination)
        item.destination = *t.selectedDestination;
    std::memset(item.destination.path, 0, sizeof item.destination.path);
    std::strncpy(item.destination.path, destination.GetString(), sizeof item.destination.path - 1);
    item.destination.size = t.source.size;
    dlgftplogSetStatus(&log, dlgftplogOutcome(progress.GetResult(), progress.GetErrorText()));
    dlgftplogAppend(t.logPath, &log);
    return progress.GetResult() == 1 ? 1 : 0;
}
