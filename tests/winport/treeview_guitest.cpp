// The tree view control: placed and sorted insertion and its failures, item records and the
// children mark, expansion and selection notifications (the program's and the user's, refusals
// included), deletion, image lists and icons from a module's resources.
#include "hostedcontrol.h"
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>
#include <winport/resources.h>

#include <functional>
#include <string>
#include <vector>

using winport::testing::PumpEvents;

namespace {

struct Note {
    UINT code;
    UINT action;
    HTREEITEM oldItem;
    HTREEITEM newItem;
    LPARAM newParam;
    LPARAM oldParam;
};

// A parent that records the tree's own notifications; `answer` decides each one's result.
class TreeHost : public CWnd {
public:
    std::vector<Note> notes;
    std::function<LRESULT(const NMTREEVIEW&)> answer;

    std::vector<UINT> codes() const
    {
        std::vector<UINT> out;
        for (const Note& n : notes)
            out.push_back(n.code);
        return out;
    }

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        const auto& info = *reinterpret_cast<NMTREEVIEW*>(lParam);
        *result = 0;
        if (info.hdr.code > TVN_FIRST || info.hdr.code <= TVN_FIRST - 100)
            return TRUE; // focus and click notes carry no tree record
        notes.push_back(Note { info.hdr.code, info.action, info.itemOld.hItem, info.itemNew.hItem,
            info.itemNew.lParam, info.itemOld.lParam });
        *result = answer ? answer(info) : 0;
        return TRUE;
    }
};

class TreeView : public wintest::HostedControl<TreeHost, CTreeCtrl> {
protected:
    void SetUp() override
    {
        createHosted(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
            CRect(0, 0, 300, 260), 7, 300, 260);
        PumpEvents(10);
    }

    std::vector<std::string> children(HTREEITEM parent)
    {
        std::vector<std::string> texts;
        for (HTREEITEM i = tree.GetChildItem(parent); i; i = tree.GetNextSiblingItem(i))
            texts.push_back(tree.GetItemText(i).GetString());
        return texts;
    }

