// Menus: each HMENU is a list of items (strings, separators, popups). A window's menu bar is a
// QMenuBar built from its menu, and built again whenever a menu on a window changes. Choosing an
// item posts WM_COMMAND with its id to the window, as the menu loop does when it ends.
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"
#include "qt/commdlg/scripted.h"
#include "resources/resources.h"
#include "base/syserror.h"

#include <winport/testing.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <set>
#include <unordered_map>

namespace winport {
namespace {
    struct MenuEntry {
        std::string text;
        UINT id = 0;
        UINT flags = 0;
        HMENU popup = nullptr;
    };

    struct Menu {
        std::vector<MenuEntry> items;
    };

    std::unordered_map<HMENU, Menu>& menus()
    {
        static std::unordered_map<HMENU, Menu> table;
        return table;
    }
    uintptr_t g_nextMenu = 0x7000000;
    std::set<HWND> g_menuWindows; // windows that show a menu bar

    Menu* findMenu(HMENU menu)
    {
        auto it = menus().find(menu);
        return it == menus().end() ? nullptr : &it->second;
    }

    HMENU newMenu()
    {
        HMENU handle = reinterpret_cast<HMENU>(g_nextMenu);
        g_nextMenu += 4;
        menus()[handle] = Menu();
        return handle;
    }

    bool contains(HMENU root, HMENU menu)
    {
        if (root == menu)
            return true;
        Menu* m = findMenu(root);
        if (!m)
            return false;
        return std::any_of(m->items.begin(), m->items.end(),
            [&](const MenuEntry& e) { return e.popup && contains(e.popup, menu); });
    }

    bool enabledFlags(UINT flags) { return !(flags & (MF_GRAYED | MF_DISABLED)); }

    // QMenuBar and QMenu offer the same adding operations.
    template <class Target> void fill(Target* target, const Menu& menu, HWND owner)
    {
        for (const MenuEntry& e : menu.items) {
            if (e.flags & MF_SEPARATOR) {
                target->addSeparator();
            } else if (e.popup) {
                QMenu* popup = target->addMenu(toQt(e.text));
                popup->setEnabled(enabledFlags(e.flags));
                if (Menu* m = findMenu(e.popup))
                    fill(popup, *m, owner);
            } else {
                QAction* action = target->addAction(toQt(e.text));
                action->setData(QVariant::fromValue(e.id));
                action->setEnabled(enabledFlags(e.flags));
                action->setCheckable((e.flags & MF_CHECKED) != 0);
                action->setChecked((e.flags & MF_CHECKED) != 0);
                UINT id = e.id;
                QObject::connect(action, &QAction::triggered, action,
                    [owner, id] { PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); });
            }
        }
    }

    void rebuild(HWND hwnd)
    {
        Window* w = findWindow(hwnd);
        if (!w)
            return;
        Menu* menu = findMenu(w->menu);
        if (!menu) {
            setMenuBar(hwnd, nullptr);
            return;
        }
        auto* bar = new QMenuBar;
        bar->setNativeMenuBar(false);
        fill(bar, *menu, hwnd);
        setMenuBar(hwnd, bar);
    }

    // Builds again the bars of the windows whose menus hold the changed menu.
    void changed(HMENU menu)
    {
        std::vector<HWND> showing(g_menuWindows.begin(), g_menuWindows.end());
        for (HWND hwnd : showing) {
            Window* w = findWindow(hwnd);
            if (!w) {
                g_menuWindows.erase(hwnd);
                continue;
            }
            if (contains(w->menu, menu))
                rebuild(hwnd);
        }
    }

    QAction* findAction(QWidget* widget, UINT id)
    {
        for (QAction* action : widget->actions()) {
            if (QMenu* popup = action->menu()) {
                if (QAction* found = findAction(popup, id))
                    return found;
            } else if (!action->isSeparator() && action->data().toUInt() == id) {
                return action;
            }
        }
        return nullptr;
    }
}
}

using namespace winport;

HMENU CreateMenu() { return newMenu(); }
HMENU CreatePopupMenu() { return newMenu(); }

BOOL DestroyMenu(HMENU menu)
{
    Menu* m = findMenu(menu);
    if (!m)
        return FALSE;
    for (HWND hwnd : std::vector<HWND>(g_menuWindows.begin(), g_menuWindows.end())) {
        if (Window* w = findWindow(hwnd); w && w->menu == menu)
            SetMenu(hwnd, nullptr);
    }
    std::vector<HMENU> popups;
    for (const MenuEntry& e : m->items) {
        if (e.popup)
            popups.push_back(e.popup);
    }
    menus().erase(menu);
    for (HMENU popup : popups)
        DestroyMenu(popup);
    return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    Menu* m = findMenu(menu);
    if (!m)
        return FALSE;
    MenuEntry entry;
    entry.flags = flags;
    if (flags & MF_POPUP) {
        entry.popup = reinterpret_cast<HMENU>(idOrPopup);
        if (!findMenu(entry.popup) || contains(entry.popup, menu))
            return FALSE;
    } else {
        entry.id = static_cast<UINT>(idOrPopup);
    }
    if (!(flags & MF_SEPARATOR))
        entry.text = text ? text : "";
    m->items.push_back(entry);
    changed(menu);
    return TRUE;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags)
{
    Menu* m = findMenu(menu);
    if (!m)
        return static_cast<UINT>(-1);
    MenuEntry* entry = nullptr;
    if (flags & MF_BYPOSITION) {
        if (item < m->items.size())
            entry = &m->items[item];
    } else {
        for (MenuEntry& e : m->items) {
            if (!e.popup && !(e.flags & MF_SEPARATOR) && e.id == item) {
                entry = &e;
                break;
            }
        }
        if (!entry) {
            for (MenuEntry& e : m->items) {
                if (e.popup) {
                    UINT previous = EnableMenuItem(e.popup, item, flags);
                    if (previous != static_cast<UINT>(-1))
                        return previous;
                }
            }
        }
    }
    if (!entry)
        return static_cast<UINT>(-1);
    const UINT state = MF_GRAYED | MF_DISABLED;
    UINT previous = entry->flags & state;
    entry->flags = (entry->flags & ~state) | (flags & state);
    changed(menu);
    return previous;
}

