// The settings page: what it shows from the profile, what it saves when the page is left, the
// clamped log size and decimal places, the font request switch, and the change-database flow
// with its message boxes, and the settings the report view takes from the page.
#include "sqlbookhost.h"

#include "app/tessilo.h"
#include "dialogs/mfcdatesel.h"
#include "resources/resource.h"
#include "views/bookrichedit.h"

#include <cstring>

namespace {

std::string profile(const char* key)
{
    return TessiloApp.getProfileString(key, "<none>").GetString();
}

} // namespace

class SqlSettings : public SqlBookTest {
protected:
    void SetUp() override
    {
        SqlBookTest::SetUp();
        ASSERT_EQ(bk().bookToPage(2), 0);
    }
    void leavePage() { ASSERT_EQ(bk().bookToPage(0), 0); }
    void typeLogSize(const char* text)
    {
        ::SetDlgItemText(settings(), IDC_SQLSET_LOGSIZEMB, text);
        ::SendMessage(settings(), WM_COMMAND, MAKEWPARAM(IDC_SQLSET_LOGSIZEMB, EN_CHANGE),
            reinterpret_cast<LPARAM>(::GetDlgItem(settings(), IDC_SQLSET_LOGSIZEMB)));
    }
    bool checked(int id) { return ::IsDlgButtonChecked(settings(), id) == BST_CHECKED; }
};

TEST_F(SqlSettings, ShowsTheDefaultsAndTheConnectString)
{
    EXPECT_TRUE(::IsWindowVisible(settings()));
    EXPECT_EQ(dialogText(IDC_SQLSET_CONNECTSTR), bk().GetODBCConnectStr().GetString());
    EXPECT_EQ(dialogText(IDC_SQLSET_LETTERHEAD), "LetterHead");
    EXPECT_EQ(dialogText(IDC_SQLSET_DECIMALPLACES), "2");
    EXPECT_EQ(dialogText(IDC_SQLSET_TITLETOTALCHAR), "-");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEMB), "1");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEBYTES), "1048576");
    EXPECT_TRUE(checked(IDC_SQLSET_ALIGNCENTER));
    EXPECT_TRUE(checked(IDC_SQLSET_USETITLES) && checked(IDC_SQLSET_USETOTALS));
    EXPECT_TRUE(checked(IDC_SQLSET_SNAPWEEK) && checked(IDC_SQLSET_SNAPYEAR));
    EXPECT_FALSE(checked(IDC_SQLSET_USELETTERHEAD));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(settings(), IDC_SQLSET_FONTREQUEST)));
}

// Leaving the page saves without a button press; the next start shows the same values.
TEST_F(SqlSettings, LeavingThePageSavesAndTheNextStartReadsBack)
{
    ::SetDlgItemText(settings(), IDC_SQLSET_LETTERHEAD, "Rivanta\r\nNorth Office");
    ::SetDlgItemText(settings(), IDC_SQLSET_DECIMALPLACES, "0");
    ::SetDlgItemText(settings(), IDC_SQLSET_TITLETOTALCHAR, "=");
    setBox(IDC_SQLSET_USEHEADERS, true);
    setBox(IDC_SQLSET_USETOTALS, false);
    ::SendDlgItemMessage(settings(), IDC_SQLSET_ALIGNCENTER, BM_SETCHECK, BST_UNCHECKED, 0);
    setBox(IDC_SQLSET_ALIGNRIGHT, true);
    typeLogSize("3");
    leavePage();
    EXPECT_EQ(profile("LetterHead"), "Rivanta\xFF\xFENorth Office");
    EXPECT_EQ(profile("DecimalPlaces"), "2");
    EXPECT_EQ(profile("TitleTotalChar"), "=");
    EXPECT_EQ(profile("UseHeaders"), "1");
    EXPECT_EQ(profile("UseTotals"), "0");
    EXPECT_EQ(profile("AlignHeader"), "2");
    EXPECT_EQ(profile("logfilesizeMB"), "3145728");
    EXPECT_EQ(profile("ConnectStr"), bk().GetODBCConnectStr().GetString());
    EXPECT_EQ(bk().bookGetLogSize(), 3145728);

    open();
    ASSERT_EQ(bk().bookToPage(2), 0);
    EXPECT_EQ(dialogText(IDC_SQLSET_LETTERHEAD), "Rivanta\r\nNorth Office");
    EXPECT_EQ(dialogText(IDC_SQLSET_DECIMALPLACES), "2");
    EXPECT_EQ(dialogText(IDC_SQLSET_TITLETOTALCHAR), "=");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEMB), "3");
    EXPECT_TRUE(checked(IDC_SQLSET_USEHEADERS));
    EXPECT_FALSE(checked(IDC_SQLSET_USETOTALS));
    EXPECT_TRUE(checked(IDC_SQLSET_ALIGNRIGHT));
    EXPECT_FALSE(checked(IDC_SQLSET_ALIGNCENTER));
}

