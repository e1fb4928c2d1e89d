// The meter reading dialog: its fields after opening, Calculate and OK on good and bad reading
// texts, Cancel, the starting reading's check box, the calendar, and derived dialogs.
#include "dialoghost.h"

#include <string>

using namespace dialogtest;

namespace {

class MeterDialog : public DialogHost {
protected:
    std::vector<std::string> readers()
    {
        return { std::string(mfcMeterReadingGet()), std::string(mfcMeterReadingLastGet()),
            std::string(mfcMeterReadingVolumeGet()) };
    }
    bool enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
};

using Readers = std::vector<std::string>;

// A derived dialog that adds its own initialisation, or tries a missing template.
class DerivedMeterDialog : public mfcDateSelMeterReading {
public:
    DerivedMeterDialog(CWnd* parent, UINT templateId)
        : mfcDateSelMeterReading(static_cast<HWND>(nullptr))
    {
        created = mfcMeterCreate(templateId, parent, nullptr);
    }
    BOOL created = FALSE;
    int finished = 0;

protected:
    BOOL OnInitDialogFinish() override
    {
        ++finished;
        SetDlgItemText(IDC_EDIT_CURRENTMETERREADING, "42");
        return TRUE;
    }
};

} // namespace

TEST_F(MeterDialog, OpensWithZeroReadingsTheGivenDateAndTheStartingReadingEditable)
{
    cstrMfcMeterReadingVolume = "9";
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
    HWND d = dialog.m_hWnd;
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(dialog.IsWindowVisible());
    CString caption;
    dialog.GetWindowText(caption);
    EXPECT_STREQ(caption, "Set Meter Vitals");
    EXPECT_EQ(readers(), (Readers { "0.0000", "0.0000", "0.0000" }));
    for (int id :
        { IDC_EDIT_CURRENTMETERREADING, IDC_EDIT_STARTMETERREADING, IDC_EDIT_STARTUOMVOLUME })
        EXPECT_EQ(itemText(d, id), "0.0000") << id;
    EXPECT_TRUE(
        ::GetWindowLongPtr(::GetDlgItem(d, IDC_EDIT_CURRENTMETERREADING), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(
        ::GetWindowLongPtr(::GetDlgItem(d, IDC_EDIT_STARTUOMVOLUME), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(::IsDlgButtonChecked(d, IDC_CHECK_EDITSTARTMETERREADING), BST_CHECKED);
    EXPECT_TRUE(enabled(d, IDC_EDIT_STARTMETERREADING));
    EXPECT_EQ(text(mfcDateGetMeterReading()), "2025-07-04 00:00:00");
    EXPECT_EQ(calendarDay(d, MCM_GETCURSEL), "2025-07-04 00:00:00");
    EXPECT_EQ(calendarDay(d, MCM_GETTODAY), "2025-07-04 00:00:00");
}

// Calculate: the starting text the user left in 1040, what Calculate keeps and shows there, and
// the volume. The previous starting reading is "20".
struct CalcCase {
    const char* name;
    std::string typed;
    std::string kept;
    std::string volume;
};

TEST_F(MeterDialog, CalculateKeepsDigitsPointsAndMinusAndPutsBackTheLastValidText)
{
    const std::string ones(300, '1');
    const CalcCase cases[] = {
        { "plain", "100", "100", "20.5000" }, { "empty", "", "0.0000", "120.5000" },
        { "minus", "-5", "-5", "125.5000" }, { "several points", "100.2.5", "100.2.5", "20.3000" },
        { "letters", "1x0", "20", "100.5000" }, { "exponent", "1e2", "20", "100.5000" },
        { "300 digits", ones, ones.substr(0, 255), "" }, // volume checked below
    };
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
    HWND d = dialog.m_hWnd;
    dialog.mfcMeterReadingSet("120.5");
    EXPECT_EQ(itemText(d, IDC_EDIT_CURRENTMETERREADING), "120.5");
    // The volume getter gives the variable, which only Calculate (or OK) computes from the fields.
    ::SetDlgItemTextA(d, IDC_EDIT_STARTMETERREADING, "100");
    EXPECT_DOUBLE_EQ(dialog.mfcMeterReadingCalcVolumeGet(), 120.5);
    for (const CalcCase& c : cases) {
        dialog.mfcMeterReadingLastSet("20");
        ::SetDlgItemTextA(d, IDC_EDIT_STARTMETERREADING, c.typed.c_str());
        press(d, IDC_BUTTON_CALC);
        EXPECT_EQ(std::string(mfcMeterReadingLastGet()), c.kept) << c.name;
        EXPECT_EQ(itemText(d, IDC_EDIT_STARTMETERREADING), c.kept) << c.name;
        std::string volume(mfcMeterReadingVolumeGet());
        if (!c.volume.empty()) {
            EXPECT_EQ(volume, c.volume) << c.name;
        } else {
            // 120.5 minus 255 ones: the leading digits of the double and all 255 integer digits.
            EXPECT_EQ(volume.substr(0, 16), "-" + ones.substr(0, 15)) << c.name;
            EXPECT_EQ(volume.size(), 1 + 255 + 5u) << c.name;
        }
        EXPECT_EQ(itemText(d, IDC_EDIT_STARTUOMVOLUME), std::string(mfcMeterReadingVolumeGet()))
            << c.name;
        if (c.name == std::string("plain")) {
            EXPECT_DOUBLE_EQ(dialog.mfcMeterReadingCalcVolumeGet(), 20.5);
        }
    }
    EXPECT_TRUE(commands().empty());
}

// OK: the current and starting readings, whether the host is told, and what the readers give.
struct OkCase {
    const char* name;
    const char* current;
    const char* start;
    bool told;
    Readers after;
};

TEST_F(MeterDialog, OkTellsTheHostOnlyAboutReadingsOfDigitsAndPoints)
{
    const OkCase cases[] = {
        { "valid", "120.5", "100", true, { "120.5", "100", "20.5000" } },
        { "empty start", "7", "", true, { "7", "0.0000", "7.0000" } },
        { "negative start", "120.5", "-5", false, { "120.5", "-5", "125.5000" } },
        { "negative volume", "100", "120.5", false, { "100", "120.5", "-20.5000" } },
        { "empty current", "", "1", false, { "0.0000", "1", "-1.0000" } },
        { "letters in current", "12x", "1", false, { "12x", "1", "11.0000" } },
    };
    for (const OkCase& c : cases) {
        mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
        HWND d = dialog.m_hWnd;
        dialog.mfcMeterReadingSet(c.current);
        ::SetDlgItemTextA(d, IDC_EDIT_STARTMETERREADING, c.start);
        wintest::recorded().clear();
        key(d, IDC_EDIT_STARTMETERREADING, VK_RETURN);
        EXPECT_TRUE(dialog.bConfirmed) << c.name;
        EXPECT_TRUE(dialog.IsWindowVisible()) << c.name;
        EXPECT_EQ(readers(), c.after) << c.name;
        std::vector<wintest::Message> got = commands();
        ASSERT_EQ(got.size(), c.told ? 1u : 0u) << c.name;
        if (c.told) {
            expectDone(got[0], ::GetDlgItem(d, IDOK));
        }
    }
}

TEST_F(MeterDialog, CancelResetsEverythingWithoutTellingTheHost)
{
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
    dialog.mfcMeterReadingSet("120.5");
    dialog.mfcMeterReadingLastSet("100");
    press(dialog.m_hWnd, IDC_BUTTON_CALC);
    key(dialog.m_hWnd, IDC_EDIT_STARTMETERREADING, VK_ESCAPE);
    EXPECT_FALSE(dialog.bConfirmed);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(text(mfcDateGetMeterReading()), "zero");
    EXPECT_EQ(readers(), (Readers { "0.0000", "0.0000", "0.0000" }));
    EXPECT_TRUE(commands().empty());
}

TEST_F(MeterDialog, TheCheckBoxControlsTheStartingReading)
{
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
    HWND d = dialog.m_hWnd;
    dialog.mfcMeterEnableLastMeterReading(FALSE);
    EXPECT_FALSE(enabled(d, IDC_EDIT_STARTMETERREADING));
    EXPECT_EQ(::IsDlgButtonChecked(d, IDC_CHECK_EDITSTARTMETERREADING), BST_UNCHECKED);

    // The user ticks it: 1040 is enabled, focused and its whole text selected.
    HWND check = ::GetDlgItem(d, IDC_CHECK_EDITSTARTMETERREADING);
    CRect box;
    ::GetClientRect(check, &box);
    ASSERT_TRUE(winport::testing::Click(check, 6, box.CenterPoint().y));
    winport::testing::PumpEvents(10);
    EXPECT_EQ(::IsDlgButtonChecked(d, IDC_CHECK_EDITSTARTMETERREADING), BST_CHECKED);
    HWND start = ::GetDlgItem(d, IDC_EDIT_STARTMETERREADING);
    EXPECT_TRUE(::IsWindowEnabled(start));
    EXPECT_EQ(::GetFocus(), start);
    DWORD from = 0, to = 0;
    ::SendMessage(start, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 6u);

    dialog.mfcMeterSetEditLastMeterReading(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(start));
}

TEST_F(MeterDialog, TabFollowsTheTemplateAndSelectsTheStartingReadingForTyping)
{
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 7, 4));
    HWND d = dialog.m_hWnd;
    dialog.mfcMeterReadingSet("120.5");
    HWND start = ::GetDlgItem(d, IDC_EDIT_STARTMETERREADING);
    ::SendMessage(start, EM_SETSEL, 6, 6); // the caret left at the end of "0.0000"
    ::SetFocus(::GetDlgItem(d, IDC_MONTHCALENDAR1));
    std::vector<int> order;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(winport::testing::PressKey(::GetFocus(), VK_TAB));
        order.push_back(::GetDlgCtrlID(::GetFocus()));
    }
    EXPECT_EQ(order,
        (std::vector<int> { IDC_EDIT_STARTMETERREADING, IDC_EDIT_CURRENTMETERREADING,
            IDC_EDIT_STARTUOMVOLUME, IDC_CHECK_EDITSTARTMETERREADING, IDC_BUTTON_CALC, IDOK,
            IDCANCEL, IDC_MONTHCALENDAR1 }));
    // From the calendar the user tabs to the starting reading and types over it.
    ::SendMessage(start, EM_SETSEL, 6, 6);
    key(d, IDC_MONTHCALENDAR1, VK_TAB);
    ASSERT_EQ(::GetFocus(), start);
    ASSERT_TRUE(winport::testing::TypeText(start, "100"));
    key(d, IDC_EDIT_STARTMETERREADING, VK_RETURN);
    EXPECT_EQ(readers(), (Readers { "120.5", "100", "20.5000" }));
    EXPECT_EQ(commands().size(), 1u);
}

TEST_F(MeterDialog, TheCalendarSetsTheReadingDateAndShowsNoBoldDays)
{
    mfcDateSelMeterReading dialog(parent(), target, day(2025, 3, 31));
    std::fill(std::begin(mdsMfcMeterReading), std::end(mdsMfcMeterReading), 0xFFFFFFFFu);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_NEXT);
    EXPECT_EQ(text(mfcDateGetMeterReading()), "2025-04-30 00:00:00");
    EXPECT_EQ(mdsMfcMeterReading[0] | mdsMfcMeterReading[1] | mdsMfcMeterReading[2], 0u);
    key(dialog.m_hWnd, IDC_MONTHCALENDAR1, VK_LEFT);
    EXPECT_EQ(text(mfcDateGetMeterReading()), "2025-04-29 00:00:00");
    EXPECT_TRUE(commands().empty());
}

