#include <tessilo40.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace fs = std::filesystem;

namespace {
std::string winIniText()
{
    std::ifstream in(winport::rivantaRoot() + "/win.ini");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(TessiloApp, StartsLikeTheFrameworkExpects)
{
    EXPECT_STREQ(TessiloApp.m_pszRegistryKey, "Rivanta 40"); // InitInstance ran at load
    EXPECT_EQ(TessiloApp.GetProfileFilePath().str(),
        winport::rivantaRoot() + "/registry/Rivanta 40/" + TessiloApp.m_pszAppName + ".ini");
    EXPECT_EQ(WinportInitializedCommonControls() & 0x17FFu, 0x17FFu);
    EXPECT_NE(CTessiloApp::GetLibraryModule(), nullptr);
    EXPECT_EQ(TessiloApp.m_hInstance, CTessiloApp::GetLibraryModule());
    EXPECT_NE(CTessiloApp::GetDatabaseLock(), nullptr);
    EXPECT_TRUE(TryEnterCriticalSection(CTessiloApp::GetDatabaseLock()));
    LeaveCriticalSection(CTessiloApp::GetDatabaseLock());
}

TEST(TessiloProfile, StringOverloadsReadTheSectionOfTheWindowsProfile)
{
    EXPECT_EQ(TessiloApp.getProfileString(CString("Letterhead"), CString("none")), "none");
    ASSERT_TRUE(TessiloApp.writeProfileString(CString("Letterhead"), CString("Rivanta Water")));
    EXPECT_NE(winIniText().find("[tessilo40]"), std::string::npos);
    char direct[64];
    GetProfileStringA("tessilo40", "letterhead", "", direct, sizeof direct);
    EXPECT_STREQ(direct, "Rivanta Water");

    const CString key("Letterhead");
    const char* ckey = "Letterhead";
    EXPECT_EQ(TessiloApp.getProfileString(key, CString("d")), "Rivanta Water");
    EXPECT_EQ(TessiloApp.getProfileString(ckey, "d"), "Rivanta Water");
    EXPECT_EQ(TessiloApp.getProfileString(key, "d"), "Rivanta Water");
    EXPECT_EQ(TessiloApp.getProfileString(ckey, CString("d")), "Rivanta Water");
    EXPECT_EQ(TessiloApp.getProfileString("Absent", "fallback"), "fallback");

    // NULL pointers give "" even for a stored key.
    EXPECT_EQ(TessiloApp.getProfileString(static_cast<const char*>(nullptr), "d"), "");
    EXPECT_EQ(TessiloApp.getProfileString(ckey, static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(TessiloApp.getProfileString(key, static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(TessiloApp.getProfileString(static_cast<const char*>(nullptr), CString("d")), "");
}

TEST(TessiloProfile, WritesWithNullPointersDoNothing)
{
    const char* none = nullptr;
    EXPECT_FALSE(TessiloApp.writeProfileString(none, "v"));
    EXPECT_FALSE(TessiloApp.writeProfileString("K", none));
    EXPECT_FALSE(TessiloApp.writeProfileString(CString("K"), none));
    EXPECT_FALSE(TessiloApp.writeProfileString(none, CString("v")));
    EXPECT_EQ(TessiloApp.getProfileString("K", "absent"), "absent");

    EXPECT_TRUE(TessiloApp.writeProfileString("K", "1"));
    EXPECT_TRUE(TessiloApp.writeProfileString(CString("K"), "2"));
    EXPECT_EQ(TessiloApp.getProfileString("K", ""), "2");
    EXPECT_TRUE(TessiloApp.writeProfileString("K", CString("3")));
    EXPECT_EQ(TessiloApp.getProfileString("K", ""), "3");
}

TEST(TessiloProfile, LongValuesAreCutTo4095Characters)
{
    std::string value(5000, 'x');
    value[4094] = 'y';
    value[4095] = 'z';
    ASSERT_TRUE(TessiloApp.writeProfileString("Long", value.c_str()));
    const CString read = TessiloApp.getProfileString("Long", "");
    ASSERT_EQ(read.GetLength(), 4095);
    EXPECT_EQ(read[4094], 'y');
    const std::string exact(4095, 'e');
    ASSERT_TRUE(TessiloApp.writeProfileString("Exact", exact.c_str()));
    EXPECT_EQ(TessiloApp.getProfileString("Exact", "").str(), exact);
}

TEST(TessiloProfile, Integers)
{
    EXPECT_EQ(TessiloApp.getProfileInt("Copies", 3), 3);
    EXPECT_EQ(TessiloApp.getProfileInt(CString("Copies"), -7), -7);
    ASSERT_TRUE(TessiloApp.writeProfileString("Copies", "42"));
    EXPECT_EQ(TessiloApp.getProfileInt("Copies", 3), 42);
    EXPECT_EQ(TessiloApp.getProfileInt(CString("copies"), 3), 42);
    EXPECT_EQ(TessiloApp.getProfileInt(static_cast<const char*>(nullptr), 3), 0);
    // The profile's own reader gives 0 for these; the library's wrapper gives the default.
    for (const char* notNumber : { "abc", "-", " x1", "" }) {
        ASSERT_TRUE(TessiloApp.writeProfileString("Copies", notNumber));
        EXPECT_EQ(TessiloApp.getProfileInt("Copies", 3), 3) << '"' << notNumber << '"';
    }
    for (auto [text, value] : { std::pair { " -12x", -12 }, { "+7", 7 }, { "0", 0 } }) {
        ASSERT_TRUE(TessiloApp.writeProfileString("Copies", text));
        EXPECT_EQ(TessiloApp.getProfileInt("Copies", 3), value) << '"' << text << '"';
    }
}

TEST(TessiloProfile, StructuresRoundTripWithTheirChecksum)
{
    struct Margins {
        int left, top, right, bottom;
        char unit;
    } margins = { 1440, 720, -360, 0, 'i' };
    ASSERT_TRUE(TessiloApp.writePrivateProfileStruct("Margins", &margins, sizeof margins));
    Margins read = {};
    ASSERT_TRUE(TessiloApp.getPrivateProfileStruct(CString("Margins"), &read, sizeof read));
    EXPECT_EQ(std::memcmp(&read, &margins, sizeof margins), 0);
    EXPECT_NE(winIniText().find("[tessilo40]"), std::string::npos);
    char direct[sizeof margins];
    EXPECT_TRUE(GetPrivateProfileStructA("tessilo40", "Margins", direct, sizeof direct, "win.ini"));

    EXPECT_FALSE(
        TessiloApp.getPrivateProfileStruct("Margins", &read, sizeof read - 1)); // size differs
    EXPECT_FALSE(TessiloApp.getPrivateProfileStruct("Absent", &read, sizeof read));
    EXPECT_FALSE(
        TessiloApp.getPrivateProfileStruct(static_cast<const char*>(nullptr), &read, sizeof read));
    EXPECT_FALSE(TessiloApp.getPrivateProfileStruct("Margins", nullptr, sizeof read));
    EXPECT_FALSE(TessiloApp.writePrivateProfileStruct(
        static_cast<const char*>(nullptr), &margins, sizeof margins));
    EXPECT_FALSE(TessiloApp.writePrivateProfileStruct("Other", nullptr, 4));

    // A changed byte no longer matches the checksum.
    ASSERT_TRUE(TessiloApp.writeProfileString("Margins", "A0050000CC"));
    EXPECT_FALSE(TessiloApp.getPrivateProfileStruct("Margins", &read, 4));
}

namespace {
// Exit code 0 when CurrentDir(0) answers "" and leaves the current directory alone.
void restoreWithoutSave()
{
    char before[MAX_PATH];
    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    const CString result = TessiloApp.CurrentDir(0);
    GetCurrentDirectoryA(MAX_PATH, after);
    std::exit(result.IsEmpty() && std::strcmp(before, after) == 0 ? 0 : 1);
}
} // namespace

TEST(TessiloCurrentDir, RestoreBeforeAnySaveChangesNothing)
{
    // In a freshly started child process, so that no earlier test has saved a directory.
    testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(restoreWithoutSave(), testing::ExitedWithCode(0), "");
}

TEST(TessiloCurrentDir, SaveThenRestore)
{
    ScopedCwd cwd;
    const std::string c = winport::driveFolder('C');
    fs::create_directories(c + "/orlamo40/Data");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\orlamo40"));
    EXPECT_EQ(TessiloApp.CurrentDir(1), "C:\\orlamo40");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\orlamo40\\Data"));
    EXPECT_EQ(TessiloApp.CurrentDir(0), "C:\\orlamo40");
    char now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(now, "C:\\orlamo40");
    EXPECT_EQ(fs::current_path().string(), c + "/orlamo40");
}

TEST(TessiloNumbers, IsNumberScansFromTheRight)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        { "42", 1 },
        { " 42 ", 1 },
        { "4 2", 1 },
        { "", 0 },
        { "   ", 0 },
        { "12.5", 2 },
        { ".", 2 },
        { "1.2.3", 0 },
        { "5-", 1 },
        { "-5", 0 },
        { "-", 1 },
        { "5 - ", 1 },
        { "--", 0 },
        { ".5-", 2 },
        { "-.5", 0 },
        { "+5", 0 },
        { "1e5", 0 },
        { "1,000", 0 },
        { "12a", 0 },
        { "0", 1 },
        { "007.", 2 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TessiloApp.IsNumber(c.text), c.expected) << "\"" << c.text << "\"";
}

TEST(TessiloDrives, MaskAndTypesFollowTheDriveModel)
{
    const std::string drives = winport::rivantaRoot() + "/drives";
    ScopedTempDir a, d;
    winport::driveFolder('C');
    fs::create_symlink(a.path(), drives + "/a");
    fs::create_symlink(d.path(), drives + "/d");
    const unsigned long expected = 0xDul | (1ul << 25); // A, C, D and the native root Z:
    EXPECT_EQ(TessiloApp.GetDrives(), expected);

    EXPECT_TRUE(TessiloApp.IsDriveType("C:\\", DRIVE_FIXED));
    EXPECT_TRUE(TessiloApp.IsDriveType("C", GetDriveTypeA("C:\\")));
    EXPECT_FALSE(TessiloApp.IsDriveType("c:\\", DRIVE_FIXED)); // the letter must be upper case
    EXPECT_FALSE(TessiloApp.IsDriveType("C:\\", DRIVE_CDROM));
    EXPECT_TRUE(TessiloApp.IsDriveType("D:", GetDriveTypeA("D:\\")));
    EXPECT_FALSE(TessiloApp.IsDriveType("Q:", GetDriveTypeA("Q:\\"))); // not present
    EXPECT_FALSE(TessiloApp.IsDriveType("", DRIVE_FIXED));
    EXPECT_FALSE(TessiloApp.IsDriveType(nullptr, DRIVE_FIXED));
    fs::remove(drives + "/a");
    fs::remove(drives + "/d");
}
