// CMenu: owns an HMENU (destroyed with the object unless detached) and wraps the menu functions.
#pragma once

#include "winport/export.h"
#include "wintypes.h"
#include "winuser.h"

class CWnd;

class WINPORT_API CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    // The module's MENU resource (NULL module: any registered one).
    BOOL LoadMenu(UINT id, HINSTANCE module = nullptr);
    BOOL LoadMenu(LPCSTR name, HINSTANCE module = nullptr);
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
    UINT EnableMenuItem(UINT item, UINT flags);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    // The popup at the position, as a temporary object (owned by this menu), or NULL.
    CMenu* GetSubMenu(int position);
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

private:
    CMenu* m_pSubMenu = nullptr;

    HMENU m_hMenu = nullptr;
};
