#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {
std::string systemMessage(DWORD code)
{
    char buffer[512];
    const DWORD n = FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof buffer, nullptr);
    return std::string(buffer, n);
}

std::string fromString(const char* text, DWORD flags, ...)
{
    va_list args;
    va_start(args, flags);
    char buffer[256];
    const DWORD n = FormatMessage(
        FORMAT_MESSAGE_FROM_STRING | flags, text, 0, 0, buffer, sizeof buffer, &args);
    va_end(args);
    return n ? std::string(buffer, n) : "<failed>";
}
} // namespace

TEST(FormatMessage, SystemTextsOfWin32CodesAndHresults)
{
    EXPECT_EQ(
        systemMessage(ERROR_FILE_NOT_FOUND), "The system cannot find the file specified.\r\n");
    EXPECT_EQ(
        systemMessage(ERROR_PATH_NOT_FOUND), "The system cannot find the path specified.\r\n");
    EXPECT_EQ(systemMessage(ERROR_ACCESS_DENIED), "Access is denied.\r\n");
    EXPECT_EQ(systemMessage(ERROR_SHARING_VIOLATION),
        "The process cannot access the file because it is being used by another process.\r\n");
    EXPECT_EQ(systemMessage(static_cast<DWORD>(E_INVALIDARG)), "The parameter is incorrect.\r\n");
    EXPECT_EQ(systemMessage(static_cast<DWORD>(E_FAIL)), "Unspecified error\r\n");
    char buffer[8];
    EXPECT_EQ(FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 54321, 0, buffer, 8, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND));
    EXPECT_EQ(FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 2, 0, buffer, 8, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(FormatMessage, AllocatedBufferAndLineWidth)
{
    char* text = nullptr;
    const DWORD n = FormatMessage(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_MAX_WIDTH_MASK,
        nullptr, ERROR_NO_MORE_FILES, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text, n), "There are no more files.");
    LocalFree(text);
    EXPECT_EQ(fromString("one two three four", 9), "one two\r\nthree\r\nfour");
}

TEST(FormatMessage, InsertsAndEscapes)
{
    EXPECT_EQ(fromString("%1 of %2!d! (%2!04x!)%n100%% %0ignored", 0, "file", 26),
        "file of 26 (001a)\r\n100% ");
    EXPECT_EQ(fromString("keep %1", FORMAT_MESSAGE_IGNORE_INSERTS), "keep %1");
    DWORD_PTR array[] = { reinterpret_cast<DWORD_PTR>("b"), reinterpret_cast<DWORD_PTR>("a") };
    char buffer[32];
    const DWORD n = FormatMessage(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY,
        "%2%1", 0, 0, buffer, sizeof buffer, reinterpret_cast<va_list*>(array));
    EXPECT_EQ(std::string(buffer, n), "ab");
    EXPECT_EQ(fromString("bad %1!*d!", 0, 5), "<failed>");
}

TEST(LastError, IsKeptPerThread)
{
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD seen = 1;
    std::thread([&] {
        seen = GetLastError();
        SetLastError(ERROR_FILE_NOT_FOUND);
    }).join();
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}
