// The credentials dialog: its defaults from the host's profile, OK and Cancel, and its use
// without an application object.
#include "ftpdialogs.h"

#include <filesystem>

using namespace ftptest;

namespace {

class IdPwDialog : public ::testing::Test {
protected:
    void SetUp() override { parent = wintest::makeTopLevel(300, 200); }
    void TearDown() override { ::DestroyWindow(parent); }

    // Runs the dialog; shown receives the two edits' texts as it opened, then act runs.
    INT_PTR run(CDlgIdPw& dialog, std::string shown[2], const std::function<void(HWND)>& act)
    {
        winport::testing::ScriptModalDialog([&](HWND d) {
            shown[0] = itemText(d, IDC_EDIT_USERID);
            shown[1] = itemText(d, IDC_EDIT_PASSWORD);
            act(d);
        });
        return dialog.DoModal();
    }

    HWND parent = nullptr;
    FtpHostApp app;
};

void type(HWND d, const char* id, const char* password)
{
    ::SetDlgItemTextA(d, IDC_EDIT_USERID, id);
    ::SetDlgItemTextA(d, IDC_EDIT_PASSWORD, password);
}

TEST_F(IdPwDialog, OpensOnTheGivenValuesOrTheStoredOnes)
{
    app.WriteProfileString("", "FtpId", "stored");
    app.WriteProfileString("", "FtpPw", "secret");
    std::string shown[2];
    {
        CDlgIdPw dialog(&app, CWnd::FromHandle(parent), "", "");
        EXPECT_EQ(run(dialog, shown, [](HWND d) { press(d, IDCANCEL); }), IDCANCEL);
        EXPECT_EQ(shown[0], "stored");
        EXPECT_EQ(shown[1], "secret");
    }
    {
        CDlgIdPw dialog(&app, CWnd::FromHandle(parent), "given", "");
        run(dialog, shown, [](HWND d) { press(d, IDCANCEL); });
        EXPECT_EQ(shown[0], "given") << "a given id ignores the profile";
        EXPECT_EQ(shown[1], "secret") << "the password is taken on its own";
    }
    {
        CDlgIdPw dialog(nullptr, CWnd::FromHandle(parent), "", "");
        run(dialog, shown, [](HWND d) { press(d, IDCANCEL); });
        EXPECT_EQ(shown[0], "") << "no application object, no profile";
        EXPECT_EQ(shown[1], "");
    }
}

TEST_F(IdPwDialog, OkStoresWhatWasTypedAndCancelNothing)
{
    std::string shown[2];
    std::string caption;
    {
        CDlgIdPw dialog(&app, CWnd::FromHandle(parent), "", "");
        EXPECT_EQ(run(dialog, shown,
                      [&](HWND d) {
                          char text[64] = {};
                          ::GetWindowTextA(d, text, sizeof text);
                          caption = text;
                          type(d, "anna", "p w;#1");
                          press(d, IDOK);
                      }),
            IDOK);
        EXPECT_EQ(caption, "Id - Password");
        EXPECT_EQ(dialog.m_strId, "anna");
        EXPECT_EQ(dialog.m_strPassword, "p w;#1");
        EXPECT_EQ(app.profile("FtpId"), "anna");
        EXPECT_EQ(app.profile("FtpPw"), "p w;#1") << "stored as typed, in clear";
        EXPECT_EQ(std::filesystem::status(app.GetProfileFilePath().GetString()).permissions()
                & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << "the profile holds a password";
    }
    {
        CDlgIdPw dialog(&app, CWnd::FromHandle(parent), "", "");
        EXPECT_EQ(run(dialog, shown,
                      [](HWND d) {
                          type(d, "bob", "other");
                          press(d, IDCANCEL);
                      }),
            IDCANCEL);
        EXPECT_EQ(app.profile("FtpId"), "anna");
        EXPECT_EQ(app.profile("FtpPw"), "p w;#1");
    }
    {
        // The item editor's way: the values come back through the dialog only.
        CDlgIdPw dialog(nullptr, CWnd::FromHandle(parent), "x", "y");
        run(dialog, shown, [](HWND d) {
            type(d, "carl", "pw");
            press(d, IDOK);
        });
        EXPECT_EQ(dialog.m_strId, "carl");
        EXPECT_EQ(dialog.m_strPassword, "pw");
        EXPECT_EQ(app.profile("FtpId"), "anna");
    }
}

TEST_F(IdPwDialog, FieldsAreReadUpTo255Characters)
{
    std::string shown[2];
    std::string longId(300, 'u');
    CDlgIdPw dialog(&app, CWnd::FromHandle(parent), "", "");
    run(dialog, shown, [&](HWND d) {
        type(d, longId.c_str(), "pw");
        press(d, IDOK);
    });
    EXPECT_EQ(std::string(dialog.m_strId), std::string(255, 'u'));
    EXPECT_EQ(app.profile("FtpId"), std::string(255, 'u'));
}

}
