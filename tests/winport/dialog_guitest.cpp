// Dialogs from resource scripts: templates by id, dialog units, modal runs answered by a script,
// modeless dialogs, default buttons, data exchange; message boxes and unscripted modal calls.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>
#include <winport/resources.h>

#include <cstdio>
#include <fstream>

using winport::testing::PumpEvents;

namespace {
const char kHeader[] = "#define IDD_SAMPLE 2001\n"
                       "#define IDC_NAME 2002\n"
                       "#define IDC_AGREE 2003\n"
                       "#define IDC_LEFT 2004\n"
                       "#define IDC_RIGHT 2005\n"
                       "#define IDC_LIST 2006\n"
                       "#define IDC_KIND 2007\n"
                       "#define IDD_BROKEN 2010\n"
                       "#define IDS_GREETING 2020\n";

const char kScript[] = R"rc(
#include "resource.h"
// A dialog with every statement the library's scripts use.
IDD_SAMPLE DIALOGEX 0, 0, 200, 120
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Sample ""Dialog"""
FONT 8, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    LTEXT           "&Name:",IDC_STATIC,7,9,40,8
    EDITTEXT        IDC_NAME,50,7,100,14,ES_AUTOHSCROLL
    AUTOCHECKBOX    "I agree",IDC_AGREE,7,28,80,10
    GROUPBOX        "Side",IDC_STATIC,7,42,90,30
    AUTORADIOBUTTON "Left",IDC_LEFT,12,54,35,10,WS_GROUP
    AUTORADIOBUTTON "Right",IDC_RIGHT,50,54,35,10
    LISTBOX         IDC_LIST,110,28,80,40,LBS_SORT | WS_VSCROLL | NOT WS_BORDER
    COMBOBOX        IDC_KIND,110,75,80,50,CBS_DROPDOWNLIST | WS_VSCROLL
    CONTROL         "",-1,"msctls_progress32",WS_BORDER,7,80,90,8
    DEFPUSHBUTTON   "OK",IDOK,90,100,50,14
    PUSHBUTTON      "Cancel",IDCANCEL,143,100,50,14
END

IDD_BROKEN DIALOGEX 0, 0, 50, 50
BEGIN
    CONTROL "",1,"NoSuchClass",0,0,0,10,10
END

STRINGTABLE
BEGIN
    IDS_GREETING "Hello from the string table"
END

IDI_UNUSED ICON "unused.ico"
)rc";

const bool registered = WinportRegisterResources(&registered, kScript, kHeader);

class SampleDialog : public CDialog {
public:
    explicit SampleDialog(CWnd* parent)
        : CDialog(2001, parent)
    {
    }
    CString name = "initial";
    int agree = 0;
    int side = 1;
    int initCalls = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++initCalls;
        CDialog::OnInitDialog();
        SendDlgItemMessage(2006, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("pear"));
        SendDlgItemMessage(2006, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("apple"));
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, 2002, name);
        DDX_Check(dx, 2003, agree);
        DDX_Radio(dx, 2004, side);
    }
};

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registered);
        host = wintest::makeTopLevel();
        winport::testing::ClearScripts();
    }
    void TearDown() override
    {
        EXPECT_EQ(winport::testing::UnusedScripts(), 0);
        DestroyWindow(host);
    }
    HWND host = nullptr;
};

TEST_F(Dialogs, ModalDialogFromTheScriptIsAnsweredThroughMessages)
{
    SampleDialog dialog(CWnd::FromHandle(host));
    bool checked = false;
    winport::testing::ScriptModalDialog([&](HWND h) {
        checked = true;
        char caption[64];
        GetWindowText(h, caption, sizeof caption);
        EXPECT_STREQ(caption, "Sample \"Dialog\"");
        EXPECT_FALSE(IsWindowEnabled(host)); // the owner waits
        EXPECT_EQ(CWnd::FromHandlePermanent(h), &dialog);
        // Dialog units follow the dialog font: 200 x 120 units.
        RECT units { 0, 0, 200, 120 }, client;
        MapDialogRect(h, &units);
        GetClientRect(h, &client);
        EXPECT_EQ(client.right, units.right);
        EXPECT_EQ(client.bottom, units.bottom);
        EXPECT_GT(units.right, 200);
        // Controls as the template says, initialised by OnInitDialog and data exchange.
        char name[32];
        GetDlgItemText(h, 2002, name, sizeof name);
        EXPECT_STREQ(name, "initial");
        EXPECT_EQ(IsDlgButtonChecked(h, 2005), static_cast<UINT>(BST_CHECKED));
        char first[16];
        SendDlgItemMessage(h, 2006, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, "apple"); // LBS_SORT
        EXPECT_FALSE(GetWindowLong(GetDlgItem(h, 2006), GWL_STYLE) & WS_BORDER); // NOT WS_BORDER
        EXPECT_EQ(LOWORD(SendMessage(h, DM_GETDEFID, 0, 0)), IDOK);
        // The "user" fills it in and presses OK.
        SetDlgItemText(h, 2002, "Ada");
        SendDlgItemMessage(h, 2003, BM_CLICK, 0, 0);
        SendDlgItemMessage(h, 2004, BM_CLICK, 0, 0);
        EXPECT_EQ(IsDlgButtonChecked(h, 2005), static_cast<UINT>(BST_UNCHECKED)); // same group
        SendDlgItemMessage(h, IDOK, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(checked);
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_EQ(dialog.name, "Ada");
    EXPECT_EQ(dialog.agree, BST_CHECKED);
    EXPECT_EQ(dialog.side, 0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(IsWindowEnabled(host));
}

TEST_F(Dialogs, EscapeAndEnterPressTheDialogButtons)
{
    struct Case {
        UINT key;
        INT_PTR expected;
    } cases[] = { { VK_ESCAPE, IDCANCEL }, { VK_RETURN, IDOK } };
    for (const Case& c : cases) {
        SampleDialog dialog(CWnd::FromHandle(host));
        winport::testing::ScriptModalDialog([&](HWND h) {
            HWND list = GetDlgItem(h, 2006);
            SetFocus(list);
            EXPECT_TRUE(winport::testing::PressKey(list, c.key));
        });
        EXPECT_EQ(dialog.DoModal(), c.expected) << c.key;
    }
}

TEST_F(Dialogs, DialogProcedureDialogsGetInitAndCommands)
{
    static std::vector<UINT> seen;
    seen.clear();
    DLGPROC proc = [](HWND h, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            seen.push_back(message);
            EXPECT_EQ(lParam, 1234);
            return TRUE;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) { // not the edit's EN_*
            seen.push_back(LOWORD(wParam));
            EndDialog(h, 77);
            return TRUE;
        }
        return FALSE;
    };
    winport::testing::ScriptModalDialog([](HWND h) { SendMessage(h, WM_CLOSE, 0, 0); });
    EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(2001), host, proc, 1234), 77);
    EXPECT_EQ(seen, (std::vector<UINT> { WM_INITDIALOG, IDCANCEL })); // closing means Cancel
}

// A modal dialog appears once its queue is empty: one that ends from the command it posted
// itself is never shown; one that waits is shown before its script (the user) acts.
TEST_F(Dialogs, ModalDialogIsShownOnlyWhenItsQueueRunsDry)
{
    static bool shown;
    static int selfEnding;
    DLGPROC proc = [](HWND h, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_SHOWWINDOW && wParam)
            shown = true;
        if (message == WM_INITDIALOG && selfEnding)
            PostMessage(h, WM_COMMAND, MAKEWPARAM(1234, BN_CLICKED), 0);
        if (message == WM_COMMAND && LOWORD(wParam) == 1234)
            PostMessage(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
            EndDialog(h, 5);
        return message == WM_INITDIALOG;
    };
    for (selfEnding = 1; selfEnding >= 0; --selfEnding) {
        shown = false;
        bool visibleToScript = false;
        winport::testing::ScriptModalDialog([&](HWND h) {
            visibleToScript = IsWindowVisible(h);
            PostMessage(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(2001), host, proc, 0), 5);
        EXPECT_EQ(shown, selfEnding == 0) << selfEnding;
        EXPECT_EQ(visibleToScript, selfEnding == 0) << "the script runs only on a shown dialog";
    }
}

TEST_F(Dialogs, ModelessDialogStaysUntilDestroyedAndEndDialogHidesIt)
{
    SampleDialog dialog(CWnd::FromHandle(host));
    ASSERT_TRUE(dialog.Create(2001, CWnd::FromHandle(host)));
    EXPECT_TRUE(IsWindowEnabled(host));
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.IsWindowVisible());
    dialog.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(Dialogs, MissingTemplatesAndControlsFailClearly)
{
    EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(4242), host, nullptr, 0), -1);
    EXPECT_EQ(CreateDialogParam(nullptr, MAKEINTRESOURCE(2010), host, nullptr, 0), nullptr);
    CDialog missing(4242, CWnd::FromHandle(host));
    EXPECT_EQ(missing.DoModal(), -1);
    char text[64];
    EXPECT_GT(LoadString(nullptr, 2020, text, sizeof text), 0);
    EXPECT_STREQ(text, "Hello from the string table");
}

TEST_F(Dialogs, AnUnscriptedModalDialogFailsInsteadOfWaiting)
{
    SampleDialog dialog(CWnd::FromHandle(host));
    INT_PTR result = 0;
    auto failures = wintest::captureScriptFailures([&] { result = dialog.DoModal(); });
    EXPECT_EQ(result, -1);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unscripted modal dialog"), std::string::npos);
    EXPECT_EQ(dialog.initCalls, 0);
}

TEST_F(Dialogs, AScriptThatLeavesTheDialogOpenFailsAfterItsTimeout)
{
    SampleDialog dialog(CWnd::FromHandle(host));
    winport::testing::ScriptModalDialog([](HWND) {}, 50);
    INT_PTR result = 0;
    auto failures = wintest::captureScriptFailures([&] { result = dialog.DoModal(); });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("still open"), std::string::npos);
}

TEST_F(Dialogs, MessageBoxesTakeScriptedAnswersAndAreRecorded)
{
    winport::testing::ScriptMessageBox(IDNO);
    winport::testing::ScriptMessageBox(IDOK);
    EXPECT_EQ(MessageBox(host, "Delete J-12?", "Confirm", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
    auto calls = winport::testing::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].caption, "Confirm");
    EXPECT_EQ(calls[0].text, "Delete J-12?");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(calls[0].owner, host);
    EXPECT_EQ(calls[1].text, "Done.");
}

TEST_F(Dialogs, MessageBoxesWithoutAFittingAnswerFail)
{
    int wrong = -1, missing = -1;
    auto failures = wintest::captureScriptFailures([&] {
        winport::testing::ScriptMessageBox(IDYES);
        wrong = MessageBox(host, "Saved.", "Info", MB_OK);
        missing = MessageBox(host, "Again?", "Info", MB_OKCANCEL);
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(missing, 0);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("not a button"), std::string::npos);
    EXPECT_NE(failures[1].find("unscripted message box \"Info\": Again?"), std::string::npos);
}

TEST_F(Dialogs, IsDialogMessageMovesFocusAndPressesButtonsForItsOwnWindowsOnly)
{
    static std::vector<int> pressed;
    pressed.clear();
    DLGPROC proc = [](HWND, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            pressed.push_back(LOWORD(wParam));
        return message == WM_INITDIALOG;
    };
    HWND dialog = CreateDialogParam(nullptr, MAKEINTRESOURCE(2001), host, proc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    auto key = [dialog](HWND target, UINT message, WPARAM code) {
        MSG msg {};
        msg.hwnd = target;
        msg.message = message;
        msg.wParam = code;
        return IsDialogMessage(dialog, &msg);
    };
    HWND name = GetDlgItem(dialog, 2002);
    SetFocus(name);
    EXPECT_FALSE(key(host, WM_KEYDOWN, VK_RETURN)); // not the dialog's window
    EXPECT_FALSE(key(name, WM_KEYDOWN, 'A')); // ordinary keys go on to the control
    EXPECT_FALSE(key(name, WM_CHAR, 'a'));
    EXPECT_TRUE(key(name, WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 2003)); // the next tab stop
    EXPECT_TRUE(key(GetFocus(), WM_CHAR, '\t'));
    EXPECT_TRUE(key(GetFocus(), WM_KEYDOWN, VK_RETURN)); // the default button
    EXPECT_TRUE(key(GetFocus(), WM_KEYDOWN, VK_ESCAPE));
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    EXPECT_TRUE(key(GetFocus(), WM_KEYDOWN, VK_RETURN)); // a focused push button
    EXPECT_EQ(pressed, (std::vector<int> { IDOK, IDCANCEL, IDCANCEL }));
    DestroyWindow(dialog);
}

TEST_F(Dialogs, ArrowKeysMoveThroughARadioGroupAndCheckWhereTheyLand)
{
    HWND dialog = CreateDialogParam(nullptr, MAKEINTRESOURCE(2001), host, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    HWND left = GetDlgItem(dialog, 2004), right = GetDlgItem(dialog, 2005);
    CheckRadioButton(dialog, 2004, 2005, 2004);
    ASSERT_TRUE(winport::testing::PressKey(left, VK_DOWN));
    EXPECT_EQ(GetFocus(), right);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 2005), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 2004), static_cast<UINT>(BST_UNCHECKED));
    ASSERT_TRUE(winport::testing::PressKey(right, VK_UP));
    EXPECT_EQ(GetFocus(), left);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 2004), static_cast<UINT>(BST_CHECKED));

    // An edit keeps its arrows.
    HWND name = GetDlgItem(dialog, 2002);
    SetFocus(name);
    MSG msg { name, WM_KEYDOWN, VK_DOWN, 0, 0, { 0, 0 } };
    EXPECT_FALSE(IsDialogMessage(dialog, &msg));
    EXPECT_EQ(GetFocus(), name);
    DestroyWindow(dialog);
}

TEST_F(Dialogs, AnyWindowIsSavedAsAPngOfItsSize)
{
    HWND dialog = CreateDialogParam(nullptr, MAKEINTRESOURCE(2001), host, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    std::string path = ::testing::TempDir() + "dialog.png";
    ASSERT_TRUE(winport::testing::SaveWindowPng(dialog, path.c_str()));
    std::ifstream file(path, std::ios::binary);
    unsigned char head[24] = {};
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(head), sizeof head));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 1, 3), "PNG");
    auto bigEndian = [&](int at) {
        return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3];
    };
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(bigEndian(16), client.right); // the IHDR chunk: width, height
    EXPECT_EQ(bigEndian(20), client.bottom);
    std::remove(path.c_str());
    EXPECT_FALSE(winport::testing::SaveWindowPng(nullptr, path.c_str()));
    DestroyWindow(dialog);
}
}
