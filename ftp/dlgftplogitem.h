// One record of the FTP log (_DlgFtpLogItem) and the rules every writer and reader of the log
// shares: appending a record, the outcome text of a transfer, the date form of the lists.
#pragma once

#include "tessilo40_api.h"
#include "ftp/dlgftpitem.h"
#include <afxstr.h>
#include <windows.h>

#include <vector>

// Records end with these bytes.
#define DLGFTPLOG_ENDMARK "\r\n\r\n\0\0\0\0"

struct _DlgFtpLogItem {
    char action[32]; // "Put" or "Get"
    FILETIME time; // UTC, when the record was appended
    _DlgFtpItemTransfer item;
    char status[256]; // outcome text, at most 255 characters
    unsigned char endMark[8]; // DLGFTPLOG_ENDMARK
};

static_assert(sizeof(_DlgFtpLogItem) == 1620, "_DlgFtpLogItem is 1620 bytes");
static_assert(offsetof(_DlgFtpLogItem, time) == 32 && offsetof(_DlgFtpLogItem, item) == 40
        && offsetof(_DlgFtpLogItem, status) == 1356 && offsetof(_DlgFtpLogItem, endMark) == 1612,
    "_DlgFtpLogItem offsets");

// Appends the record to the log file: stamps the time and the end mark, creates the file (owner
// access only) when missing. 1 written, 0 when nothing was written (no path, no record, or the
// file could not be opened or written: silent, as the log's writers are).
TESSILO40_API int dlgftplogAppend(const char* logPath, _DlgFtpLogItem* record);

// The status of a finished transfer: "Transfer OK" for result 1, else "Transfer Anomaly" with an
// error text, else "Transfer Aborted"; with an error text " : " + that word + "\n" + the text.
// At most 255 characters.
TESSILO40_API CString dlgftplogOutcome(int result, const CString& errorText);

// Copies text into the record's status, cut to 255 characters.
TESSILO40_API void dlgftplogSetStatus(_DlgFtpLogItem* record, const char* text);

// The time as UTC "MM/DD/YYYY hh:mm:ss".
TESSILO40_API CString dlgftplogFormatTime(const FILETIME& time);

// "Drive", "File", "Folder" for 1, 2, 4; empty otherwise.
TESSILO40_API CString dlgftplogTypeName(DWORD type);

// True when the record carries the end mark and a "Put" or "Get" action.
TESSILO40_API bool dlgftplogIsRecord(const _DlgFtpLogItem& record);

// Reads every whole record in file order; a trailing partial record is ignored. 1 read, 0 when
// the file cannot be opened, -1 without a name.
TESSILO40_API int dlgftplogRead(const char* logPath, std::vector<_DlgFtpLogItem>& records);
