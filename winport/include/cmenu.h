// CMenu: owns an HMENU (destroyed with the object unless detached) and wraps the menu functions.
#pragma once

#include "winport/export.h"
#include "wintypes.h"
#include "winuser.h"

class WINPORT_API CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
    UINT EnableMenuItem(UINT item, UINT flags);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;

    HMENU m_hMenu = nullptr;
};
