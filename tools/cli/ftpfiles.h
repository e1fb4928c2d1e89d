// The files of "tessilo ftp": transfer lists (.tlp, .tlg) and FTP logs (.flg) checked before
// they are used, so that a truncated or foreign file is refused with the reason.
#pragma once

#include <ftp/dlgftpitem.h>
#include <ftp/dlgftplogitem.h>

#include <string>
#include <vector>

// Reads a transfer list; false with the reason when the file is missing, empty, truncated or
// holds anything but transfer records.
bool ftpReadTransferList(
    const std::string& path, std::vector<_DlgFtpItemTransfer>& records, std::string* why);

// Reads an FTP log; false with the reason when the file is missing, truncated or holds anything
// but log records. An empty file is a log without records.
bool ftpReadLog(const std::string& path, std::vector<_DlgFtpLogItem>& records, std::string* why);
// An FTP log a run may append to: missing, or a well-formed log.
bool ftpCheckLogForAppend(const std::string& path, std::string* why);
