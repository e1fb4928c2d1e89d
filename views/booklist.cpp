#include "views/booklist.h"
#include "views/viewfont.h"

#include <algorithm>
#include <string>
#include <vector>

BEGIN_MESSAGE_MAP(bookList, CListView)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRclick)
ON_NOTIFY_REFLECT(NM_RETURN, OnReturn)
ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeydown)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemchanging)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
END_MESSAGE_MAP()

bookList::bookList()
    : m_font(nullptr)
    , m_reserved(0)
    , m_separator(' ')
    , m_clickedItem(-1)
    , m_clickedSubItem(-1)
    , m_columnCount(0)
    , m_pair { 0, 0 }
{
    char face[] = "Courier New";
    bookListCreateFont(10, face);
}

bookList::~bookList() { delete m_font; }

long bookList::bookListInsertColumn(long column, LVCOLUMNA* description)
{
    if (!description || column < 0)
        return E_UNEXPECTED;
    if (GetListCtrl().InsertColumn(static_cast<int>(column), description) >= 0)
        ++m_columnCount;
    return 0;
}

long bookList::bookListDeleteColumn(long column)
{
    if (column < 0)
        return E_UNEXPECTED;
    if (GetListCtrl().DeleteColumn(static_cast<int>(column)) && m_columnCount > 0)
        --m_columnCount;
    return 0;
}

long bookList::bookListCreateFont(int points, char* face)
{
    long rc = viewFontReplace(&m_font, points, face);
    if (rc != 0 || !m_font)
        return rc;
    return bookListSetFont();
}

long bookList::bookListSetFont()
{
    if (m_font && m_hWnd)
        SetFont(m_font);
    return 0;
}

namespace {
int CALLBACK rankAllEqual(LPARAM, LPARAM, LPARAM) { return 0; }
}

long bookList::Columnclick(NMHDR*)
{
    GetListCtrl().SortItems(rankAllEqual, 0);
    return 0;
}

void bookList::OnColumnclick(NMHDR* header, LRESULT* result)
{
    Columnclick(header);
    *result = 0;
}

void bookList::OnClick(NMHDR*, LRESULT* result)
{
    m_clickedItem = GetListCtrl().GetNextItem(-1, LVNI_SELECTED);
    m_clickedSubItem = -1;
    *result = 0;
}

void bookList::OnRclick(NMHDR* header, LRESULT* result) { OnClick(header, result); }
void bookList::OnDblclk(NMHDR* header, LRESULT* result) { OnClick(header, result); }
void bookList::OnReturn(NMHDR*, LRESULT* result) { *result = 0; }
void bookList::OnKeydown(NMHDR*, LRESULT* result) { *result = 0; }
void bookList::OnItemchanging(NMHDR*, LRESULT* result) { *result = 0; }
void bookList::OnItemchanged(NMHDR*, LRESULT* result) { *result = 0; }

long bookList::listColAutoWidth()
{
    CListCtrl& list = GetListCtrl();
    int items = list.GetItemCount();
    if (items <= 0)
        return 0;
    std::vector<int> widths(static_cast<size_t>(m_columnCount), -1);
    std::vector<int> counts(static_cast<size_t>(m_columnCount), 0);
    for (int c = 0; c < m_columnCount; ++c) {
        char header[512] = {};
        LVCOLUMNA description {};
        description.mask = LVCF_TEXT;
        description.pszText = header;
        description.cchTextMax = sizeof header;
        list.GetColumn(c, &description);
        int n = static_cast<int>(std::string(header).size());
        n = n < 5 ? 5 : n;
        n += n / 4;
        counts[c] = n;
        widths[c] = list.GetStringWidth(std::string(static_cast<size_t>(n), 'X').c_str());
    }
    // The widths of runs of "X" grow with their length, so only a cell longer than its column's
    // longest so far is measured; a cell is written back only when trimming changed it.
    for (int i = 0; i < items; ++i) {
        for (int c = 0; c < m_columnCount; ++c) {
            char cell[512];
            cell[0] = '\0';
            int length = std::max(0, list.GetItemText(i, c, cell, sizeof cell));
            if (cell[0] == '-') {
                list.SetItemText(i, c, std::string(static_cast<size_t>(counts[c]), '-').c_str());
                continue;
            }
            if (length > 0 && (cell[0] == ' ' || cell[length - 1] == ' ')) {
                CString text(cell, length);
                text.Trim(' ');
                list.SetItemText(i, c, text);
                length = text.GetLength();
            }
            int m = length < 5 ? 5 : length;
            m += m / 2;
            if (widths[c] >= 0 && m <= counts[c])
                continue;
            int width = list.GetStringWidth(std::string(static_cast<size_t>(m), 'X').c_str());
            if (widths[c] < 0 || width > widths[c]) {
                widths[c] = width;
                counts[c] = m;
            }
        }
    }
    for (int c = 0; c < m_columnCount; ++c)
        if (widths[c] >= 0)
            list.SetColumnWidth(c, widths[c]);
    return 0;
}

long bookList::bookpagePrint()
{
    ::MessageBoxA(GetSafeHwnd(), "Cannot Print from this location.", "Print failure.", MB_OK);
    return 0;
}

long bookList::bookpagePrintPreview()
{
    ::MessageBoxA(
        GetSafeHwnd(), "Cannot do PrintPreview from this location.", "Print failure.", MB_OK);
    return 0;
}
