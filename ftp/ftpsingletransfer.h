// Single transfers as the FTP browser starts them from its Put and Get buttons: the destination
// built from the selections, the "FileExists" question, an interactive progress dialog that
// waits for Transfer, and one FTP log record.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include "inet/netvaneftp.h"
#include <afxwin.h>

// 1 when the host has the path (the session's finder sees it), else 0.
TESSILO40_API int FileExistsHost(CNetvaneFtp* ftp, CString path);
// 1 when the local path exists (file or folder), else 0.
TESSILO40_API int FileExistsLocal(CString path);

// The destination of a single transfer: the selected destination node's folder (a folder or
// drive: its path; a file: its directory), the separator appended when missing, then the source's
// name and extension. Without a selection: "/" for a put, "c:\" for a get.
TESSILO40_API CString dlgftpSingleDestination(
    const _DlgFtpItem& source, const _DlgFtpItem* selectedDestination, int get);

struct DlgFtpSingleTransfer {
    CWinApp* app = nullptr;
    CWnd* parent = nullptr;
    CNetvaneFtp* ftp = nullptr; // connected
    int get = 0; // 0 put, 1 get
    _DlgFtpItem source {}; // the selected source node
    const _DlgFtpItem* selectedDestination = nullptr; // the selected destination node, if any
    CString url; // the connect URL, "ftp://" included
    CString userId;
    CString password;
    CString logPath;
};

// Asks before replacing an existing destination ("FileExists", Yes/No), runs the progress dialog
// modally and writes the log record. 1 copied, 0 not (answered No: no record), -1 without a
// connection.
TESSILO40_API int dlgftpSingleTransfer(const DlgFtpSingleTransfer& transfer);
