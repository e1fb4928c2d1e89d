// The threshold dialog, run modally inside its constructor: the default, typed and set texts,
// Cancel, an empty field that keeps the dialog open, and a missing template.
#include "dialoghost.h"

#include <cmath>
#include <functional>

using namespace dialogtest;

namespace {

class ThresholdDialog : public DialogHost { };

class MissingTemplateThreshold : public mfcInvThreshold {
public:
    explicit MissingTemplateThreshold(CWnd* parent)
        : mfcInvThreshold(9999, parent)
    {
    }
};

// What the "user" does once the dialog is up, and the threshold that results.
struct ThresholdCase {
    const char* name;
    std::function<void(HWND)> act;
    double threshold;
};

void setAndPress(HWND dialog, const char* text, int button)
{
    ::SetDlgItemTextA(dialog, IDC_EDIT_THRESHOLD, text);
    press(dialog, button);
}

} // namespace

TEST_F(ThresholdDialog, OpensWithTenInTheFocusedField)
{
    std::string caption, field;
    bool focused = false;
    winport::testing::ScriptModalDialog([&](HWND d) {
        char title[64] = {};
        ::GetWindowTextA(d, title, sizeof title);
        caption = title;
        field = itemText(d, IDC_EDIT_THRESHOLD);
        focused = ::GetFocus() == ::GetDlgItem(d, IDC_EDIT_THRESHOLD);
        key(d, IDC_EDIT_THRESHOLD, VK_RETURN);
    });
    mfcInvThreshold dialog(parent());
    EXPECT_EQ(caption, "Inventory Threshold %");
    EXPECT_EQ(field, "10");
    EXPECT_TRUE(focused);
    EXPECT_DOUBLE_EQ(dialog.dThreshold, 10.0);
    EXPECT_EQ(dialog.m_hWnd, nullptr); // the dialog has ended
}

TEST_F(ThresholdDialog, TheThresholdIsTheLeadingNumberOfTheFieldOrZeroAfterCancel)
{
    const ThresholdCase cases[] = {
        { "typed 25",
            [](HWND d) {
                // The default is selected: typing replaces it, and only digits are taken.
                HWND edit = ::GetDlgItem(d, IDC_EDIT_THRESHOLD);
                ASSERT_TRUE(winport::testing::TypeText(edit, "2a5"));
                key(d, IDC_EDIT_THRESHOLD, VK_RETURN);
            },
            25.0 },
        { "cancel", [](HWND d) { key(d, IDC_EDIT_THRESHOLD, VK_ESCAPE); }, 0.0 },
        { "cancel after typing", [](HWND d) { setAndPress(d, "50", IDCANCEL); }, 0.0 },
        { "abc", [](HWND d) { setAndPress(d, "abc", IDOK); }, 0.0 },
        { "-5", [](HWND d) { setAndPress(d, "-5", IDOK); }, -5.0 },
        { "150", [](HWND d) { setAndPress(d, "150", IDOK); }, 150.0 },
        { "12.5%", [](HWND d) { setAndPress(d, "12.5%", IDOK); }, 12.5 },
        { "1e400", [](HWND d) { setAndPress(d, "1e400", IDOK); }, HUGE_VAL },
    };
    for (const ThresholdCase& c : cases) {
        winport::testing::ScriptModalDialog(c.act);
        mfcInvThreshold dialog(parent());
        EXPECT_EQ(dialog.dThreshold, c.threshold) << c.name;
    }
    EXPECT_EQ(winport::testing::UnusedScripts(), 0);
}

TEST_F(ThresholdDialog, OkWithAnEmptyFieldKeepsTheDialogOpen)
{
    bool openAfterEmptyOk = false;
    winport::testing::ScriptModalDialog([&](HWND d) {
        setAndPress(d, "", IDOK);
        openAfterEmptyOk = ::IsWindowVisible(d);
        HWND edit = ::GetDlgItem(d, IDC_EDIT_THRESHOLD);
        ASSERT_TRUE(winport::testing::TypeText(edit, "7"));
        press(d, IDOK);
    });
    mfcInvThreshold dialog(parent());
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_DOUBLE_EQ(dialog.dThreshold, 7.0);
}

TEST_F(ThresholdDialog, AMissingTemplateShowsNothingAndKeepsTen)
{
    MissingTemplateThreshold dialog(parent());
    EXPECT_DOUBLE_EQ(dialog.dThreshold, 10.0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}
