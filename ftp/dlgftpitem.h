// The transfer records of the FTP workbench: one end of a transfer (_DlgFtpItem) and one
// transfer (_DlgFtpItemTransfer). Plain fixed-size records, little-endian, no padding: they
// are copied whole, kept behind list items, written unchanged into transfer-list files and
// embedded in FTP log records.
#pragma once

#include "tessilo40_api.h"
#include <afxstr.h>
#include <windows.h>

#include <cstddef>
#include <vector>

#define DLGFTPITEM_UNSET 0
#define DLGFTPITEM_DRIVE 1
#define DLGFTPITEM_FILE 2
#define DLGFTPITEM_FOLDER 4

struct _DlgFtpItem {
    DWORD type; // DLGFTPITEM_*
    DWORD size; // file size, low 32 bits; 0 for folders and drives
    char path[260]; // zero-terminated; local paths use "\", host paths "/"
};

struct _DlgFtpItemTransfer {
    char host[260]; // host name or address without "ftp://"
    char userId[256];
    char password[256]; // as typed, in clear
    LONG selected; // 1 while selected in its list
    LONG includeSubdirectories; // non-zero: a folder transfers its contents recursively
    _DlgFtpItem source; // local for Put items, host for Get items
    _DlgFtpItem destination;
};

static_assert(sizeof(_DlgFtpItem) == 268, "_DlgFtpItem is 268 bytes");
static_assert(offsetof(_DlgFtpItem, type) == 0 && offsetof(_DlgFtpItem, size) == 4
        && offsetof(_DlgFtpItem, path) == 8,
    "_DlgFtpItem offsets");
static_assert(sizeof(_DlgFtpItemTransfer) == 1316, "_DlgFtpItemTransfer is 1316 bytes");
static_assert(offsetof(_DlgFtpItemTransfer, host) == 0
        && offsetof(_DlgFtpItemTransfer, userId) == 260
        && offsetof(_DlgFtpItemTransfer, password) == 516
        && offsetof(_DlgFtpItemTransfer, selected) == 772
        && offsetof(_DlgFtpItemTransfer, includeSubdirectories) == 776
        && offsetof(_DlgFtpItemTransfer, source) == 780
        && offsetof(_DlgFtpItemTransfer, destination) == 1048,
    "_DlgFtpItemTransfer offsets");

// Transfer-list files (".tlp" for Put lists, ".tlg" for Get lists, the same format): the
// records one after the other, 1316 bytes each, nothing else.

// File names are Windows paths of the drive model or native paths.

// Reads every complete record in file order into records (replacing its contents); a trailing
// partial record is ignored. 1 read, 0 when the file cannot be opened, -1 without a name.
TESSILO40_API int dlgftpitemReadList(
    const char* fileName, std::vector<_DlgFtpItemTransfer>& records);
// Creates or truncates the file (created with owner access only: it holds passwords) and
// writes count records. 1 written, 0 when the file cannot be
// written, -1 without a name or with count > 0 and no records.
TESSILO40_API int dlgftpitemWriteList(
    const char* fileName, const _DlgFtpItemTransfer* records, size_t count);

// A record a list keeps: a source path and a destination of type file or folder.
TESSILO40_API bool dlgftpitemIsValid(const _DlgFtpItemTransfer& record);

// The text of a fixed field: up to its first zero, at most size characters.
#define DLGFTP_FIELD(field) dlgftpitemFieldText((field), sizeof(field))
TESSILO40_API CString dlgftpitemFieldText(const char* field, size_t size);

// The separator of a local path: "/" for a native path ("/home/u/x"), "\" for a Windows one.
TESSILO40_API char dlgftpitemLocalSeparator(const char* path);
