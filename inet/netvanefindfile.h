// CNetvaneFindFile: the finder an FTP session keeps bound to its connection.
#pragma once

#include "tessilo40_api.h"
#include <afxinet.h>

class TESSILO40_API CNetvaneFindFile : public CFtpFileFind {
public:
    CNetvaneFindFile(CFtpConnection* connection, DWORD_PTR context);
    ~CNetvaneFindFile() override;

    // Copies the 320-byte find record of the first match of the last FindFile into out (when
    // given and when there is one). Always 0.
    int GetFileDescriptor(WIN32_FIND_DATA* out);
    // Low 32 bits of that record's file size; 0 without a record.
    unsigned long GetFileSize();
};
