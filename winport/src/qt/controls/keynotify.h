// The key notifications of the list and tree views: the parent hears of a key (LVN_KEYDOWN,
// TVN_KEYDOWN with its record) and then of Return (NM_RETURN) before the control acts on them.
#pragma once

#include <commctrl.h>

namespace winport {

// KeyDown: NMLVKEYDOWN or NMTVKEYDOWN; notify: the control's WM_NOTIFY to its parent.
template <typename KeyDown, typename Notify>
void notifyKeyDown(Notify notify, UINT code, WPARAM key)
{
    KeyDown info {};
    info.wVKey = static_cast<WORD>(key);
    notify(code, &info.hdr);
    if (key == VK_RETURN) {
        NMHDR header {};
        notify(NM_RETURN, &header);
    }
}

}
