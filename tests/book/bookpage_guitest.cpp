// The page contract: which calls a page receives from its book, and in which order.
#include "pagehost.h"
#include <gtest/gtest.h>

#include <memory>

namespace {

class PageContract : public PageHostTest {
protected:
    bool highlighted(int tab)
    {
        TCITEMA item {};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_HIGHLIGHTED;
        EXPECT_TRUE(bk().GetItem(tab, &item));
        return (item.dwState & TCIS_HIGHLIGHTED) != 0;
    }

    void expectCurrent(int tab)
    {
        EXPECT_EQ(bk().bookGetPageCurrentIdx(), tab);
        EXPECT_EQ(bk().GetCurSel(), tab);
        EXPECT_TRUE(highlighted(tab));
        EXPECT_FALSE(highlighted(1 - tab));
    }
};

} // namespace

// A page initialises, creates and registers itself; without a book, with a failed create or
// outside the table of 25 slots it stops where the contract says.
TEST_F(PageContract, ConstructionInitialisesCreatesAndRegisters)
{
    struct {
        const char* name;
        bool withBook;
        unsigned int slot;
        long createResult;
        long status;
        Calls calls;
        int index;
    } cases[] = {
        { "registered", true, 0, 0, 0, { "A:Init(0)", "A:Create", "A:SetReadOnly(0)" }, 0 },
        { "no book", false, 0, 0, E_UNEXPECTED, { "A:Init(0)" }, -1 },
        { "failed create", true, 0, E_FAIL, E_FAIL,
            { "A:Init(0)", "A:Create", "A:DeInit", "A:Destroy" }, -1 },
        { "slot 25", true, 25, 0, 0, { "A:Init(25)", "A:Create" }, 25 },
    };
    for (const auto& c : cases) {
        calls.clear();
        long status = -1;
        book own(&host(), 50u, &status);
        ASSERT_EQ(status, 0);
        RecordingPage page(
            c.withBook ? &own : nullptr, "Page", c.slot, &status, &calls, "A", c.createResult);
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(calls, c.calls) << c.name;
        EXPECT_EQ(page.index(), c.index) << c.name;
        EXPECT_EQ(own.bookGetPage(c.slot), c.index == 0 ? &page : nullptr) << c.name;
        if (c.withBook) { // the tab stays, even for a failed page
            EXPECT_EQ(page.bookpageGetOwner(), &own) << c.name;
            EXPECT_EQ(own.GetItemCount(), 1) << c.name;
        } else {
            EXPECT_EQ(page.bookpageDeInit(), E_UNEXPECTED);
        }
        if (c.slot == 25) { // registering outside the table succeeds and keeps nothing
            EXPECT_EQ(own.bookRegisterPage(&page, 25), 0);
            EXPECT_EQ(own.bookGetPage(25), nullptr);
            EXPECT_EQ(own.bookGetPage(-1), nullptr);
            EXPECT_EQ(own.bookUnRegisterPage(&page, 25), 0);
        }
    }
}

TEST_F(PageContract, TakenSlotKeepsTheFirstPage)
{
    long first = -1, second = -1;
    RecordingPage a(&bk(), "A", 0, &first, &calls, "A");
    RecordingPage b(&bk(), "B", 0, &second, &calls, "B");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(bk().bookGetPage(0), &a);
    EXPECT_EQ(b.index(), 0);
    EXPECT_EQ(bk().GetItemCount(), 2);
    EXPECT_EQ(bk().bookRegisterPage(&b, 0), E_UNEXPECTED);
    EXPECT_EQ(bk().bookUnRegisterPage(&b, 0), E_UNEXPECTED);
    EXPECT_EQ(bk().bookGetPage(0), &a);
}

