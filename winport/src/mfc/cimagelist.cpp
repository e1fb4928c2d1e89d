#include "cimagelist.h"
#include "handlemember.h"

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (m_hImageList)
        return FALSE;
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    BOOL done = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return done;
}

BOOL CImageList::Attach(HIMAGELIST list) { return winport::attachHandle(m_hImageList, list); }

HIMAGELIST CImageList::Detach() { return winport::detachHandle(m_hImageList); }

int CImageList::Add(HICON icon) { return ImageList_ReplaceIcon(m_hImageList, -1, icon); }

int CImageList::Replace(int index, HICON icon)
{
    return ImageList_ReplaceIcon(m_hImageList, index, icon);
}

BOOL CImageList::Remove(int index) { return ImageList_Remove(m_hImageList, index); }

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

HICON CImageList::ExtractIcon(int index) { return ImageList_GetIcon(m_hImageList, index, 0); }