TEST_F(SqlSettings, LogSizeIsClampedToOneToFiveMegabytes)
{
    typeLogSize("9");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEMB), "5");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEBYTES), "5242880");
    typeLogSize("");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEMB), "1");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEBYTES), "1048576");
    typeLogSize("0");
    EXPECT_EQ(dialogText(IDC_SQLSET_LOGSIZEMB), "1");
}

TEST_F(SqlSettings, FontRequestSwitchesTakeEffectAtOnce)
{
    setBox(IDC_SQLSET_FONTREQUESTUSE, true);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(settings(), IDC_SQLSET_FONTREQUEST)));
    EXPECT_EQ(profile("FontRequestUse"), "1");
    setBox(IDC_SQLSET_FONTREQUESTUSE, false);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(settings(), IDC_SQLSET_FONTREQUEST)));
    EXPECT_EQ(profile("FontRequestUse"), "0");
    setBox(IDC_SQLSET_SCALEORDERS, true);
    EXPECT_EQ(profile("ScaleOrders"), "1");
}

TEST_F(SqlSettings, ChosenLetterheadFontIsShownAndStored)
{
    LOGFONTA font {};
    std::strcpy(font.lfFaceName, "Liberation Sans");
    font.lfWeight = FW_BOLD;
    winport::testing::ScriptFontDialog(font, 140);
    clickSettings(IDC_SQLSET_CHANGEFONT);
    EXPECT_EQ(dialogText(IDC_SQLSET_FONTNAME), "14 Point - Liberation Sans");
    EXPECT_EQ(profile("LetterHeadFont"), "14 Point - Liberation Sans");
    EXPECT_EQ(profile("LetterHeadFontLogPitch"), "14");
    LOGFONTA stored {};
    ASSERT_TRUE(TessiloApp.getPrivateProfileStruct("LetterHeadFontLog", &stored, sizeof stored));
    EXPECT_STREQ(stored.lfFaceName, "Liberation Sans");
    EXPECT_EQ(stored.lfWeight, FW_BOLD);
}

TEST_F(SqlSettings, ChangeDatabaseAnsweredNoChangesNothing)
{
    std::string before = bk().GetODBCConnectStr().GetString();
    winport::testing::ScriptMessageBox(IDNO);
    clickSettings(IDC_SQLSET_DATABASE);
    auto calls = winport::testing::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].caption, "WARNING : Changing Database.");
    // The question warns before it asks, and recommends the answer given here.
    const std::string& text = calls[0].text;
    EXPECT_LT(text.find("NOT A SAFE METHOD"), text.rfind("Proceed ?")) << text;
    EXPECT_NE(text.find("( Recommend 'No' )"), std::string::npos) << text;
    EXPECT_EQ(calls[0].type & 0xF, UINT(MB_YESNO));
    EXPECT_EQ(bk().GetODBCConnectStr().GetString(), before);
}

TEST_F(SqlSettings, ChangeDatabaseAnsweredYesReconnectsFromTheProfile)
{
    winport::testing::ScriptMessageBox(IDYES);
    clickSettings(IDC_SQLSET_DATABASE);
    EXPECT_EQ(winport::testing::MessageBoxCalls().size(), 1u);
    EXPECT_EQ(profile("ConnectStr"), bk().GetODBCConnectStr().GetString());
    EXPECT_EQ(dialogText(IDC_SQLSET_CONNECTSTR), bk().GetODBCConnectStr().GetString());
    execute("SELECT COUNT(*) AS Meters FROM Meters;");
    EXPECT_NE(resultText().find("Meters"), std::string::npos) << resultText();
}

// A profile naming a database that does not answer: both messages, and the book goes on with
// the connection it had.
TEST_F(SqlSettings, ChangeDatabaseThatFailsFallsBackToTheKeptConnection)
{
    std::string before = bk().GetODBCConnectStr().GetString();
    std::string stored = profile("ConnectStr");
    TessiloApp.writeProfileString("ConnectStr", "DRIVER={No Such Driver};");
    winport::testing::ScriptMessageBox(IDYES);
    winport::testing::ScriptMessageBox(IDOK);
    clickSettings(IDC_SQLSET_DATABASE);
    auto calls = winport::testing::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].caption, "Change Database failed");
    EXPECT_EQ(calls[1].text,
        "Change Database failed.\n\nReCheck ODBC Settings.\n\nResetting Back to Original "
        "Database.\n");
    EXPECT_EQ(bk().GetODBCConnectStr().GetString(), before);
    EXPECT_EQ(dialogText(IDC_SQLSET_CONNECTSTR), before);
    TessiloApp.writeProfileString("ConnectStr", stored.c_str());
    execute("SELECT COUNT(*) AS Meters FROM Meters;");
    EXPECT_NE(resultText().find("Meters"), std::string::npos) << resultText();
}

