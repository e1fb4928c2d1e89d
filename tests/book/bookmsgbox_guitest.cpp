// The modeless message box: its template, its buttons and the delivery of answers.
#include "pagehost.h"
#include <gtest/gtest.h>

#include "resources/resource.h"

namespace {

class MessageBoxTest : public PageHostTest {
protected:
    std::string fieldText(HWND box)
    {
        char text[512] = {};
        ::GetDlgItemTextA(box, IDC_BOOK_MESSAGEBOX_TEXT, text, sizeof text);
        return text;
    }
    bool shown(HWND box, int id)
    {
        return ::IsWindowVisible(::GetDlgItem(box, id)) && ::IsWindowEnabled(::GetDlgItem(box, id));
    }
};

} // namespace

TEST_F(MessageBoxTest, AnswerGoesToTheCurrentPageAndTheBoxStaysOpen)
{
    addPage("A", 0);
    RecordingPage& b = addPage("B", 1);
    bk().bookToPage(1);
    calls.clear();
    int status = -1;
    HWND box = bk().bookMessageBox(
        nullptr, CString("Reading"), CString("Save the reading?"), 6, &status);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(::IsWindowVisible(box));
    char caption[64] = {};
    ::GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "Reading");
    EXPECT_EQ(fieldText(box), "Save the reading?");
    EXPECT_TRUE(shown(box, IDCANCEL));
    EXPECT_TRUE(shown(box, IDC_BOOK_MESSAGEBOX_YES));

    pressButton(box, IDC_BOOK_MESSAGEBOX_YES);
    EXPECT_EQ(calls, (Calls { "B:MessageBoxCatch(6)" }));
    EXPECT_EQ(b.lastBox.bookOwner, &bk());
    EXPECT_STREQ(b.lastBox.title, "Reading");
    EXPECT_STREQ(b.lastBox.text, "Save the reading?");
    EXPECT_TRUE(::IsWindow(box));

    pressButton(box, IDCANCEL);
    EXPECT_EQ(calls.back(), "B:MessageBoxCatch(2)");
    bk().bookMessageBoxSet(CString("Again"), CString("Other text"));
    EXPECT_EQ(fieldText(box), "Other text");
    bk().bookMessageBoxDestroy();
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_EQ(calls.back(), "B:MessageBoxCatch(2)"); // closing is not an answer
}

TEST_F(MessageBoxTest, OkCancelTypeShowsOkAndCancelOnly)
{
    HWND box = bk().bookMessageBox(nullptr, CString("T"), CString("x"), MB_OKCANCEL, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(shown(box, IDOK));
    EXPECT_TRUE(shown(box, IDCANCEL));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDC_BOOK_MESSAGEBOX_YES)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDC_BOOK_MESSAGEBOX_NO)));
}

TEST_F(MessageBoxTest, SecondBoxClosesTheFirst)
{
    RecordingPage& a = currentPage("A", 0);
    HWND first = bk().bookMessageBox(nullptr, CString("One"), CString("first"), 1, nullptr);
    HWND second = bk().bookMessageBox(nullptr, CString("Two"), CString("second"), 6, nullptr);
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_TRUE(::IsWindow(second));
    calls.clear();
    pressButton(second, IDC_BOOK_MESSAGEBOX_NO);
    EXPECT_EQ(calls, (Calls { "A:MessageBoxCatch(7)" }));
    EXPECT_STREQ(a.lastBox.title, "Two");
}

TEST_F(MessageBoxTest, AnswersWithoutACurrentPageGoNowhere)
{
    HWND box = bk().bookMessageBox(nullptr, CString("T"), CString("x"), 1, nullptr);
    ASSERT_NE(box, nullptr);
    pressButton(box, IDOK); // no page: nothing to call, nothing to crash
    bk().Destroy();
    EXPECT_FALSE(::IsWindow(box));
}

TEST_F(MessageBoxTest, ABoxOfAnotherBookTakesOverTheOneRecord)
{
    currentPage("A", 0);
    long status = -1;
    book other(&host(), 2u, &status);
    ASSERT_EQ(status, 0);
    RecordingPage z(&other, "Z", 0, nullptr, &calls, "Z");
    other.bookToPage(0);
    HWND first = bk().bookMessageBox(nullptr, CString("One"), CString("first"), 1, nullptr);
    HWND second = other.bookMessageBox(nullptr, CString("Two"), CString("second"), 6, nullptr);
    EXPECT_TRUE(::IsWindow(first)); // one box per book
    calls.clear();
    // Both boxes report to the book that opened the latest one, with its record.
    pressButton(first, IDOK);
    pressButton(second, IDC_BOOK_MESSAGEBOX_YES);
    EXPECT_EQ(calls, (Calls { "Z:MessageBoxCatch(1)", "Z:MessageBoxCatch(6)" }));
    EXPECT_STREQ(z.lastBox.title, "Two");
    EXPECT_EQ(z.lastBox.bookOwner, &other);
    other.Destroy();
    EXPECT_FALSE(::IsWindow(second));
}
