// CImageList: an image list handle with its functions as members; the object destroys the list
// it holds.
#pragma once

#include "commctrl.h"

class WINPORT_API CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    // initial and grow are sizes hints; FALSE when the list already exists or the size is bad.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();

    // The new image's index, or -1.
    int Add(HICON icon);
    int Replace(int index, HICON icon);
    BOOL Remove(int index);
    int GetImageCount() const;
    HICON ExtractIcon(int index);
};
