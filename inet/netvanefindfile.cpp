#include "inet/netvanefindfile.h"

#include <cstring>

CNetvaneFindFile::CNetvaneFindFile(CFtpConnection* connection, DWORD_PTR context)
    : CFtpFileFind(connection, context)
{
}

CNetvaneFindFile::~CNetvaneFindFile() = default;

int CNetvaneFindFile::GetFileDescriptor(WIN32_FIND_DATA* out)
{
    const WIN32_FIND_DATA* record = GetFirstFoundRecord();
    if (out && record)
        std::memcpy(out, record, sizeof *out);
    return 0;
}

unsigned long CNetvaneFindFile::GetFileSize()
{
    const WIN32_FIND_DATA* record = GetFirstFoundRecord();
    return record ? record->nFileSizeLow : 0;
}
