#include "ccmdtarget.h"

#include <windows.h>

#include <cstdint>

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {
const AFX_MSGMAP_ENTRY* searchMaps(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

// The answers of recent searches, found or not. Message maps are constant tables, so an answer
// stays right; most messages a window gets have no handler and would otherwise walk every map
// of the class's chain each time. Window objects handle their messages on the one thread that
// runs the windows, as the objects' own table in cwnd.cpp assumes.
struct Searched {
    const AFX_MSGMAP* map = nullptr;
    UINT message = 0;
    UINT code = 0;
    UINT id = 0;
    const AFX_MSGMAP_ENTRY* entry = nullptr;
};
const size_t kSearchedSlots = 256;
Searched g_searched[kSearchedSlots];

size_t slotOf(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    size_t h = reinterpret_cast<uintptr_t>(map) >> 4;
    h = h * 31 + message;
    h = h * 31 + code;
    h = h * 31 + id;
    return (h ^ (h >> 8)) % kSearchedSlots;
}
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(
    const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    if (!map)
        return nullptr;
    Searched& slot = g_searched[slotOf(map, message, code, id)];
    if (slot.map != map || slot.message != message || slot.code != code || slot.id != id)
        slot = Searched { map, message, code, id, searchMaps(map, message, code, id) };
    return slot.entry;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    UINT kind = HIWORD(static_cast<UINT>(code));
    UINT message = kind == 0 ? WM_COMMAND : kind;
    const AFX_MSGMAP_ENTRY* entry
        = FindMessageEntry(GetMessageMap(), message, LOWORD(static_cast<UINT>(code)), id);
    if (!entry)
        return FALSE;
    if (handlerInfo) {
        handlerInfo->pTarget = this;
        handlerInfo->pmf = entry->pfn;
        return TRUE;
    }
    LRESULT ignored = 0;
    auto* notify = static_cast<AFX_NOTIFY*>(extra);
    AFX_MSGCALL call { 0, 0, notify && notify->pResult ? notify->pResult : &ignored, id, extra };
    return entry->pfn(this, call);
}

namespace {
int g_waitCount = 0;
}

void CCmdTarget::BeginWaitCursor()
{
    ++g_waitCount;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    if (g_waitCount > 0)
        --g_waitCount;
    SetCursor(LoadCursor(nullptr, g_waitCount > 0 ? IDC_WAIT : IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (g_waitCount > 0)
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
}
