#include "sqlpages/sqleditcell.h"
#include "sqlpages/sqllist.h"

BEGIN_MESSAGE_MAP(SQLEditCell, CEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillfocus)
END_MESSAGE_MAP()

SQLEditCell::SQLEditCell(SQLList* list, unsigned int id, RECT rect, long* result)
    : m_list(list)
    , m_id(id)
    , m_rect(rect)
    , m_created(1)
{
    if (!list || !Create(0x50800080, rect, list, id)) {
        if (result)
            *result = E_FAIL;
        return;
    }
    SetFont(list->GetFont());
    SetFocus();
}

CString SQLEditCell::SetTextOriginal(CString text)
{
    CString previous = m_original;
    m_original = text;
    return previous;
}

// The list deletes the editor when the posted message arrives, outside this handler.
void SQLEditCell::OnKillfocus()
{
    m_list->SetCellEditEnded(1);
    ::PostMessage(m_list->GetSafeHwnd(), WM_KILLFOCUS, 0, 0);
}
