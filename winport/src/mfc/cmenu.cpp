#include "cmenu.h"
#include "handlemember.h"
#include "cwnd.h"

CMenu::~CMenu()
{
    if (m_pSubMenu) {
        // The popup belongs to this menu and goes with it.
        m_pSubMenu->Detach();
        delete m_pSubMenu;
    }
    DestroyMenu();
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu()
{
    HMENU menu = Detach();
    return menu ? ::DestroyMenu(menu) : FALSE;
}

BOOL CMenu::Attach(HMENU menu) { return winport::attachHandle(m_hMenu, menu); }

HMENU CMenu::Detach() { return winport::detachHandle(m_hMenu); }

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

BOOL CMenu::LoadMenu(UINT id, HINSTANCE module) { return LoadMenu(MAKEINTRESOURCE(id), module); }

BOOL CMenu::LoadMenu(LPCSTR name, HINSTANCE module)
{
    if (m_hMenu)
        return FALSE;
    return Attach(::LoadMenu(module, name));
}

CMenu* CMenu::GetSubMenu(int position)
{
    HMENU popup = ::GetSubMenu(m_hMenu, position);
    if (!popup)
        return nullptr;
    if (!m_pSubMenu)
        m_pSubMenu = new CMenu;
    m_pSubMenu->Detach();
    m_pSubMenu->Attach(popup);
    return m_pSubMenu;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, rect);
}
