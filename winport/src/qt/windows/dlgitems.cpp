// Dialog item functions: child windows addressed by their control id.
#include "window.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace winport;

HWND GetDlgItem(HWND dialog, int id)
{
    for (HWND child : childrenOf(dialog)) {
        if (static_cast<int>(GetWindowLongPtr(child, GWLP_ID)) == id)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    return w && w->isChild() ? static_cast<int>(w->id) : 0;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessage(item, message, wParam, lParam) : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowText(item, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && size > 0)
            buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(item, buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    char text[16];
    if (isSigned)
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else
        std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemText(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated)
        *translated = FALSE;
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return 0;
    int length = GetWindowTextLength(item);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowText(item, text.data(), length + 1);
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t')
        ++p;
    if (!*p || (*p == '-' && !isSigned))
        return 0;
    char* end = nullptr;
    long long value = std::strtoll(p, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    bool ok = end && end != p && *end == '\0'
        && (isSigned ? (value >= INT32_MIN && value <= INT32_MAX)
                     : (value >= 0 && value <= UINT32_MAX));
    if (!ok)
        return 0;
    if (translated)
        *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return FALSE;
    SendMessage(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessage(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId)
{
    for (HWND child : childrenOf(dialog)) {
        int id = GetDlgCtrlID(child);
        if (id >= firstId && id <= lastId)
            SendMessage(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

namespace {
bool canTab(HWND h)
{
    LONG_PTR style = GetWindowLongPtr(h, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> items = childrenOf(dialog);
    if (items.empty())
        return nullptr;
    int n = static_cast<int>(items.size());
    int start = -1;
    for (int i = 0; i < n; ++i) {
        if (items[static_cast<size_t>(i)] == control)
            start = i;
    }
    for (int step = 1; step <= n; ++step) {
        int i = start < 0 ? (previous ? n - step : step - 1)
                          : ((start + (previous ? -step : step)) % n + n) % n;
        if (canTab(items[static_cast<size_t>(i)]))
            return items[static_cast<size_t>(i)];
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> items = childrenOf(dialog);
    int n = static_cast<int>(items.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (items[static_cast<size_t>(i)] == control)
            at = i;
    }
    if (at < 0)
        return nullptr;
    // The group runs from the item with WS_GROUP up to the next item with WS_GROUP.
    int first = at;
    while (
        first > 0 && !(GetWindowLongPtr(items[static_cast<size_t>(first)], GWL_STYLE) & WS_GROUP))
        --first;
    int last = at;
    while (last + 1 < n
        && !(GetWindowLongPtr(items[static_cast<size_t>(last + 1)], GWL_STYLE) & WS_GROUP))
        ++last;
    int size = last - first + 1;
    for (int step = 1; step <= size; ++step) {
        int i = first + (((at - first) + (previous ? -step : step)) % size + size) % size;
        HWND h = items[static_cast<size_t>(i)];
        LONG_PTR style = GetWindowLongPtr(h, GWL_STYLE);
        if ((style & WS_VISIBLE) && !(style & WS_DISABLED))
            return h;
    }
    return control;
}
