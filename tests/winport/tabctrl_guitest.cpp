// The tab control: items, sizes, highlight, and the notifications of a user's click, reflected to
// a CTabCtrl subclass as the book uses them.
#include "hostedcontrol.h"
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

using namespace wintest;
using winport::testing::Click;
using winport::testing::PumpEvents;

namespace {
class RecordingTabs : public CTabCtrl {
public:
    std::vector<std::string> events;
    BOOL refuse = FALSE;

    // Routes its commands elsewhere, as the book does: reflected notifications still reach the
    // message map below.
    BOOL OnCmdMsg(UINT, int, void*, AFX_CMDHANDLERINFO*) override { return FALSE; }

protected:
    afx_msg void OnSelchanging(NMHDR* header, LRESULT* result)
    {
        events.push_back(
            "changing " + std::to_string(GetCurSel()) + " id " + std::to_string(header->idFrom));
        *result = refuse;
    }
    afx_msg void OnSelchange(NMHDR*, LRESULT* result)
    {
        events.push_back("change " + std::to_string(GetCurSel()));
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingTabs, CTabCtrl)
ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelchanging)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelchange)
END_MESSAGE_MAP()

class TabControl : public wintest::HostedControl<CWnd, RecordingTabs> {
protected:
    void SetUp() override
    {
        createHosted(TCS_RAGGEDRIGHT, CRect(0, 0, 500, 300), 77, 500, 300);
        for (const char* title : { "Query", "Result", "Settings" })
            tabs.InsertItem(tabs.GetItemCount(), title);
        PumpEvents(20);
    }

    CPoint centerOf(int item)
    {
        CRect r;
        EXPECT_TRUE(tabs.GetItemRect(item, &r));
        return r.CenterPoint();
    }

    RecordingTabs& tabs = control;
};

TEST_F(TabControl, ItemsAnswerTheirMessages)
{
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    char text[32] = {};
    TCITEMA item {};
    item.mask = TCIF_TEXT | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    item.dwStateMask = TCIS_HIGHLIGHTED;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(text, "Result");
    EXPECT_EQ(item.dwState, 0u);
    EXPECT_TRUE(tabs.HighlightItem(1));
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(item.dwState, static_cast<DWORD>(TCIS_HIGHLIGHTED));
    EXPECT_TRUE(tabs.HighlightItem(1, FALSE));
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(item.dwState, 0u);
    EXPECT_FALSE(tabs.HighlightItem(7));

    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(tabs.SetCurSel(9), -1);
    EXPECT_TRUE(tabs.events.empty()); // selecting by message notifies nobody

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetCurSel(), 1); // the selection follows its item
    EXPECT_TRUE(tabs.DeleteItem(1));
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_FALSE(tabs.DeleteItem(5));
    EXPECT_EQ(tabs.InsertItem(10, "Appended"), 1); // past the end appends
}

TEST_F(TabControl, ItemSizeMinimumWidthAndDisplayArea)
{
    CSize old = tabs.SetItemSize(CSize(120, 30));
    EXPECT_GT(old.cx, 0);
    CRect first;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    EXPECT_EQ(first.Height(), 30); // heights apply to every tab control
    EXPECT_LT(first.Width(), 120); // widths only to fixed-width ones
    tabs.SetMinTabWidth(150);
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    EXPECT_GE(first.Width(), 150);
    EXPECT_EQ(tabs.SetMinTabWidth(-1), 150);

    CRect client;
    tabs.GetClientRect(&client);
    CRect display = client;
    tabs.AdjustRect(FALSE, &display);
    EXPECT_GE(display.top, first.bottom);
    EXPECT_GT(display.left, client.left);
    EXPECT_LT(display.right, client.right);
    tabs.AdjustRect(TRUE, &display);
    EXPECT_EQ(display, client);
}

TEST_F(TabControl, AClickSendsSelchangingBeforeAndSelchangeAfterTheChange)
{
    CPoint p = centerOf(2);
    ASSERT_TRUE(Click(tabs.m_hWnd, p.x, p.y));
    EXPECT_EQ(tabs.events, (std::vector<std::string> { "changing 0 id 77", "change 2" }));
    EXPECT_EQ(tabs.GetCurSel(), 2);

    tabs.events.clear();
    ASSERT_TRUE(Click(tabs.m_hWnd, p.x, p.y)); // the current tab again: nothing happens
    EXPECT_TRUE(tabs.events.empty());
}

TEST_F(TabControl, ANonZeroSelchangingAnswerKeepsTheCurrentTab)
{
    tabs.refuse = TRUE;
    CPoint p = centerOf(1);
    ASSERT_TRUE(Click(tabs.m_hWnd, p.x, p.y));
    EXPECT_EQ(tabs.events, (std::vector<std::string> { "changing 0 id 77" }));
    EXPECT_EQ(tabs.GetCurSel(), 0);
}

TEST_F(TabControl, ArrowKeysChangeTabsLikeClicks)
{
    tabs.SetFocus();
    ASSERT_TRUE(winport::testing::PressKey(tabs.m_hWnd, VK_RIGHT));
    EXPECT_EQ(tabs.events, (std::vector<std::string> { "changing 0 id 77", "change 1" }));
}

TEST_F(TabControl, FocusingATabSelectsItButFocusingTheSelectedOneSaysNothing)
{
    tabs.SetCurFocus(0);
    EXPECT_TRUE(tabs.events.empty());
    tabs.SetCurFocus(1);
    EXPECT_EQ(tabs.events, (std::vector<std::string> { "changing 0 id 77", "change 1" }));
    EXPECT_EQ(tabs.GetCurSel(), 1);
}
}
