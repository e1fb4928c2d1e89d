// The date dialog: the day it starts with, the calendar's keys and paging, OK and Cancel with
// their 1083 commands, the keyboard, and two dialogs sharing ctMfcDate.
#include "dialoghost.h"

using namespace dialogtest;

namespace {

class DateDialog : public DialogHost { };

// A derived dialog whose template is missing.
class MissingTemplateDateSel : public mfcDateSel {
public:
    explicit MissingTemplateDateSel(CWnd* parent)
        : mfcDateSel(static_cast<HWND>(nullptr))
    {
        created = mfcDateSelCreate(9999, parent, nullptr);
    }
    BOOL created = TRUE;
};

} // namespace

TEST_F(DateDialog, DateGivenToTheConstructorIsSelectedAndReturnedBeforeTheUserActs)
{
    ctMfcDate = day(2001, 1, 1);
    mfcDateSel dialog(parent(), target, day(2025, 3, 14));
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(::GetParent(dialog.m_hWnd), parentWindow);
    CString caption;
    dialog.GetWindowText(caption);
    EXPECT_STREQ(caption, "Select a Date");
    EXPECT_EQ(text(mfcDateGet()), "2025-03-14 00:00:00");
    EXPECT_EQ(calendarDay(dialog.m_hWnd, MCM_GETCURSEL), "2025-03-14 00:00:00");
    EXPECT_EQ(calendarDay(dialog.m_hWnd, MCM_GETTODAY), "2025-03-14 00:00:00");
    EXPECT_TRUE(commands().empty());
}

TEST_F(DateDialog, EnterConfirmsWithTheOkButtonsHandleAndLeavesTheDialogOpen)
{
    mfcDateSel dialog(parent(), target, day(2025, 3, 14));
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_RIGHT);
    ctMfcDate = CTime(); // OK reads the calendar again
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_RETURN);
    EXPECT_EQ(text(mfcDateGet()), "2025-03-15 00:00:00");
    EXPECT_TRUE(dialog.bConfirmed);
    EXPECT_TRUE(dialog.IsWindowVisible());
    std::vector<wintest::Message> got = commands();
    ASSERT_EQ(got.size(), 1u);
    expectDone(got[0], ::GetDlgItem(dialog.m_hWnd, IDOK));
}

TEST_F(DateDialog, EscapeCancelsWithANullHandleAndTheZeroTime)
{
    mfcDateSel dialog(parent(), target, day(2025, 3, 14));
    press(dialog.m_hWnd, IDOK);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_ESCAPE);
    EXPECT_EQ(text(mfcDateGet()), "zero");
    EXPECT_FALSE(dialog.bConfirmed);
    EXPECT_FALSE(dialog.IsWindowVisible());
    std::vector<wintest::Message> got = commands();
    ASSERT_EQ(got.size(), 2u);
    expectDone(got[1], nullptr);
}

TEST_F(DateDialog, PagingAndArrowsChangeTheDateOnEverySelectionChangeAndNoDayIsBold)
{
    mfcDateSel dialog(parent(), target, day(2025, 1, 31));
    std::fill(std::begin(mdsMfc), std::end(mdsMfc), 0xFFFFFFFFu);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_NEXT);
    EXPECT_EQ(text(mfcDateGet()), "2025-02-28 00:00:00");
    // The calendar asked for the day states of three months; they were cleared and handed over.
    EXPECT_EQ(mdsMfc[0] | mdsMfc[1] | mdsMfc[2], 0u);
    EXPECT_EQ(mdsMfc[3], 0xFFFFFFFFu);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_PRIOR);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_PRIOR);
    EXPECT_EQ(text(mfcDateGet()), "2024-12-28 00:00:00");
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_DOWN);
    EXPECT_EQ(text(mfcDateGet()), "2025-01-04 00:00:00");
    EXPECT_TRUE(commands().empty()); // the host hears only of OK and Cancel
}

TEST_F(DateDialog, WithoutATargetNobodyIsToldButTheDateChanges)
{
    ctMfcDate = day(2001, 1, 1);
    mfcDateSel dialog(parent());
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_EQ(text(mfcDateGet()), "2001-01-01 00:00:00"); // not changed by opening
    SYSTEMTIME st {};
    day(2024, 2, 29).GetAsSystemTime(st);
    ::SendDlgItemMessage(
        dialog.m_hWnd, IDC_MONTHCALENDAR1, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    press(dialog.m_hWnd, IDOK);
    EXPECT_EQ(text(mfcDateGet()), "2024-02-29 00:00:00");
    press(dialog.m_hWnd, IDCANCEL);
    EXPECT_EQ(text(mfcDateGet()), "zero");
    EXPECT_TRUE(commands().empty());
    EXPECT_TRUE(wintest::recordedFor(parentWindow, WM_COMMAND).empty());
}

TEST_F(DateDialog, TwoDialogsShareTheDateAndTheLastChangeWins)
{
    mfcDateSel first(parent(), target, day(2025, 5, 1));
    mfcDateSel second(parent(), target, day(2025, 6, 10));
    EXPECT_EQ(text(mfcDateGet()), "2025-06-10 00:00:00");
    key(first.m_hWnd, IDC_MONTHCALENDAR1, VK_RIGHT);
    EXPECT_EQ(text(mfcDateGet()), "2025-05-02 00:00:00");
    press(second.m_hWnd, IDOK);
    EXPECT_EQ(text(mfcDateGet()), "2025-06-10 00:00:00");
    std::vector<wintest::Message> got = commands();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(got[0].lParam), ::GetDlgItem(second.m_hWnd, IDOK));
}

TEST_F(DateDialog, TabFollowsTheTemplateOrder)
{
    mfcDateSel dialog(parent(), target, day(2025, 3, 14));
    HWND calendar = ::GetDlgItem(dialog.m_hWnd, IDC_MONTHCALENDAR1);
    ::SetFocus(calendar);
    std::vector<int> order;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(winport::testing::PressKey(::GetFocus(), VK_TAB));
        order.push_back(::GetDlgCtrlID(::GetFocus()));
    }
    EXPECT_EQ(order, (std::vector<int> { IDOK, IDCANCEL, IDC_MONTHCALENDAR1 }));
}

TEST_F(DateDialog, AMissingTemplateLeavesNoWindow)
{
    ctMfcDate = day(2001, 1, 1);
    MissingTemplateDateSel dialog(parent());
    EXPECT_FALSE(dialog.created);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(text(mfcDateGet()), "2001-01-01 00:00:00");
}