    HTREEITEM insertMarked(LPCSTR text, HTREEITEM parent, LPARAM data)
    {
        TVINSERTSTRUCT insert {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_SORT;
        insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
        insert.item.pszText = const_cast<LPSTR>(text);
        insert.item.cChildren = 1;
        insert.item.lParam = data;
        return tree.InsertItem(&insert);
    }

    POINT centreOf(HTREEITEM item)
    {
        RECT rect {};
        EXPECT_TRUE(tree.GetItemRect(item, &rect, TRUE));
        return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    }

    CTreeCtrl& tree = control;
};

TEST_F(TreeView, InsertsInPlaceAndRefusesBadPlacesWithoutChangingTheTree)
{
    HTREEITEM c = tree.InsertItem("c:\\");
    HTREEITEM a = tree.InsertItem("A:\\", TVI_ROOT, TVI_FIRST);
    HTREEITEM z = tree.InsertItem("z:\\", TVI_ROOT, TVI_LAST);
    HTREEITEM b = tree.InsertItem("b:\\", TVI_ROOT, TVI_SORT); // case does not count
    ASSERT_TRUE(a && b && c && z);
    EXPECT_EQ(children(TVI_ROOT), (std::vector<std::string> { "A:\\", "b:\\", "c:\\", "z:\\" }));
    HTREEITEM x = tree.InsertItem("x", TVI_ROOT, a);
    EXPECT_EQ(tree.GetNextSiblingItem(a), x);
    EXPECT_EQ(tree.GetPrevSiblingItem(b), x);

    HTREEITEM docs = tree.InsertItem("docs", c);
    EXPECT_EQ(tree.GetParentItem(docs), c);
    EXPECT_EQ(tree.GetParentItem(c), nullptr);
    EXPECT_EQ(tree.GetRootItem(), a);
    EXPECT_EQ(tree.GetCount(), 6u);

    // A parent or a place that is not an item of this tree, or not a sibling: nothing inserted.
    EXPECT_EQ(tree.InsertItem("stray", docs, a), nullptr);
    EXPECT_EQ(tree.InsertItem("stray", reinterpret_cast<HTREEITEM>(9999)), nullptr);
    EXPECT_TRUE(tree.DeleteItem(z));
    EXPECT_EQ(tree.InsertItem("stray", z), nullptr);
    EXPECT_EQ(tree.InsertItem(static_cast<LPTVINSERTSTRUCT>(nullptr)), nullptr);
    EXPECT_EQ(tree.GetCount(), 5u);
    EXPECT_FALSE(tree.DeleteItem(z));
    EXPECT_EQ(tree.GetItemText(z), "");
}

TEST_F(TreeView, ItemRecordsAndTheChildrenMark)
{
    HTREEITEM folder = insertMarked("folder", TVI_ROOT, 0x1234);
    char text[5];
    TVITEM item {};
    item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = folder;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(tree.GetItem(&item));
    EXPECT_STREQ(text, "fold"); // cut to the buffer
    EXPECT_EQ(item.lParam, 0x1234);
    EXPECT_EQ(item.cChildren, 1); // marked before any child exists
    EXPECT_EQ(item.iImage, 0);
    EXPECT_EQ(item.iSelectedImage, 0);

    item.mask = TVIF_CHILDREN;
    item.cChildren = 0;
    ASSERT_TRUE(tree.SetItem(&item));
    EXPECT_FALSE(tree.ItemHasChildren(folder));

    HTREEITEM plain = tree.InsertItem("plain");
    EXPECT_FALSE(tree.ItemHasChildren(plain));
    tree.InsertItem("child", plain);
    EXPECT_TRUE(tree.ItemHasChildren(plain)); // unmarked items show the children they have

    EXPECT_TRUE(tree.SetItemData(plain, 77));
    EXPECT_EQ(tree.GetItemData(plain), 77u);
    EXPECT_TRUE(tree.SetItemState(plain, TVIS_BOLD, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(plain, TVIS_BOLD | TVIS_SELECTED), static_cast<UINT>(TVIS_BOLD));
    item.hItem = reinterpret_cast<HTREEITEM>(4242);
    EXPECT_FALSE(tree.GetItem(&item));
    EXPECT_FALSE(tree.SetItem(&item));
}

TEST_F(TreeView, ProgramExpansionNotifiesOnceUntilACollapseReset)
{
    HTREEITEM drive = insertMarked("c:\\", TVI_ROOT, 1);
    // The parent fills the folder while it expands, as a lazily filled tree does.
    host.answer = [&](const NMTREEVIEW& info) -> LRESULT {
        if (info.hdr.code == TVN_ITEMEXPANDING && info.action == TVE_EXPAND)
            tree.InsertItem("docs", info.itemNew.hItem, TVI_SORT);
        return 0;
    };
    EXPECT_TRUE(tree.Expand(drive, TVE_EXPAND));
    EXPECT_EQ(host.codes(), (std::vector<UINT> { TVN_ITEMEXPANDING, TVN_ITEMEXPANDED }));
    EXPECT_EQ(host.notes[0].newItem, drive);
    EXPECT_EQ(host.notes[0].newParam, 1);
    EXPECT_EQ(children(drive), (std::vector<std::string> { "docs" }));
    EXPECT_EQ(tree.GetItemState(drive, TVIS_EXPANDED | TVIS_EXPANDEDONCE),
        static_cast<UINT>(TVIS_EXPANDED | TVIS_EXPANDEDONCE));

    host.notes.clear();
    EXPECT_TRUE(tree.Expand(drive, TVE_COLLAPSE));
    EXPECT_TRUE(tree.Expand(drive, TVE_EXPAND));
    EXPECT_TRUE(host.notes.empty());

    EXPECT_TRUE(tree.Expand(drive, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(host.codes(), (std::vector<UINT> { TVN_DELETEITEM }));
    EXPECT_TRUE(children(drive).empty());
    EXPECT_EQ(tree.GetItemState(drive, TVIS_EXPANDEDONCE), 0u);

    // A refusal keeps the item closed.
    host.notes.clear();
    host.answer
        = [](const NMTREEVIEW& info) -> LRESULT { return info.hdr.code == TVN_ITEMEXPANDING; };
    EXPECT_FALSE(tree.Expand(drive, TVE_EXPAND));
    EXPECT_EQ(host.codes(), (std::vector<UINT> { TVN_ITEMEXPANDING }));
    EXPECT_EQ(tree.GetItemState(drive, TVIS_EXPANDED), 0u);
}

TEST_F(TreeView, SelectionAsksFirstAndDeletionMovesIt)
{
    HTREEITEM a = insertMarked("a", TVI_ROOT, 10);
    HTREEITEM b = insertMarked("b", TVI_ROOT, 20);
    HTREEITEM leaf = tree.InsertItem("leaf", b);
    EXPECT_TRUE(tree.SelectItem(a));
    ASSERT_EQ(host.codes(), (std::vector<UINT> { TVN_SELCHANGING, TVN_SELCHANGED }));
    EXPECT_EQ(host.notes[1].oldItem, nullptr);
    EXPECT_EQ(host.notes[1].newItem, a);
    EXPECT_EQ(host.notes[1].newParam, 10);
    EXPECT_EQ(host.notes[1].action, static_cast<UINT>(TVC_UNKNOWN));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    EXPECT_EQ(tree.GetItemState(a, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));

    host.notes.clear();
    host.answer
        = [](const NMTREEVIEW& info) -> LRESULT { return info.hdr.code == TVN_SELCHANGING; };
    EXPECT_FALSE(tree.SelectItem(b));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    host.answer = nullptr;

    // Deleting the selected item announces each deleted record, then selects its next sibling.
    host.notes.clear();
    EXPECT_TRUE(tree.DeleteItem(a));
    ASSERT_EQ(
        host.codes(), (std::vector<UINT> { TVN_DELETEITEM, TVN_SELCHANGING, TVN_SELCHANGED }));
    EXPECT_EQ(host.notes[0].oldParam, 10);
    EXPECT_EQ(host.notes[2].oldItem, nullptr);
    EXPECT_EQ(tree.GetSelectedItem(), b);

    // The last child passes the selection to its parent.
    EXPECT_TRUE(tree.SelectItem(leaf));
    EXPECT_TRUE(tree.DeleteItem(leaf));
    EXPECT_EQ(tree.GetSelectedItem(), b);
    host.notes.clear();
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(host.codes(), (std::vector<UINT> { TVN_DELETEITEM }));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(TreeView, TheUsersClicksAndKeysGoThroughTheParent)
{
    HTREEITEM a = insertMarked("alpha", TVI_ROOT, 1);
    HTREEITEM b = insertMarked("beta", TVI_ROOT, 2);
    PumpEvents(10);
    host.answer = [](const NMTREEVIEW& info) -> LRESULT {
        return info.hdr.code == TVN_SELCHANGING && info.itemNew.lParam == 2;
    };
    POINT pb = centreOf(b);
    winport::testing::Click(tree.m_hWnd, pb.x, pb.y);
    PumpEvents(10);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr); // refused
    host.answer = nullptr;
    host.notes.clear();
    POINT pa = centreOf(a);
    winport::testing::Click(tree.m_hWnd, pa.x, pa.y);
    PumpEvents(10);
    EXPECT_EQ(tree.GetSelectedItem(), a);
    bool changed = false;
    for (const Note& n : host.notes)
        changed
            = changed || (n.code == TVN_SELCHANGED && n.newItem == a && n.action == TVC_BYMOUSE);
    EXPECT_TRUE(changed);

    // Right arrow is announced, then opens the marked item; the user's expansion always asks.
    host.notes.clear();
    host.answer = [&](const NMTREEVIEW& info) -> LRESULT {
        if (info.hdr.code == TVN_ITEMEXPANDING && info.action == TVE_EXPAND)
            tree.InsertItem("inside", info.itemNew.hItem);
        return 0;
    };
    winport::testing::PressKey(tree.m_hWnd, VK_RIGHT);
    PumpEvents(10);
    EXPECT_EQ(
        host.codes(), (std::vector<UINT> { TVN_KEYDOWN, TVN_ITEMEXPANDING, TVN_ITEMEXPANDED }));
    EXPECT_EQ(children(a), (std::vector<std::string> { "inside" }));
    EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
}

TEST(TreeImages, IconsFromResourcesFillAnImageListThatTheTreeShows)
{
    static const char script[] = "7001 ICON \"folder.ico\"\n"
                                 "7002 ICON \"file.ico\"\n"
                                 "7003 ICON \"painted.ico\"\n";
    static const int anchor = 0;
    ASSERT_TRUE(WinportRegisterResources(&anchor, script, ""));
    HINSTANCE module = nullptr; // every registered module

    HIMAGELIST list = ImageList_Create(22, 22, ILC_MASK | ILC_COLOR32, 1, 1);
    ASSERT_NE(list, nullptr);
    auto folder
        = static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(7001), IMAGE_ICON, 22, 22, 0));
    auto file = static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(7002), IMAGE_ICON, 22, 22, 0));
    ASSERT_TRUE(folder && file);
    EXPECT_EQ(ImageList_AddIcon(list, folder), 0);
    EXPECT_EQ(ImageList_AddIcon(list, file), 1);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    SetLastError(0);
    EXPECT_EQ(LoadImage(module, MAKEINTRESOURCE(7003), IMAGE_ICON, 22, 22, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(LoadImage(module, MAKEINTRESOURCE(7099), IMAGE_ICON, 22, 22, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    EXPECT_TRUE(DestroyIcon(folder));
    EXPECT_FALSE(DestroyIcon(folder));
    EXPECT_TRUE(DestroyIcon(file));

    HWND host = wintest::makeTopLevel(200, 200);
    HWND tree = CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 0,
        200, 200, host, nullptr, nullptr, nullptr);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list)), 0);
    EXPECT_EQ(
        SendMessage(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), reinterpret_cast<LRESULT>(list));
    DestroyWindow(host);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_Create(0, 22, ILC_MASK, 1, 1), nullptr);
}

} // namespace
