// Transfer records and transfer-list files.
#include <gtest/gtest.h>

#include "ftp/dlgftpitem.h"

#include <winport/paths.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

_DlgFtpItemTransfer Record(int n)
{
    _DlgFtpItemTransfer record;
    std::memset(&record, 0, sizeof record);
    std::snprintf(record.host, sizeof record.host, "host%d", n);
    std::snprintf(record.userId, sizeof record.userId, "user%d", n);
    std::snprintf(record.password, sizeof record.password, "pw%d", n);
    record.selected = n % 2;
    record.includeSubdirectories = n;
    record.source.type = DLGFTPITEM_FILE;
    record.source.size = 1000u + n;
    std::snprintf(record.source.path, sizeof record.source.path, "C:\\local\\f%d.txt", n);
    record.destination.type = DLGFTPITEM_FOLDER;
    std::snprintf(record.destination.path, sizeof record.destination.path, "/remote/d%d", n);
    return record;
}

std::string TempFile(const char* name)
{
    return (std::filesystem::path(winport::rivantaRoot()) / name).string();
}

TEST(DlgFtpItem, ListFileIsTheRecordsBackToBack)
{
    std::vector<_DlgFtpItemTransfer> records = { Record(1), Record(2), Record(3) };
    std::string path = TempFile("list.tlp");
    ASSERT_EQ(dlgftpitemWriteList(path.c_str(), records.data(), records.size()), 1);
    EXPECT_EQ(std::filesystem::file_size(path), 3948u);

    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 3948u);
    EXPECT_EQ(std::memcmp(bytes.data(), records.data(), bytes.size()), 0);
    // Fields at their offsets, little-endian: second record, includeSubdirectories = 2.
    EXPECT_EQ(std::string(&bytes[1316 + 260]), "user2");
    EXPECT_EQ(bytes[1316 + 776], 2);
    EXPECT_EQ(std::string(&bytes[1316 + 780 + 8]), "C:\\local\\f2.txt");
    EXPECT_EQ(std::string(&bytes[1316 + 1048 + 8]), "/remote/d2");

    std::vector<_DlgFtpItemTransfer> back = { Record(9) };
    ASSERT_EQ(dlgftpitemReadList(path.c_str(), back), 1);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(std::memcmp(back.data(), records.data(), 3948), 0);
}

TEST(DlgFtpItem, TrailingPartialRecordsAreIgnored)
{
    std::vector<_DlgFtpItemTransfer> records = { Record(1), Record(2) };
    for (size_t extra : { size_t(1), size_t(700), size_t(1315) }) {
        std::string path = TempFile("partial.tlg");
        {
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(records.data()), 2 * 1316);
            out.write(
                reinterpret_cast<const char*>(&records[0]), static_cast<std::streamsize>(extra));
        }
        std::vector<_DlgFtpItemTransfer> back;
        ASSERT_EQ(dlgftpitemReadList(path.c_str(), back), 1);
        ASSERT_EQ(back.size(), 2u) << extra << " extra bytes";
        EXPECT_EQ(std::memcmp(back.data(), records.data(), 2 * 1316), 0);
    }
}

TEST(DlgFtpItem, WindowsPathsAndBadArguments)
{
    _DlgFtpItemTransfer record = Record(4);
    ASSERT_EQ(dlgftpitemWriteList("C:\\put.tlp", &record, 1), 1);
    EXPECT_EQ(std::filesystem::file_size(winport::toNativePath("C:\\put.tlp")), 1316u);
    std::vector<_DlgFtpItemTransfer> back;
    EXPECT_EQ(dlgftpitemReadList("C:\\put.tlp", back), 1);
    EXPECT_EQ(back.size(), 1u);

    EXPECT_EQ(dlgftpitemWriteList("C:\\empty.tlg", nullptr, 0), 1);
    EXPECT_EQ(dlgftpitemReadList("C:\\empty.tlg", back), 1);
    EXPECT_TRUE(back.empty());

    EXPECT_EQ(dlgftpitemReadList("C:\\missing.tlp", back), 0);
    EXPECT_EQ(dlgftpitemReadList(nullptr, back), -1);
    EXPECT_EQ(dlgftpitemReadList("", back), -1);
    EXPECT_EQ(dlgftpitemWriteList(nullptr, &record, 1), -1);
    EXPECT_EQ(dlgftpitemWriteList("C:\\x.tlp", nullptr, 2), -1);
    EXPECT_EQ(dlgftpitemWriteList("C:\\no such dir\\x.tlp", &record, 1), 0);
}

}
