#include "ftp/dlgftpitem.h"

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
    std::FILE* file = std::fopen(winport::toNativePath(fileName).c_str(), "wb");
    if (!file)
        return 0;
    bool written = count == 0 || std::fwrite(records, sizeof *records, count, file) == count;
    bool closed = std::fclose(file) == 0;
    return written && closed ? 1 : 0;
}
