// The control frame: placement, caption and the layout of view and buttons as the frame is sized
// and moved; the reset switch for each kind of view; frames and views with nothing to run.
#include "framehost.h"
#include "report/sqlexec.h"
#include "sqlpages/sqledit.h"
#include "sqlpages/sqllist.h"

#include <string>

namespace {

CRect childRect(CWnd& frame, int id)
{
    CRect rect;
    frame.GetDlgItem(id)->GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    return rect;
}

// What the view shows: the text of the edit kinds, the cells of the list row by row.
std::string shownBy(MfcControlSQL& frame)
{
    if (SQLList* list = frame.GetList()) {
        CListCtrl& control = list->GetListCtrl();
        std::string text;
        for (int row = 0; row < control.GetItemCount(); ++row) {
            for (int column = 0; column < list->bookListGetColumnCount(); ++column)
                text += std::string(control.GetItemText(row, column).GetString()) + "|";
            text += "\n";
        }
        return text;
    }
    CString text;
    frame.GetView()->GetWindowText(text);
    return text.GetString();
}

TEST_F(FrameHost, PlacementCaptionAndLayoutFollowTheFrame)
{
    RECT place { 20, 30, 520, 430 };
    MfcControlSQL frame(&host, MFCCONTROLSQL_LIST, "Meters", &place, 1, nullptr);
    ASSERT_NE(frame.GetList(), nullptr);
    CString caption;
    frame.GetWindowText(caption);
    EXPECT_STREQ(caption, "Meters");
    EXPECT_TRUE(frame.IsWindowVisible());
    CRect window;
    frame.GetWindowRect(&window);
    host.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(place));
    EXPECT_EQ(frame.GetDlgItem(MFCCONTROLSQL_VIEW_ID)->m_hWnd, frame.GetList()->m_hWnd);
    EXPECT_TRUE(frame.GetList()->IsWindowVisible());
    EXPECT_EQ(frame.GetClosingState(), 2);
    EXPECT_EQ(frame.GetSelectedRow(), -1);

    auto expectLayout = [&](const char* when) {
        CRect client;
        frame.GetClientRect(&client);
        CRect ok = childRect(frame, IDOK);
        CRect done = childRect(frame, IDCANCEL);
        const int w = ok.Width();
        const int h = ok.Height();
        EXPECT_GT(w, 0) << when;
        EXPECT_EQ(done.Size(), ok.Size()) << when;
        EXPECT_EQ(ok.TopLeft(), CPoint(client.right - (2 * w + 10), client.bottom - (h + 10)))
            << when;
        EXPECT_EQ(done.TopLeft(), CPoint(client.right - (w + 5), client.bottom - (h + 10))) << when;
        EXPECT_TRUE(frame.GetDlgItem(IDOK)->IsWindowVisible()) << when;
        EXPECT_EQ(childRect(frame, MFCCONTROLSQL_VIEW_ID),
            CRect(5, 10, client.right - 10, client.bottom - (2 * h + 10)))
            << when;
    };
    expectLayout("placed");

    frame.SetWindowPos(nullptr, 0, 0, 360, 280, SWP_NOMOVE | SWP_NOZORDER);
    expectLayout("sized");
    EXPECT_EQ(CRect(frame.GetList()->GetLastWindowRect()), childRect(frame, MFCCONTROLSQL_VIEW_ID));

