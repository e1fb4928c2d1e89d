// The tree view base: insertion through item records and its refusals, the notification hooks
// and their answers, the init and clean-up pair.
#include "wintest.h"

#include "views/booktree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A derived tree that refuses selection changes to items whose data is 0 and records its hooks.
class FolderTree : public bookTree {
public:
    using bookTree::bookTree;
    std::vector<std::string> calls;

    long Itemexpanding(NMHDR*) override { return note("expanding"); }
    long Itemexpanded(NMHDR*) override { return note("expanded"); }
    long Selchanged(NMHDR*) override { return note("selchanged"); }
    long Selchanging(NMHDR* header) override
    {
        note("selchanging");
        return reinterpret_cast<NMTREEVIEW*>(header)->itemNew.lParam == 0;
    }

private:
    long note(const char* name)
    {
        calls.push_back(name);
        return 0;
    }
};

class BookTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
            300, nullptr, nullptr));
        ASSERT_TRUE(
            tree.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &host, 5));
    }
    void TearDown() override { host.DestroyWindow(); }

    CWnd host;
    bookTree tree;
};

TEST_F(BookTree, InsertsThroughRecordsAndHandles)
{
    int payload = 0;
    _bookTreeITEM_BASE root { nullptr, nullptr };
    ASSERT_EQ(
        tree.InsertItem("c:\\", static_cast<_bookTreeITEM_BASE*>(nullptr), nullptr, &root), 0);
    ASSERT_NE(root.hItem, nullptr);
    EXPECT_EQ(root.data, nullptr);

    _bookTreeITEM_BASE first { nullptr, nullptr };
    _bookTreeITEM_BASE second { nullptr, nullptr };
    EXPECT_EQ(tree.InsertItem("b", &root, nullptr, &second, &payload), 0);
    EXPECT_EQ(second.data, &payload);
    EXPECT_EQ(tree.InsertItem("a", root.hItem, TVI_FIRST, &first), 0);
    CTreeCtrl& control = tree.GetTreeCtrl();
    EXPECT_EQ(control.GetChildItem(root.hItem), first.hItem);
    EXPECT_EQ(control.GetNextSiblingItem(first.hItem), second.hItem);
    EXPECT_EQ(control.GetItemText(second.hItem), "b");
    // Without an out record the item is still inserted.
    EXPECT_EQ(tree.InsertItem("c", &root, &second, nullptr, &payload), 0);
    EXPECT_EQ(control.GetCount(), 4u);
}

TEST_F(BookTree, RefusedInsertionsLeaveTheRecordAndTheTreeAlone)
{
    _bookTreeITEM_BASE root { nullptr, nullptr };
    ASSERT_EQ(tree.InsertItem("root", TVI_ROOT, TVI_LAST, &root), 0);
    int kept = 0;
    int offered = 0;
    auto untouched = reinterpret_cast<HTREEITEM>(0x5150);
    _bookTreeITEM_BASE out { untouched, &kept };

    EXPECT_EQ(tree.InsertItem(nullptr, &root, nullptr, &out, &offered), E_UNEXPECTED);
    // A parent that is no longer in the tree: the control inserts nothing.
    _bookTreeITEM_BASE gone { nullptr, nullptr };
    ASSERT_EQ(tree.InsertItem("gone", &root, nullptr, &gone), 0);
    ASSERT_TRUE(tree.GetTreeCtrl().DeleteItem(gone.hItem));
    EXPECT_EQ(tree.InsertItem("child", &gone, nullptr, &out, &offered), E_FAIL);
    EXPECT_EQ(out.hItem, untouched);
    EXPECT_EQ(out.data, &kept);

    // A good insertion writes the record; an insert-after item under another parent then fails.
    EXPECT_EQ(tree.InsertItem("sibling", TVI_ROOT, root.hItem, &out), 0);
    HTREEITEM written = out.hItem;
    EXPECT_NE(written, untouched);
    _bookTreeITEM_BASE sibling = out;
    EXPECT_EQ(tree.InsertItem("child", &root, &sibling, &out, &offered), E_FAIL);
    EXPECT_EQ(out.hItem, written);
    EXPECT_EQ(out.data, &kept);
    EXPECT_EQ(tree.GetTreeCtrl().GetCount(), 2u);
}

TEST(BookTreeHooks, NotificationsReachTheHooksAndTheirAnswersCount)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(
        0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 300, nullptr, nullptr));
    long init = -1;
    FolderTree tree(&init);
    EXPECT_EQ(init, 0); // the base's TreeInit: a constructor calls its own class's
    ASSERT_TRUE(
        tree.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &host, 5));
    CTreeCtrl& control = tree.GetTreeCtrl();
    HTREEITEM locked = control.InsertItem(
        TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN, "locked", 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
    HTREEITEM open
        = control.InsertItem(TVIF_TEXT | TVIF_PARAM, "open", 0, 0, 0, 0, 1, TVI_ROOT, TVI_LAST);
    tree.calls.clear();
    EXPECT_FALSE(control.SelectItem(locked));
    EXPECT_TRUE(control.SelectItem(open));
    EXPECT_EQ(control.GetSelectedItem(), open);
    EXPECT_TRUE(control.Expand(locked, TVE_EXPAND));
    EXPECT_EQ(tree.calls,
        (std::vector<std::string> {
            "selchanging", "selchanging", "selchanged", "expanding", "expanded" }));
    host.DestroyWindow();
}

} // namespace