// To another page, to the current one again (left and re-entered), and to an empty slot.
TEST_F(PageContract, ToPageLeavesTheOldPageFirst)
{
    currentPage("A", 0);
    addPage("B", 1);
    calls.clear();
    EXPECT_EQ(bk().bookToPage(1), 0);
    EXPECT_EQ(calls, join({ "A:Changing" }, entered("B")));
    expectCurrent(1);

    calls.clear();
    EXPECT_EQ(bk().bookToPage(1), 0);
    EXPECT_EQ(calls, join({ "B:Changing" }, entered("B")));

    calls.clear();
    EXPECT_EQ(bk().bookToPage(3), E_FAIL);
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), 3);
    EXPECT_EQ(bk().bookToPage(40), E_FAIL);
    EXPECT_TRUE(calls.empty());
}

TEST_F(PageContract, UserClickOnATabChangesPages)
{
    currentPage("A", 0);
    addPage("B", 1);
    calls.clear();
    clickTab(1);
    EXPECT_EQ(calls, join({ "A:Changing" }, entered("B")));
    expectCurrent(1);
    calls.clear();
    clickTab(0);
    EXPECT_EQ(calls, join({ "B:Changing" }, entered("A")));
}

TEST_F(PageContract, ClickOnTheTabOfAFailedPageCallsNoPage)
{
    currentPage("A", 0);
    addPage("X", 1, E_FAIL);
    calls.clear();
    clickTab(1);
    EXPECT_EQ(calls, (Calls { "A:Changing" }));
    expectCurrent(1);
}

TEST_F(PageContract, HidingAndShowingTheBook)
{
    currentPage("A", 0);
    bk().bookShow(FALSE);
    EXPECT_EQ(calls, (Calls { "A:Show(0)", "A:Changing" }));
    EXPECT_FALSE(::IsWindowVisible(bk().GetSafeHwnd()));
    calls.clear();
    bk().bookShow(TRUE);
    EXPECT_EQ(calls, join({ "A:Show(1)" }, entered("A")));
    EXPECT_TRUE(::IsWindowVisible(bk().GetSafeHwnd()));
    bk().bookShow(FALSE);
}

TEST_F(PageContract, ReadOnlyPagesGetTheBooksFlagWhenRegistered)
{
    RecordingPage& before = addPage("A", 0);
    EXPECT_FALSE(bk().bookGetReadOnly());
    bk().bookSetReadOnly(TRUE);
    calls.clear();
    RecordingPage& after = addPage("B", 1);
    EXPECT_EQ(calls, (Calls { "B:Init(1)", "B:Create", "B:SetReadOnly(1)" }));
    EXPECT_FALSE(before.bookpageGetReadOnly());
    EXPECT_TRUE(after.bookpageGetReadOnly());
    bk().bookToPage(1);
    calls.clear();
    bk().bookShow(TRUE);
    EXPECT_EQ(calls, join(join({ "B:Show(1)" }, entered("B")), { "B:ButtonProcessReadOnly" }));
    bk().bookShow(FALSE);
}

TEST_F(PageContract, DestroyingAPageUnregistersIt)
{
    auto page = std::make_unique<RecordingPage>(&bk(), "A", 2, nullptr, &calls, "A");
    ASSERT_EQ(bk().bookGetPage(2), page.get());
    calls.clear();
    page.reset();
    EXPECT_EQ(calls, (Calls { "A:Destroy", "A:~" }));
    EXPECT_EQ(bk().bookGetPage(2), nullptr);
    EXPECT_EQ(bk().GetItemCount(), 1); // only the book's Destroy removes tabs
}

TEST_F(PageContract, BookDestroyRemovesTabsButLeavesPagesAlone)
{
    RecordingPage& a = addPage("A", 0);
    addPage("B", 1);
    calls.clear();
    bk().Destroy();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(bk().bookGetPage(0), nullptr);
    EXPECT_EQ(bk().bookGetPage(1), nullptr);
    EXPECT_EQ(bk().bookGetFontPointSize(), -1);
    EXPECT_EQ(a.index(), 0);
}

TEST_F(PageContract, PagesMayOutliveTheirBook)
{
    RecordingPage* survivor = nullptr;
    {
        auto own = std::make_unique<book>(&host(), 7u, nullptr);
        survivor = new RecordingPage(own.get(), "A", 0, nullptr, &calls, "A");
    }
    calls.clear();
    delete survivor;
    EXPECT_EQ(calls, (Calls { "A:Destroy", "A:~" }));
}