int GetMenuItemCount(HMENU menu)
{
    Menu* m = findMenu(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    Menu* m = findMenu(menu);
    if (!m || position < 0 || position >= static_cast<int>(m->items.size())
        || m->items[static_cast<size_t>(position)].popup)
        return static_cast<UINT>(-1);
    return m->items[static_cast<size_t>(position)].id;
}

HMENU GetSubMenu(HMENU menu, int position)
{
    Menu* m = findMenu(menu);
    if (!m || position < 0 || position >= static_cast<int>(m->items.size()))
        return nullptr;
    return m->items[static_cast<size_t>(position)].popup;
}

BOOL SetMenu(HWND hwnd, HMENU menu)
{
    Window* w = findWindow(hwnd);
    if (!w || w->isChild() || (menu && !findMenu(menu)))
        return FALSE;
    w->menu = menu;
    if (menu)
        g_menuWindows.insert(hwnd);
    else
        g_menuWindows.erase(hwnd);
    rebuild(hwnd);
    return TRUE;
}

HMENU GetMenu(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    return w && !w->isChild() ? w->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    if (!w || !w->menu)
        return FALSE;
    rebuild(hwnd);
    return TRUE;
}

namespace {
// The menu items of a template, appended to a new menu (popups made on the way).
void appendTemplateItems(HMENU menu, const std::vector<winport::MenuItem>& items)
{
    for (const winport::MenuItem& item : items) {
        if (item.isPopup) {
            HMENU popup = CreatePopupMenu();
            appendTemplateItems(popup, item.popup);
            AppendMenu(
                menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(popup), item.text.c_str());
        } else if (item.text.empty()) {
            AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenu(menu, item.flags, static_cast<UINT_PTR>(item.id), item.text.c_str());
        }
    }
}

// Whether the menu or one of its popups has the item, enabled.
bool offersEnabled(HMENU menu, UINT id)
{
    Menu* m = findMenu(menu);
    if (!m)
        return false;
    for (const MenuEntry& e : m->items) {
        if (e.popup ? offersEnabled(e.popup, id)
                    : !(e.flags & MF_SEPARATOR) && e.id == id && enabledFlags(e.flags))
            return true;
    }
    return false;
}

// The id of the item the user chooses in the popup at the screen point, 0 when dismissed.
UINT runPopup(HMENU menu, int x, int y)
{
    Menu* m = findMenu(menu);
    if (!m)
        return 0;
    QMenu popup;
    UINT chosen = 0;
    for (const MenuEntry& e : m->items) {
        if (e.flags & MF_SEPARATOR) {
            popup.addSeparator();
        } else if (!e.popup) {
            QAction* action = popup.addAction(toQt(e.text));
            action->setEnabled(enabledFlags(e.flags));
            UINT id = e.id;
            QObject::connect(action, &QAction::triggered, &popup, [&chosen, id] { chosen = id; });
        } else if (Menu* sub = findMenu(e.popup)) {
            QMenu* inner = popup.addMenu(toQt(e.text));
            for (const MenuEntry& i : sub->items) {
                if (i.flags & MF_SEPARATOR || i.popup) {
                    inner->addSeparator();
                    continue;
                }
                QAction* action = inner->addAction(toQt(i.text));
                action->setEnabled(enabledFlags(i.flags));
                UINT id = i.id;
                QObject::connect(
                    action, &QAction::triggered, &popup, [&chosen, id] { chosen = id; });
            }
        }
    }
    popup.exec(QPoint(x, y));
    return chosen;
}
}

HMENU LoadMenu(HINSTANCE instance, LPCSTR name)
{
    const winport::MenuTemplate* t = winport::findMenuTemplate(instance, name);
    if (!t)
        return fail(ERROR_RESOURCE_NAME_NOT_FOUND, HMENU(nullptr));
    HMENU menu = CreateMenu();
    appendTemplateItems(menu, t->items);
    return menu;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    if (!findMenu(menu) || (!owner && !(flags & TPM_RETURNCMD)))
        return fail(ERROR_INVALID_PARAMETER, FALSE);
    UINT chosen = 0;
    if (!takePopupMenuAnswer(&chosen)) {
        chosen = runPopup(menu, x, y);
    } else if (chosen && !offersEnabled(menu, chosen)) {
        reportScriptFailure("shortcut menu has no enabled item " + std::to_string(chosen));
        chosen = 0;
    }
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (!chosen)
        return FALSE;
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

namespace winport::testing {
bool ChooseMenuItem(HWND hwnd, UINT id)
{
    Window* w = findWindow(hwnd);
    if (!w || !w->menuBar)
        return false;
    QAction* action = findAction(w->menuBar, id);
    if (!action || !action->isEnabled())
        return false;
    for (QObject* o = action->parent(); o; o = o->parent()) {
        if (auto* popup = qobject_cast<QMenu*>(o); popup && !popup->isEnabled())
            return false;
    }
    action->trigger();
    return true;
}
}