    frame.SetWindowPos(nullptr, 70, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame.GetWindowRect(&window);
    EXPECT_EQ(CRect(frame.GetList()->GetLastWindowRect()), window);

    MfcControlSQL unplaced(&host, MFCCONTROLSQL_EDIT, "Hidden", nullptr, 1, nullptr);
    EXPECT_NE(unplaced.GetEdit(), nullptr);
    EXPECT_FALSE(unplaced.IsWindowVisible());
}

TEST_F(FrameHost, ResetSwitchDecidesWhetherRunsAccumulate)
{
    RECT place { 0, 0, 600, 400 };
    for (long kind : { MFCCONTROLSQL_EDIT, MFCCONTROLSQL_RICHEDIT, MFCCONTROLSQL_LIST }) {
        MfcControlSQL frame(&host, kind, "Run", &place, 1, nullptr);
        ASSERT_NE(frame.GetView(), nullptr) << kind;
        ASSERT_EQ(frame.cfCreate(), 0) << kind;
        frame.GetSQLExec()->MfcSQLWantDate(0);
        frame.SetSQL("SELECT name, qty FROM m WHERE name = 'ash'");
        EXPECT_EQ(frame.SQLExecute(), 0) << kind;
        frame.SetSQL("SELECT name, qty FROM m WHERE name = 'birch'");
        EXPECT_EQ(frame.SQLExecute(), 0) << kind;
        const std::string second = shownBy(frame);
        EXPECT_EQ(second.find("ash"), std::string::npos) << kind << second;
        EXPECT_NE(second.find("birch"), std::string::npos) << kind << second;

        // The report writer rebuilds a list for every result set, reset switch or not.
        if (kind == MFCCONTROLSQL_LIST)
            continue;
        frame.SQLSetReset(0);
        frame.SetSQL("SELECT name, qty FROM m WHERE name = 'cedar'");
        EXPECT_EQ(frame.SQLExecute(), 0) << kind;
        const std::string both = shownBy(frame);
        EXPECT_EQ(both.rfind(second, 0), 0u) << kind << both;
        EXPECT_NE(both.find("cedar", second.size()), std::string::npos) << kind << both;
    }
}

TEST_F(FrameHost, FramesAndViewsWithNothingToRunDoNothing)
{
    MfcControlSQL bare(&host);
    EXPECT_EQ(bare.GetSafeHwnd(), nullptr);
    EXPECT_EQ(bare.SQLExecute(), 0);
    EXPECT_EQ(bare.GetSQLExec(), nullptr);

    MfcControlSQL unknown(&host, 9, "Unknown", nullptr, 1, nullptr);
    EXPECT_NE(unknown.GetSafeHwnd(), nullptr);
    EXPECT_EQ(unknown.cfCreate(), static_cast<long>(E_FAIL));
    EXPECT_EQ(unknown.GetView(), nullptr);
    EXPECT_EQ(unknown.SQLExecute(), 0);

    RECT place { 0, 0, 600, 400 };
    MfcControlSQL frame(&host, MFCCONTROLSQL_EDIT, "Empty", &place, 1, nullptr);
    ASSERT_NE(frame.GetEdit(), nullptr);
    EXPECT_EQ(frame.GetEdit()->SQLExecute(), static_cast<long>(E_UNEXPECTED));
    EXPECT_EQ(frame.SQLExecute(""), 0);
    EXPECT_EQ(shownBy(frame), "");

    // A new executor takes the old one's place as the view's writer.
    long result = 0;
    auto* executor = new cfSQLExecSQL(&result);
    ASSERT_EQ(result, 0);
    frame.SetSQLExec(executor);
    EXPECT_EQ(frame.GetSQLExec(), executor);
    EXPECT_EQ(frame.SQLExecute("SELECT name FROM m WHERE qty = 300"), 0);
    EXPECT_NE(shownBy(frame).find("cedar"), std::string::npos);
}

TEST_F(FrameHost, ViewsReportAnExecutorThatCannotConnect)
{
    WriteProfileStringA("tessilo40", "ConnectStr", "DRIVER={No Such Driver};DBQ=nowhere.mdb");
    MfcControlSQL frame(&host);
    EXPECT_NE(frame.cfCreate(), 0);
    ASSERT_NE(frame.GetEdit(), nullptr);
    EXPECT_EQ(frame.SQLExecute("SELECT 1"), 0);
    EXPECT_EQ(shownBy(frame), "");
}

} // namespace
