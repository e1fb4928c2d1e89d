#include "ftp/dlgftpitem.h"

#include <winport/ownerfile.h>
#include <winport/paths.h>

#include <cstdio>

int dlgftpitemReadList(const char* fileName, std::vector<_DlgFtpItemTransfer>& records)
{
    records.clear();
    if (!fileName || !*fileName)
        return -1;
    std::FILE* file = std::fopen(winport::toNativePath(fileName).c_str(), "rb");
    if (!file)
        return 0;
    _DlgFtpItemTransfer record;
    while (std::fread(&record, 1, sizeof record, file) == sizeof record)
        records.push_back(record);
    std::fclose(file);
    return 1;
}

int dlgftpitemWriteList(const char* fileName, const _DlgFtpItemTransfer* records, size_t count)
{
    if (!fileName || !*fileName || (count && !records))
        return -1;
    if (!winport::createOwnerOnlyFile(fileName))
        return 0;
    std::FILE* file = std::fopen(winport::toNativePath(fileName).c_str(), "wb");
    if (!file)
        return 0;
    bool written = count == 0 || std::fwrite(records, sizeof *records, count, file) == count;
    bool closed = std::fclose(file) == 0;
    return written && closed ? 1 : 0;
}

bool dlgftpitemIsValid(const _DlgFtpItemTransfer& record)
{
    return record.source.path[0] != 0
        && (record.destination.type == DLGFTPITEM_FOLDER
            || record.destination.type == DLGFTPITEM_FILE);
}

CString dlgftpitemFieldText(const char* field, size_t size)
{
    size_t length = 0;
    while (length < size && field[length])
        ++length;
    return CString(field, static_cast<int>(length));
}

char dlgftpitemLocalSeparator(const char* path) { return path && path[0] == '/' ? '/' : '\\'; }
