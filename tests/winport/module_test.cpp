#include <windows.h>
#include <objbase.h>
#include <commctrl.h>
#include <winport/paths.h>
#include <tessilo40.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {
int variableOfTheProgram = 0;

std::string fileNameOf(HMODULE module)
{
    char buffer[MAX_PATH];
    DWORD n = GetModuleFileNameA(module, buffer, MAX_PATH);
    return std::string(buffer, n);
}
} // namespace

TEST(Modules, DllNameResolvesToTheLoadedSharedObject)
{
    HMODULE byName = LoadLibraryA("tessilo40.dll");
    ASSERT_NE(byName, nullptr);
    HMODULE upper = LoadLibraryA("TESSILO40.DLL");
    EXPECT_EQ(upper, byName);
    HMODULE byAddress = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&dateFormat::dateFormatMonthName), &byAddress));
    EXPECT_EQ(byAddress, byName);
    EXPECT_EQ(GetModuleHandleA("tessilo40"), byName); // no extension: ".dll" is implied
    EXPECT_EQ(CTessiloApp::GetLibraryModule(), byName);

    const std::string path = fileNameOf(byName);
    EXPECT_EQ(path.rfind("Z:\\", 0), 0u) << path;
    EXPECT_NE(path.find("libtessilo40.so"), std::string::npos) << path;
    EXPECT_TRUE(std::filesystem::exists(winport::toNativePath(path.c_str())));

    EXPECT_TRUE(FreeLibrary(upper));
    EXPECT_TRUE(FreeLibrary(byName));
    EXPECT_EQ(GetModuleHandleA("tessilo40.dll"), byName); // linked in: still loaded
}

TEST(Modules, ProgramHandleAndFileName)
{
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(program, nullptr);
    HMODULE fromVariable = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
        reinterpret_cast<LPCSTR>(&variableOfTheProgram), &fromVariable));
    EXPECT_EQ(fromVariable, program);
    const std::string path = fileNameOf(nullptr);
    EXPECT_EQ(path, fileNameOf(program));
    EXPECT_EQ(
        winport::toNativePath(path.c_str()), std::filesystem::canonical("/proc/self/exe").string());

    char small[8];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(program, small, sizeof small), sizeof small);
    EXPECT_EQ(std::strlen(small), sizeof small - 1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(Modules, SymbolsAndFailures)
{
    HMODULE libc = LoadLibraryA("libc.so.6");
    ASSERT_NE(libc, nullptr);
    auto length = reinterpret_cast<size_t (*)(const char*)>(GetProcAddress(libc, "strlen"));
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length("Rivanta"), 7u);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(libc, "no_such_function_here"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_TRUE(FreeLibrary(libc));

    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("no-such-module-anywhere.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandleA("no-such-module-anywhere.dll"), nullptr);
    int onTheStack = 0;
    HMODULE none = nullptr;
    EXPECT_FALSE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&onTheStack), &none));
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(&onTheStack)));
    EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(&onTheStack), "strlen"), nullptr);
    char buffer[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(&onTheStack), buffer, MAX_PATH), 0u);
}

TEST(TaskMemory, AllocateGrowFree)
{
    auto* block = static_cast<char*>(CoTaskMemAlloc(4));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(CoTaskMemRealloc(block, 1 << 20));
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "abc");
    EXPECT_EQ(CoTaskMemRealloc(block, 0), nullptr); // freed
    void* empty = CoTaskMemAlloc(0);
    EXPECT_NE(empty, nullptr);
    CoTaskMemFree(empty);
    CoTaskMemFree(nullptr);
    void* fresh = CoTaskMemRealloc(nullptr, 16);
    EXPECT_NE(fresh, nullptr);
    CoTaskMemFree(fresh);
}

TEST(CommonControls, InitialisationIsRecorded)
{
    INITCOMMONCONTROLSEX bad = { 3, ICC_LINK_CLASS };
    EXPECT_FALSE(InitCommonControlsEx(&bad));
    EXPECT_FALSE(InitCommonControlsEx(nullptr));
    EXPECT_EQ(WinportInitializedCommonControls() & ICC_LINK_CLASS, 0u);
    INITCOMMONCONTROLSEX good = { sizeof(INITCOMMONCONTROLSEX), ICC_LINK_CLASS };
    EXPECT_TRUE(InitCommonControlsEx(&good));
    EXPECT_EQ(
        WinportInitializedCommonControls() & ICC_LINK_CLASS, static_cast<DWORD>(ICC_LINK_CLASS));
}
