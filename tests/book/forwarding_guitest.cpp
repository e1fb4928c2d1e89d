// Everything the host forwards to a book reaches the current page, and only it.
#include "pagehost.h"
#include <gtest/gtest.h>

#include <functional>

namespace {

class Forwarding : public PageHostTest { };

struct ForwardCase {
    const char* call;
    std::function<long(book&)> run;
    Calls expected;
    long result;
};

std::vector<ForwardCase> forwardCases()
{
    static MSG msg { nullptr, WM_KEYDOWN, 0, 0, 0, { 0, 0 } };
    static LOGFONTA logFont {};
    return {
        { "bookSize",
            [](book& b) {
                b.bookSize(0, 300, 200);
                return 0L;
            },
            { "A:Size(0,300,200)" }, 0 },
        { "bookMove",
            [](book& b) {
                b.bookMove(4, 5);
                return 0L;
            },
            { "A:Move(4,5)" }, 0 },
        { "bookCmdMsg", [](book& b) { return long(b.bookCmdMsg(32771, 0, nullptr, nullptr)); },
            { "A:CmdMsg(32771,0)" }, FALSE },
        { "bookPreTranslateMessage", [](book& b) { return long(b.bookPreTranslateMessage(&msg)); },
            { "A:PreTranslate(256)" }, TRUE },
        { "bookEditCopy", [](book& b) { return b.bookEditCopy(); }, { "A:EditCopy" }, 0 },
        { "bookEditCut", [](book& b) { return b.bookEditCut(); }, { "A:EditCut" }, 0 },
        { "bookEditPaste", [](book& b) { return b.bookEditPaste(); }, { "A:EditPaste" }, 0 },
        { "bookPrint", [](book& b) { return b.bookPrint(); }, { "A:Print" }, 0 },
        { "bookPrintPreview", [](book& b) { return b.bookPrintPreview(); }, { "A:PrintPreview" },
            0 },
        { "bookSetFont(window,logfont)",
            [](book& b) { return b.bookSetFont(b.GetSafeHwnd(), &logFont); },
            { "A:SetFont(window,logfont)" }, 0 },
        { "bookSetFont(window)", [](book& b) { return b.bookSetFont(b.GetSafeHwnd()); },
            { "A:SetFont(window)" }, 0 },
        { "bookFileOpen", [](book& b) { return b.bookFileOpen(); }, { "A:FileOpen" }, 0 },
        { "bookFileSave", [](book& b) { return b.bookFileSave(); }, { "A:FileSave" }, 0 },
        { "MouseRButtonDown",
            [](book& b) {
                b.MouseRButtonDown(HTCLIENT, CPoint(10, 20));
                return 0L;
            },
            { "A:MouseRButtonDown" }, 0 },
    };
}

} // namespace

TEST_F(Forwarding, EveryOperationReachesOnlyTheCurrentPage)
{
    RecordingPage& a = addPage("A", 0);
    addPage("B", 1);
    a.editResult = E_FAIL; // the book does not pass the page's status back
    bk().bookToPage(0);
    for (const ForwardCase& c : forwardCases()) {
        calls.clear();
        EXPECT_EQ(c.run(bk()), c.result) << c.call;
        EXPECT_EQ(calls, c.expected) << c.call;
    }
}

TEST_F(Forwarding, NothingIsForwardedWithoutACurrentPage)
{
    addPage("A", 0);
    for (long current : { 5L, -1L, 25L }) {
        bk().bookSetPageCurrent(current);
        for (const ForwardCase& c : forwardCases()) {
            calls.clear();
            EXPECT_EQ(c.run(bk()), 0) << c.call << " at " << current;
            EXPECT_TRUE(calls.empty()) << c.call << " at " << current;
        }
    }
}

TEST_F(Forwarding, CommandsRouteThroughTheCurrentPageFirst)
{
    RecordingPage& a = currentPage("A", 0);
    a.cmdMsgResult = TRUE;
    EXPECT_TRUE(bk().OnCmdMsg(32772, 0, nullptr, nullptr));
    EXPECT_EQ(calls, (Calls { "A:CmdMsg(32772,0)" }));
    a.cmdMsgResult = FALSE;
    EXPECT_FALSE(bk().OnCmdMsg(32773, 0, nullptr, nullptr));
}

TEST_F(Forwarding, NotificationsGoToTheCurrentPage)
{
    RecordingPage& a = currentPage("A", 0);
    NMHDR header { bk().GetSafeHwnd(), 5, NM_CLICK };
    LRESULT result = 0;
    a.notifyResult = TRUE;
    EXPECT_TRUE(bk().OnNotify(5, reinterpret_cast<LPARAM>(&header), &result));
    EXPECT_EQ(calls, (Calls { "A:DoNotify(5)" }));
    EXPECT_EQ(result, 77);

    bk().bookSetPageCurrent(3); // no page: the tab control's own handling answers
    calls.clear();
    EXPECT_FALSE(bk().OnNotify(5, reinterpret_cast<LPARAM>(&header), &result));
    EXPECT_TRUE(calls.empty());
}

TEST_F(Forwarding, TheBooksOwnPreTranslationLeavesThePageToTheHost)
{
    currentPage("A", 0);
    for (UINT message : { UINT(WM_KEYDOWN), UINT(WM_MOUSEHOVER), UINT(WM_MOUSELEAVE) }) {
        MSG msg { bk().GetSafeHwnd(), message, 0, 0, 0, { 0, 0 } };
        EXPECT_FALSE(bk().PreTranslateMessage(&msg)) << message;
    }
    EXPECT_TRUE(calls.empty()); // the host calls bookPreTranslateMessage itself
}

TEST_F(Forwarding, MessageBoxAnswersNeedARecord)
{
    currentPage("A", 0);
    bk().bookMessageBoxCatch(nullptr);
    EXPECT_TRUE(calls.empty());
    _bookMessageBox record { &bk(), CString("T"), CString("x"), IDNO };
    bk().bookMessageBoxCatch(&record);
    EXPECT_EQ(calls, (Calls { "A:MessageBoxCatch(7)" }));
}

TEST_F(Forwarding, SizeNotificationFitsTheBookToItsHost)
{
    currentPage("A", 0);
    host().MoveWindow(0, 0, 420, 260);
    calls.clear();
    bk().MoveWindow(0, 0, 100, 80);
    CRect client, own;
    host().GetClientRect(&client);
    bk().GetClientRect(&own);
    EXPECT_EQ(own.Width(), client.Width());
    EXPECT_EQ(own.Height(), client.Height());
    // The book's own resize runs first, nested inside the notification of the host's resize.
    std::string fitted = "A:Size(0," + std::to_string(client.Width()) + ","
        + std::to_string(client.Height()) + ")";
    EXPECT_EQ(calls, (Calls { fitted, "A:Size(0,100,80)" }));
}

TEST_F(Forwarding, AUsersClickOnAPagesControlNotifiesThePage)
{
    currentPage("A", 0);
    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 250, 220), &bk(), 4001));
    CRect area;
    calendar.GetClientRect(&area);
    calls.clear();
    ASSERT_TRUE(winport::testing::Click(
        calendar.GetSafeHwnd(), area.CenterPoint().x, area.CenterPoint().y));
    winport::testing::PumpEvents(10);
    // The selection change and the selection, in the order the calendar sends them.
    EXPECT_EQ(calls, (Calls { "A:DoNotify(4001)", "A:DoNotify(4001)" }));
}
