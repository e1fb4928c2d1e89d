#include "ccmdtarget.h"

#include <windows.h>

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(
    const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
    }
    return nullptr;
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
