#include "ftp/dlgftplogitem.h"

#include <afx.h>
#include <winport/ownerfile.h>

#include <cstdio>
#include <cstring>

namespace {
// Binary, read, create when missing, never truncate, deny writes.
const UINT kReadFlags = 0xB020;
const size_t kStatusMax = 255;
}

int dlgftplogAppend(const char* logPath, _DlgFtpLogItem* record)
{
    if (!logPath || !*logPath || !record)
        return 0;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    record->time = now;
    std::memcpy(record->endMark, DLGFTPLOG_ENDMARK, sizeof record->endMark);
    // One write at the end of the file: the record is in it, whole, once this returns.
    return winport::appendToOwnerOnlyFile(logPath, record, sizeof *record) ? 1 : 0;
}

CString dlgftplogOutcome(int result, const CString& errorText)
{
    const char* word = result == 1 ? "Transfer OK"
        : errorText.IsEmpty()      ? "Transfer Aborted"
                                   : "Transfer Anomaly";
    CString status = word;
    if (!errorText.IsEmpty())
        status = CString(" : ") + word + "\n" + errorText;
    return status.Left(static_cast<int>(kStatusMax));
}

void dlgftplogSetStatus(_DlgFtpLogItem* record, const char* text)
{
    std::memset(record->status, 0, sizeof record->status);
    if (text)
        std::strncpy(record->status, text, kStatusMax);
}

CString dlgftplogFormatTime(const FILETIME& time)
{
    SYSTEMTIME st {};
    if (!FileTimeToSystemTime(&time, &st))
        return CString();
    char text[64];
    std::snprintf(text, sizeof text, "%02u/%02u/%u %02u:%02u:%02u", st.wMonth, st.wDay, st.wYear,
        st.wHour, st.wMinute, st.wSecond);
    return text;
}

CString dlgftplogTypeName(DWORD type)
{
    switch (type) {
    case DLGFTPITEM_DRIVE:
        return "Drive";
    case DLGFTPITEM_FILE:
        return "File";
    case DLGFTPITEM_FOLDER:
        return "Folder";
    default:
        return CString();
    }
}

bool dlgftplogIsRecord(const _DlgFtpLogItem& record)
{
    if (std::memcmp(record.endMark, DLGFTPLOG_ENDMARK, sizeof record.endMark) != 0)
        return false;
    return std::strncmp(record.action, "Put", sizeof record.action) == 0
        || std::strncmp(record.action, "Get", sizeof record.action) == 0;
}

int dlgftplogRead(const char* logPath, std::vector<_DlgFtpLogItem>& records)
{
    records.clear();
    if (!logPath || !*logPath)
        return -1;
    CFile file;
    if (!file.Open(logPath, kReadFlags & ~CFile::modeCreate))
        return 0;
    _DlgFtpLogItem record;
    try {
        while (file.Read(&record, sizeof record) == sizeof record)
            records.push_back(record);
    } catch (CException* e) {
        e->Delete();
    }
    file.Abort();
    return 1;
}