TEST_F(MeterDialog, TwoDialogsShareTheReadings)
{
    mfcDateSelMeterReading first(parent(), target, day(2025, 7, 4));
    first.mfcMeterReadingSet("50");
    mfcDateSelMeterReading second(parent()); // opening resets the shared readings
    EXPECT_EQ(readers(), (Readers { "0.0000", "0.0000", "0.0000" }));
    second.mfcMeterReadingSet("80");
    press(first.m_hWnd, IDOK); // reads first's own fields
    EXPECT_EQ(readers(), (Readers { "50", "0.0000", "80.0000" }));
}

TEST_F(MeterDialog, DerivedDialogsFinishTheInitialisationOrHaveNoWindowWithoutATemplate)
{
    DerivedMeterDialog derived(parent(), IDD_MFCDATESELMETERREADING);
    ASSERT_TRUE(derived.created);
    EXPECT_EQ(derived.finished, 1);
    EXPECT_EQ(itemText(derived.m_hWnd, IDC_EDIT_CURRENTMETERREADING), "42");

    DerivedMeterDialog missing(parent(), 9999);
    EXPECT_FALSE(missing.created);
    EXPECT_EQ(missing.m_hWnd, nullptr);
    EXPECT_EQ(missing.finished, 0);
    missing.mfcMeterReadingSet("5"); // no window: the variable alone
    missing.mfcMeterEnableLastMeterReading(FALSE);
    EXPECT_EQ(std::string(mfcMeterReadingGet()), "5");
    EXPECT_EQ(std::string(mfcMeterReadingVolumeGet()), "0.0000");
    EXPECT_DOUBLE_EQ(missing.mfcMeterReadingCalcVolumeGet(), 5.0);
}
