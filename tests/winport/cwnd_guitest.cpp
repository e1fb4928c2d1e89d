// CWnd: message maps for commands, notifications and window messages; control notifications
// reflected to the control; input pre-translated from the window up to its top level; permanent
// and temporary objects.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>

using winport::testing::PumpEvents;

namespace {
std::vector<std::string> g_log;

class MappedWindow : public CWnd {
public:
    BOOL eatClicks = FALSE;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_LBUTTONDOWN)
            g_log.push_back("pretranslate " + name);
        return msg->message == WM_LBUTTONDOWN && eatClicks;
    }
    std::string name = "window";

protected:
    afx_msg void OnSave() { g_log.push_back("save"); }
    afx_msg void OnRange(UINT id) { g_log.push_back("range " + std::to_string(id)); }
    afx_msg void OnButton() { g_log.push_back("button"); }
    afx_msg void OnItemClick(NMHDR* header, LRESULT* result)
    {
        g_log.push_back("click item " + std::to_string(header->idFrom));
        *result = 7;
    }
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        g_log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg void OnMouseMove(UINT, CPoint p)
    {
        g_log.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    afx_msg void OnLButtonDown(UINT, CPoint) { g_log.push_back("lbuttondown " + name); }
    afx_msg void OnKillFocus(CWnd* next)
    {
        g_log.push_back(std::string("killfocus to ") + (next ? "a window" : "nothing"));
        CWnd::OnKillFocus(next);
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam)
    {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MappedWindow, CWnd)
ON_COMMAND(101, OnSave)
ON_COMMAND_RANGE(110, 119, OnRange)
ON_BN_CLICKED(121, OnButton)
ON_BN_CLICKED(122, OnButton)
ON_NOTIFY(NM_CLICK, 5, OnItemClick)
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_USER + 7, OnPrivate)
END_MESSAGE_MAP()

// A button that handles its own click: the parent's map does not see it.
class SelfHandlingButton : public CButton {
protected:
    afx_msg void OnClicked() { g_log.push_back("reflected click"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfHandlingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(top.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400,
            300, nullptr, nullptr));
        child.name = "child";
        ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, 10, 10, 150, 100,
            top.m_hWnd, reinterpret_cast<HMENU>(9)));
        PumpEvents(10);
        g_log.clear();
    }
    void TearDown() override { top.DestroyWindow(); }

    MappedWindow top, child;
};

TEST_F(MessageMaps, CommandsNotificationsAndMessagesReachTheirHandlers)
{
    top.SendMessage(WM_COMMAND, MAKEWPARAM(101, 0));
    top.SendMessage(WM_COMMAND, MAKEWPARAM(112, 0));
    top.SendMessage(WM_COMMAND, MAKEWPARAM(130, 0)); // no handler
    NMHDR header { child.m_hWnd, 5, static_cast<UINT>(NM_CLICK) };
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)), 7);
    header.idFrom = 6;
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, 6, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(top.SendMessage(WM_USER + 7, 3, 4), 7);
    EXPECT_EQ(g_log, (std::vector<std::string> { "save", "range 112", "click item 5" }));
}

TEST_F(MessageMaps, SizeMouseAndFocusArriveUnpacked)
{
    child.MoveWindow(20, 20, 120, 80);
    ASSERT_TRUE(winport::testing::MouseMove(child.m_hWnd, 12, 7));
    child.SetFocus();
    top.SetFocus();
    EXPECT_EQ(
        g_log, (std::vector<std::string> { "size 120x80", "move 12,7", "killfocus to a window" }));
}

TEST_F(MessageMaps, ControlClicksGoToTheParentUnlessTheControlHandlesThemItself)
{
    CButton plain;
    SelfHandlingButton own;
    ASSERT_TRUE(plain.Create("plain", WS_CHILD | WS_VISIBLE, CRect(200, 10, 280, 40), &top, 121));
    ASSERT_TRUE(own.Create("own", WS_CHILD | WS_VISIBLE, CRect(200, 50, 280, 80), &top, 122));
    plain.Click();
    own.Click();
    EXPECT_EQ(g_log, (std::vector<std::string> { "button", "reflected click" }));
}

TEST_F(MessageMaps, InputIsPreTranslatedFromTheWindowUpToItsTopLevel)
{
    ASSERT_TRUE(winport::testing::MouseMove(child.m_hWnd, 5, 5)); // the pointer is there first
    g_log.clear();
    ASSERT_TRUE(winport::testing::Click(child.m_hWnd, 5, 5));
    EXPECT_EQ(g_log,
        (std::vector<std::string> {
            "pretranslate child", "pretranslate window", "lbuttondown child" }));
    g_log.clear();
    top.eatClicks = TRUE;
    ASSERT_TRUE(winport::testing::Click(child.m_hWnd, 5, 5));
    EXPECT_EQ(g_log, (std::vector<std::string> { "pretranslate child", "pretranslate window" }));
}

TEST_F(MessageMaps, ObjectsArePermanentOnlyWhileAttached)
{
    HWND raw = wintest::makeChild(top.m_hWnd, wintest::recorderClass(), "raw", 0, 0, 0, 10, 10, 4);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd* temporary = CWnd::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(raw), temporary);
    EXPECT_EQ(temporary->m_hWnd, raw);
    EXPECT_EQ(CWnd::FromHandlePermanent(child.m_hWnd), &child);
    EXPECT_EQ(top.GetDlgItem(9), &child);

    CWnd attached;
    ASSERT_TRUE(attached.Attach(raw));
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), &attached);
    EXPECT_EQ(attached.Detach(), raw);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}
}
