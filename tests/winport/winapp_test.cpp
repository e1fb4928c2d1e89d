#include <afxwin.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string slurp(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class Tester : public CWinApp {
public:
    Tester()
        : CWinApp("Tester")
    {
    }
    BOOL InitInstance() override
    {
        SetRegistryKey("Acme Water");
        return CWinApp::InitInstance();
    }
};
} // namespace

TEST(WinApp, NamesAndTheApplicationObject)
{
    CWinApp* before = AfxGetApp();
    {
        Tester app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_STREQ(AfxGetAppName(), "Tester");
        EXPECT_STREQ(app.m_pszAppName, "Tester");
        EXPECT_EQ(app.m_pszRegistryKey, nullptr);
        const std::string exe = std::filesystem::canonical("/proc/self/exe").filename().string();
        EXPECT_STREQ(app.m_pszExeName, exe.c_str());
        EXPECT_EQ(app.GetProfileFilePath().str(), winport::rivantaRoot() + "/" + exe + ".ini");
        EXPECT_TRUE(app.InitInstance());
        EXPECT_STREQ(app.m_pszRegistryKey, "Acme Water");
        EXPECT_STREQ(app.m_pszProfileName, "Tester");
        EXPECT_EQ(app.GetProfileFilePath().str(),
            winport::rivantaRoot() + "/registry/Acme Water/Tester.ini");
        EXPECT_EQ(app.ExitInstance(), 0);
        CWinApp unnamed;
        EXPECT_STREQ(unnamed.m_pszAppName, exe.c_str());
        EXPECT_EQ(AfxGetApp(), &unnamed);
    }
    EXPECT_EQ(AfxGetApp(), before);
}

TEST(WinApp, ProfileUnderTheRegistryKey)
{
    Tester app;
    app.InitInstance();
    EXPECT_EQ(app.GetProfileString("Ftp", "Host", "none"), "none");
    EXPECT_EQ(app.GetProfileString("Ftp", "Host"), "");
    EXPECT_EQ(app.GetProfileInt("Ftp", "Port", 21), 21u);
    ASSERT_TRUE(app.WriteProfileString("Ftp", "Host", "ftp.example.org"));
    ASSERT_TRUE(app.WriteProfileInt("Ftp", "Port", -2121));
    ASSERT_TRUE(app.WriteProfileString("Paths", "Local", "C:\\orlamo40"));
    const std::string file = app.GetProfileFilePath().str();
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(slurp(file).find("ftp.example.org"), std::string::npos);

    EXPECT_EQ(app.GetProfileString("ftp", "HOST"), "ftp.example.org");
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Ftp", "Port", 0)), -2121);

    EXPECT_TRUE(app.WriteProfileString("Ftp", "Host", nullptr)); // deletes the entry
    EXPECT_EQ(app.GetProfileString("Ftp", "Host", "gone"), "gone");
    EXPECT_TRUE(app.WriteProfileString("Paths", nullptr, nullptr)); // deletes the section
    EXPECT_EQ(app.GetProfileString("Paths", "Local", "gone"), "gone");
    EXPECT_FALSE(app.WriteProfileString(nullptr, "x", "y"));
    EXPECT_EQ(app.GetProfileString(nullptr, "x", "d"), "d");

    std::string longValue(10000, 'v');
    ASSERT_TRUE(app.WriteProfileString("Ftp", "Long", longValue.c_str()));
    EXPECT_EQ(app.GetProfileString("Ftp", "Long").str(), longValue); // no fixed buffer limit
}

TEST(WinApp, EmptySectionNameIsASectionOfItsOwn)
{
    Tester app;
    app.InitInstance();
    ASSERT_TRUE(app.WriteProfileString("", "LastHost", "10.0.0.1"));
    ASSERT_TRUE(app.WriteProfileString("Other", "LastHost", "10.0.0.2"));
    EXPECT_EQ(app.GetProfileString("", "LastHost"), "10.0.0.1");
    EXPECT_EQ(app.GetProfileString("Other", "LastHost"), "10.0.0.2");
}

TEST(WinApp, TwoApplicationsKeepSeparateFiles)
{
    Tester first;
    first.InitInstance();
    CWinApp second("Second");
    second.SetRegistryKey("Acme Water");
    ASSERT_TRUE(first.WriteProfileString("S", "K", "first"));
    ASSERT_TRUE(second.WriteProfileString("S", "K", "second"));
    EXPECT_EQ(first.GetProfileString("S", "K"), "first");
    EXPECT_EQ(second.GetProfileString("S", "K"), "second");
    second.SetRegistryKey(nullptr); // ignored
    EXPECT_STREQ(second.m_pszRegistryKey, "Acme Water");
}
