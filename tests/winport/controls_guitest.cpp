// One contract for every control class: creation, text, enabling, showing, fonts, geometry,
// destruction, and the notification a real user action sends to the parent.
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <functional>

using namespace wintest;
using winport::testing::Click;
using winport::testing::PumpEvents;

namespace {
// A parent that records the notifications its children send (through CWnd's routing).
class NotificationHost : public CWnd {
public:
    std::vector<std::pair<int, int>> commands; // (id, code)
    std::vector<std::pair<int, int>> notifies;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.emplace_back(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        notifies.emplace_back(static_cast<int>(header->idFrom), static_cast<int>(header->code));
        return CWnd::OnNotify(wParam, lParam, result);
    }
};

struct ControlKind {
    const char* name;
    const char* className;
    DWORD style;
    // Prepares the control (items, focus) and performs the user action.
    std::function<void(HWND control)> act;
    // The notification code the parent must receive (WM_COMMAND or WM_NOTIFY), if any.
    bool viaNotify;
    int code;
    bool notifies;
};

void clickCenter(HWND h)
{
    RECT r;
    GetClientRect(h, &r);
    ASSERT_TRUE(Click(h, r.right / 2, r.bottom / 2));
}

const ControlKind kKinds[] = {
    { "PushButton", "Button", BS_PUSHBUTTON, clickCenter, false, BN_CLICKED, true },
    { "AutoCheckBox", "Button", BS_AUTOCHECKBOX, clickCenter, false, BN_CLICKED, true },
    { "AutoRadioButton", "Button", BS_AUTORADIOBUTTON, clickCenter, false, BN_CLICKED, true },
    { "GroupBox", "Button", BS_GROUPBOX, clickCenter, false, 0, false },
    { "Static", "Static", SS_LEFT | SS_NOTIFY, clickCenter, false, STN_CLICKED, true },
    { "Edit", "Edit", ES_AUTOHSCROLL | WS_BORDER,
        [](HWND h) { ASSERT_TRUE(winport::testing::TypeText(h, "ab")); }, false, EN_CHANGE, true },
    { "MultiLineEdit", "Edit", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL,
        [](HWND h) { ASSERT_TRUE(winport::testing::TypeText(h, "x")); }, false, EN_CHANGE, true },
    { "ListBox", "ListBox", LBS_NOTIFY | WS_BORDER,
        [](HWND h) {
            SendMessage(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
            SendMessage(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("second"));
            ASSERT_TRUE(Click(h, 10, 5));
        },
        false, LBN_SELCHANGE, true },
    { "ComboBox", "ComboBox", CBS_DROPDOWN,
        [](HWND h) {
            SendMessage(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
            SendMessage(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
            ASSERT_TRUE(winport::testing::PressKey(h, VK_DOWN));
        },
        false, CBN_SELCHANGE, true },
    { "TabControl", "SysTabControl32", 0,
        [](HWND h) {
            TCITEMA item {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>("One");
            SendMessage(h, TCM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
            item.pszText = const_cast<char*>("Two");
            SendMessage(h, TCM_INSERTITEM, 1, reinterpret_cast<LPARAM>(&item));
            RECT r;
            SendMessage(h, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
            ASSERT_TRUE(Click(h, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
        },
        true, static_cast<int>(TCN_SELCHANGE), true },
    { "MonthCalendar", "SysMonthCal32", 0,
        [](HWND h) {
            SYSTEMTIME st {};
            st.wYear = 2025;
            st.wMonth = 1;
            st.wDay = 15;
            SendMessage(h, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
            ASSERT_TRUE(winport::testing::PressKey(h, VK_RIGHT));
        },
        true, static_cast<int>(MCN_SELCHANGE), true },
    { "ProgressBar", "msctls_progress32", 0, clickCenter, false, 0, false },
};

class ControlContract : public ::testing::TestWithParam<ControlKind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 420,
            320, nullptr, nullptr));
        const ControlKind& kind = GetParam();
        control = makeChild(
            host.m_hWnd, kind.className, "", kind.style | WS_TABSTOP, 10, 10, 250, 180, 42);
        ASSERT_NE(control, nullptr);
        PumpEvents(10);
    }
    void TearDown() override { host.DestroyWindow(); }

    NotificationHost host;
    HWND control = nullptr;
};

TEST_P(ControlContract, IsAChildWithItsClassAndId)
{
    char name[64];
    ASSERT_GT(GetClassName(control, name, sizeof name), 0);
    EXPECT_STREQ(name, GetParam().className);
    EXPECT_EQ(GetDlgCtrlID(control), 42);
    EXPECT_EQ(GetParent(control), host.m_hWnd);
    EXPECT_EQ(GetDlgItem(host.m_hWnd, 42), control);
    EXPECT_TRUE(IsChild(host.m_hWnd, control));
    EXPECT_EQ(CWnd::FromHandle(control)->GetDlgCtrlID(), 42);
}

TEST_P(ControlContract, TextRoundTripsEveryByte)
{
    if (std::string(GetParam().className) == "ComboBox")
        SendMessage(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Z\xE4hler \xE9t\xE9"));
    const char* text = "Z\xE4hler \xE9t\xE9"; // ten bytes, three of them above 0x7F
    ASSERT_TRUE(SetWindowText(control, text));
    char back[64] = {};
    EXPECT_EQ(GetWindowText(control, back, sizeof back), 10);
    EXPECT_STREQ(back, text);
    EXPECT_EQ(GetWindowTextLength(control), 10);
    char small[5] = {};
    EXPECT_EQ(GetWindowText(control, small, sizeof small), 4); // truncated to the buffer
    EXPECT_STREQ(small, "Z\xE4hl");
    CString viaWrapper;
    CWnd::FromHandle(control)->GetWindowText(viaWrapper);
    EXPECT_EQ(viaWrapper, text);
}

TEST_P(ControlContract, EnableAndShowAreReflectedInStyleAndQueries)
{
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_FALSE(EnableWindow(control, FALSE)); // it was enabled
    EXPECT_FALSE(IsWindowEnabled(control));
    EXPECT_TRUE(GetWindowLong(control, GWL_STYLE) & WS_DISABLED);
    EXPECT_TRUE(EnableWindow(control, TRUE));
    EXPECT_TRUE(IsWindowEnabled(control));

    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(ShowWindow(control, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_FALSE(GetWindowLong(control, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(ShowWindow(control, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(control));
    ShowWindow(host.m_hWnd, SW_HIDE); // a visible child of a hidden parent is not visible
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_TRUE(GetWindowLong(control, GWL_STYLE) & WS_VISIBLE);
}

TEST_P(ControlContract, KeepsTheFontItIsGiven)
{
    EXPECT_EQ(SendMessage(control, WM_GETFONT, 0, 0), 0);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    CWnd::FromHandle(control)->SetFont(&font);
    EXPECT_EQ(
        reinterpret_cast<HFONT>(SendMessage(control, WM_GETFONT, 0, 0)), static_cast<HFONT>(font));
    EXPECT_EQ(CWnd::FromHandle(control)->GetFont()->m_hObject, font.m_hObject);
    SendMessage(control, WM_SETFONT, 0, FALSE);
    EXPECT_EQ(SendMessage(control, WM_GETFONT, 0, 0), 0);
}

TEST_P(ControlContract, MovesAndReportsItsRectangles)
{
    ASSERT_TRUE(MoveWindow(control, 30, 40, 200, 150, TRUE));
    RECT client, window;
    ASSERT_TRUE(GetClientRect(control, &client));
    ASSERT_TRUE(GetWindowRect(control, &window));
    POINT origin { 30, 40 };
    ClientToScreen(host.m_hWnd, &origin);
    EXPECT_EQ(window.left, origin.x);
    EXPECT_EQ(window.top, origin.y);
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_EQ(client.right, 200);
    if (std::string(GetParam().className) != "ComboBox") { // a combo box is as tall as its field
        EXPECT_EQ(client.bottom, 150);
    }
    POINT p = origin;
    ScreenToClient(control, &p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST_P(ControlContract, NotifiesItsParentOfAUserAction)
{
    const ControlKind& kind = GetParam();
    kind.act(control);
    PumpEvents(10);
    bool found = false;
    for (auto [id, code] : kind.viaNotify ? host.notifies : host.commands)
        found = found || (id == 42 && code == kind.code);
    EXPECT_EQ(found, kind.notifies) << kind.name;
    if (!kind.notifies) {
        EXPECT_TRUE(host.commands.empty());
        EXPECT_TRUE(host.notifies.empty());
    }
}

TEST_P(ControlContract, DiesWithItsParent)
{
    host.DestroyWindow();
    EXPECT_FALSE(IsWindow(control));
    EXPECT_EQ(host.m_hWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ControlContract, ::testing::ValuesIn(kKinds),
    [](const ::testing::TestParamInfo<ControlKind>& info) { return std::string(info.param.name); });
}
