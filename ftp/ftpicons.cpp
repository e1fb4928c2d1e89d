#include "ftp/ftpicons.h"

#include "app/tessilo.h"

bool ftpIconsCreate(CImageList& images, int size)
{
    return images.GetSafeHandle() || images.Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1);
}

int ftpIconsAdd(CImageList& images, int iconId, int size)
{
    HANDLE icon = ::LoadImage(
        CTessiloApp::GetLibraryModule(), MAKEINTRESOURCE(iconId), IMAGE_ICON, size, size, 0);
    return icon ? images.Add(static_cast<HICON>(icon)) : -1;
}
