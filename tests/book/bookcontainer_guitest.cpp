// The book window itself: both constructors, bookInit, the decimal places re-read on page changes
// and the tab size.
#include "pagehost.h"
#include <gtest/gtest.h>

#include "app/tessilo.h"

namespace {

class BookContainer : public PageHostTest {
protected:
    static void decimalPlaces(const char* value)
    {
        ::WriteProfileStringA("tessilo40", "DecimalPlaces", value);
    }
    void TearDown() override
    {
        decimalPlaces(nullptr);
        PageHostTest::TearDown();
    }
};

} // namespace

TEST_F(BookContainer, OneArgumentBookHasNoWindowUntilBookInit)
{
    decimalPlaces("4");
    book later(&host());
    EXPECT_EQ(later.GetSafeHwnd(), nullptr);
    EXPECT_EQ(later.bookGetOwner(), &host());
    EXPECT_EQ(later.bookGetPageCurrentIdx(), 0);
    EXPECT_FALSE(later.bookGetReadOnly());
    EXPECT_EQ(later.bookGetFontPointSize(), 8);
    EXPECT_EQ(later.bookGetPage(0), nullptr);

    ASSERT_EQ(later.bookInit(12), 0);
    ASSERT_NE(later.GetSafeHwnd(), nullptr);
    EXPECT_EQ(later.GetDlgCtrlID(), 12);
    EXPECT_EQ(::GetParent(later.GetSafeHwnd()), host().GetSafeHwnd());
    DWORD style = static_cast<DWORD>(::GetWindowLong(later.GetSafeHwnd(), GWL_STYLE));
    EXPECT_EQ(style & 0x52010800u, 0x52010800u); // child, visible, clip-children, tab-stop, ragged
    CRect hostClient, bookRect;
    host().GetClientRect(&hostClient);
    later.GetClientRect(&bookRect);
    EXPECT_EQ(bookRect.Size(), hostClient.Size());
    EXPECT_EQ(later.bookGetDecimalPlaces(), 4);
}

TEST_F(BookContainer, ThreeArgumentBookReportsAWindowThatCannotBeMade)
{
    CWnd noWindow; // a child window needs a parent window
    long status = 0;
    book orphan(&noWindow, 3u, &status);
    EXPECT_EQ(status, E_FAIL);
    EXPECT_EQ(orphan.GetSafeHwnd(), nullptr);
    EXPECT_EQ(orphan.bookGetFontPointSize(), 8);
    long pageStatus = 0;
    RecordingPage page(&orphan, "A", 0, &pageStatus, &calls, "A");
    EXPECT_EQ(pageStatus, E_FAIL); // the tab cannot be inserted
    EXPECT_EQ(calls, (Calls { "A:Init(0)" }));
    EXPECT_EQ(page.index(), 0); // the requested position, whatever the insertion did
    EXPECT_EQ(orphan.bookGetPage(0), nullptr);
}

TEST_F(BookContainer, DecimalPlacesAreReadWhenAPageBecomesCurrent)
{
    addPage("Alpha", 0);
    addPage("Beta", 1);
    EXPECT_EQ(bk().bookGetDecimalPlaces(), 2); // the default, read by bookInit
    decimalPlaces("3");
    EXPECT_EQ(bk().bookGetDecimalPlaces(), 2);
    bk().bookToPage(0);
    EXPECT_EQ(bk().bookGetDecimalPlaces(), 3);
    decimalPlaces("4");
    clickTab(1);
    EXPECT_EQ(bk().bookGetDecimalPlaces(), 4);
    decimalPlaces("5");
    EXPECT_EQ(bk().bookToPage(9), E_FAIL); // an empty slot reads nothing
    EXPECT_EQ(bk().bookGetDecimalPlaces(), 4);
}

TEST_F(BookContainer, TabSizeAppliesToEveryTab)
{
    addPage("A", 0);
    addPage("A much longer title", 1);
    EXPECT_EQ(bk().bookSetTabSize(90, 24), 0);
    for (int tab : { 0, 1 }) {
        CRect item;
        ASSERT_TRUE(bk().GetItemRect(tab, &item));
        EXPECT_EQ(item.Height(), 24) << tab;
    }
}
