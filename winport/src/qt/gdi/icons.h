// The objects behind HICON and HIMAGELIST handles, for the controls that draw them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <QPixmap>

namespace winport {
// The image of an icon handle; a null pixmap for an unknown handle.
QPixmap iconPixmap(HICON icon);
// A new icon handle of a pixmap.
HICON iconFromPixmap(const QPixmap& pixmap);
// The image at index of an image list; a null pixmap for an unknown list or index.
QPixmap imageListPixmap(HIMAGELIST list, int index);
// The image size of a list; an empty size for an unknown list.
QSize imageListSize(HIMAGELIST list);
}