// Checking a snap-to box asks for its day; OK stores the day and keeps the box checked, Cancel
// switches the snap-to off.
TEST_F(SqlSettings, SnapToDayComesFromTheDateSelection)
{
    setBox(IDC_SQLSET_SNAPMONTH, false);
    EXPECT_EQ(profile("WaterMonthMenu"), "0");
    setBox(IDC_SQLSET_SNAPMONTH, true);
    BookPageSQLSet* page = bk().bookSQLGetSettingsPage();
    ASSERT_NE(page->PageSetGetDateSel(), nullptr);
    EXPECT_EQ(page->PageSetGetDateKind(), 2);
    HWND date = page->PageSetGetDateSel()->GetSafeHwnd();
    ::SendMessage(date, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    winport::testing::PumpEvents(20);
    EXPECT_EQ(page->PageSetGetDateSel(), nullptr);
    EXPECT_EQ(page->PageSetGetDateKind(), -1);
    EXPECT_EQ(profile("WaterMonthDay"), std::to_string(mfcDateGet().GetDay()));
    EXPECT_EQ(profile("WaterMonthMenu"), "1");
    EXPECT_TRUE(checked(IDC_SQLSET_SNAPMONTH));

    setBox(IDC_SQLSET_SNAPYEAR, false);
    setBox(IDC_SQLSET_SNAPYEAR, true);
    ASSERT_NE(page->PageSetGetDateSel(), nullptr);
    ::SendMessage(
        page->PageSetGetDateSel()->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    winport::testing::PumpEvents(20);
    EXPECT_EQ(page->PageSetGetDateSel(), nullptr);
    EXPECT_EQ(profile("WaterYearMenu"), "0");
    EXPECT_FALSE(checked(IDC_SQLSET_SNAPYEAR));
}

// With the font request available but off, a stored report font is used without a dialog.
TEST_F(SqlSettings, StoredReportFontIsUsedWithoutAskingWhenTheRequestIsOff)
{
    LOGFONTA font {};
    std::strcpy(font.lfFaceName, "Liberation Serif");
    ASSERT_TRUE(
        TessiloApp.writePrivateProfileStruct("FontRequestLetterHeadFontLog", &font, sizeof font));
    TessiloApp.writeProfileString("FontRequestLetterHeadFontLogPitch", "12");
    setBox(IDC_SQLSET_FONTREQUESTUSE, true);
    setBox(IDC_SQLSET_FONTREQUEST, false);
    execute("SELECT COUNT(*) AS Meters FROM Meters;");
    bookRichEdit* view = result().PageRsltGetRichEdit();
    ASSERT_NE(view, nullptr);
    LOGFONTA shown {};
    ASSERT_NE(view->GetFont(), nullptr);
    view->GetFont()->GetLogFont(&shown);
    EXPECT_STREQ(shown.lfFaceName, "Liberation Serif");
    TessiloApp.writeProfileString("FontRequestUse", "0");
}

// What the settings page shows reaches the report view when the result page makes it, and again
// when the page copies the settings; the view gets the report options of the page.
TEST_F(SqlSettings, ReportViewTakesTheShownSettingsAndTheReportOptions)
{
    setBox(IDC_SQLSET_USEHEADERS, true);
    setBox(IDC_SQLSET_USEFOOTERS, false);
    setBox(IDC_SQLSET_USELETTERHEAD, true);
    setBox(IDC_SQLSET_ALIGNLEFT, false);
    setBox(IDC_SQLSET_ALIGNCENTER, false);
    setBox(IDC_SQLSET_ALIGNRIGHT, true);
    ::SetDlgItemText(settings(), IDC_SQLSET_DECIMALPLACES, "3");
    execute("SELECT COUNT(*) AS Meters FROM Meters;");
    bookRichEdit* view = result().PageRsltGetRichEdit();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->bookEditGetHeaders(), 1);
    EXPECT_EQ(view->bookEditGetFooters(), 0);
    EXPECT_EQ(view->bookEditGetLetterHead(), 1);
    EXPECT_EQ(view->bookEditGetLetterHeadAlign(), 2);
    EXPECT_EQ(view->bookEditGetDecimalPlaces(), 3u);
    unsigned int align = 0;
    result().bookpageSupplyAlignment(&align);
    EXPECT_EQ(align, 2u);
    const UINT options
        = ECO_AUTOWORDSELECTION | ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_WANTRETURN | ECO_SAVESEL;
    EXPECT_EQ(view->GetRichEditCtrl().GetOptions() & options, options);
    EXPECT_EQ(view->GetRichEditCtrl().GetOptions() & ECO_READONLY, 0u);

    ASSERT_EQ(bk().bookToPage(2), 0);
    setBox(IDC_SQLSET_USEHEADERS, false);
    setBox(IDC_SQLSET_USEFOOTERS, true);
    ::SetDlgItemText(settings(), IDC_SQLSET_DECIMALPLACES, "x");
    result().bookpageSetSettings();
    EXPECT_EQ(view->bookEditGetHeaders(), 0);
    EXPECT_EQ(view->bookEditGetFooters(), 1);
    EXPECT_EQ(view->bookEditGetDecimalPlaces(), 2u) << "not a number: 2";
}
