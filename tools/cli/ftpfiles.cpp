#include "ftpfiles.h"

#include <winport/paths.h>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
bool terminated(const char* field, size_t size) { return std::memchr(field, 0, size) != nullptr; }

bool knownType(DWORD type)
{
    return type == DLGFTPITEM_UNSET || type == DLGFTPITEM_DRIVE || type == DLGFTPITEM_FILE
        || type == DLGFTPITEM_FOLDER;
}

bool isTransferRecord(const _DlgFtpItemTransfer& r)
{
    return terminated(r.host, sizeof r.host) && terminated(r.userId, sizeof r.userId)
        && terminated(r.password, sizeof r.password)
        && terminated(r.source.path, sizeof r.source.path)
        && terminated(r.destination.path, sizeof r.destination.path) && knownType(r.source.type)
        && dlgftpitemIsValid(r);
}

// The size of an existing regular file; false with the reason otherwise.
bool fileSize(const std::string& path, uintmax_t* size, std::string* why)
{
    std::error_code ec;
    fs::path native = winport::toNativePath(path.c_str());
    if (!fs::exists(native, ec)) {
        *why = path + ": no such file";
        return false;
    }
    if (!fs::is_regular_file(native, ec)) {
        *why = path + ": not a file";
        return false;
    }
    *size = fs::file_size(native, ec);
    if (ec) {
        *why = path + ": " + ec.message();
        return false;
    }
    return true;
}

std::string multipleText(uintmax_t size, size_t record)
{
    return std::to_string(size) + " bytes is not a whole number of " + std::to_string(record)
        + "-byte records";
}
}

bool ftpReadTransferList(
    const std::string& path, std::vector<_DlgFtpItemTransfer>& records, std::string* why)
{
    uintmax_t size = 0;
    if (!fileSize(path, &size, why))
        return false;
    if (size == 0) {
        *why = path + ": the list holds no transfers";
        return false;
    }
    if (size % sizeof(_DlgFtpItemTransfer)) {
        *why = path + ": truncated or not a transfer list ("
            + multipleText(size, sizeof(_DlgFtpItemTransfer)) + ")";
        return false;
    }
    if (dlgftpitemReadList(path.c_str(), records) != 1) {
        *why = path + ": cannot be read";
        return false;
    }
    for (size_t i = 0; i < records.size(); ++i) {
        if (!isTransferRecord(records[i])) {
            *why = path + ": not a transfer list (record " + std::to_string(i + 1)
                + " is not a transfer with a source and a file or folder destination)";
            return false;
        }
    }
    return true;
}

bool ftpReadLog(const std::string& path, std::vector<_DlgFtpLogItem>& records, std::string* why)
{
    uintmax_t size = 0;
    if (!fileSize(path, &size, why))
        return false;
    if (size % sizeof(_DlgFtpLogItem)) {
        *why = path + ": truncated or not an FTP log (" + multipleText(size, sizeof(_DlgFtpLogItem))
            + ")";
        return false;
    }
    if (dlgftplogRead(path.c_str(), records) != 1) {
        *why = path + ": cannot be read";
        return false;
    }
    for (size_t i = 0; i < records.size(); ++i) {
        if (!dlgftplogIsRecord(records[i])) {
            *why = path + ": not an FTP log (record " + std::to_string(i + 1)
                + " lacks the action or the end mark of a log record)";
            return false;
        }
    }
    return true;
}

bool ftpCheckLogForAppend(const std::string& path, std::string* why)
{
    std::error_code ec;
    if (!fs::exists(winport::toNativePath(path.c_str()), ec))
        return true;
    std::vector<_DlgFtpLogItem> records;
    return ftpReadLog(path, records, why);
}
