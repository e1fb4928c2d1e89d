// Image lists: images of one size, held as pixmaps scaled to that size when added. A list handle
// is the address of its object, checked against the set of live lists before use.
#include "icons.h"
#include "base/syserror.h"

#include <unordered_set>
#include <vector>

namespace winport {
namespace {
    struct ImageList {
        QSize size;
        std::vector<QPixmap> images;
    };
    std::unordered_set<ImageList*>& liveLists()
    {
        static std::unordered_set<ImageList*> lists;
        return lists;
    }
    ImageList* listOf(HIMAGELIST handle)
    {
        auto* list = reinterpret_cast<ImageList*>(handle);
        return liveLists().count(list) ? list : nullptr;
    }
}

QPixmap imageListPixmap(HIMAGELIST handle, int index)
{
    ImageList* list = listOf(handle);
    if (!list || index < 0 || index >= static_cast<int>(list->images.size()))
        return QPixmap();
    return list->images[static_cast<size_t>(index)];
}

QSize imageListSize(HIMAGELIST handle)
{
    ImageList* list = listOf(handle);
    return list ? list->size : QSize();
}
}

HIMAGELIST ImageList_Create(int cx, int cy, UINT, int initial, int)
{
    if (cx <= 0 || cy <= 0)
        return winport::fail(ERROR_INVALID_PARAMETER, static_cast<HIMAGELIST>(nullptr));
    auto* list = new winport::ImageList;
    list->size = QSize(cx, cy);
    list->images.reserve(static_cast<size_t>(initial > 0 ? initial : 0));
    winport::liveLists().insert(list);
    return reinterpret_cast<HIMAGELIST>(list);
}

BOOL ImageList_Destroy(HIMAGELIST handle)
{
    winport::ImageList* list = winport::listOf(handle);
    if (!list)
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    winport::liveLists().erase(list);
    delete list;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle)
{
    winport::ImageList* list = winport::listOf(handle);
    return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy)
{
    winport::ImageList* list = winport::listOf(handle);
    if (!list || !cx || !cy)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    *cx = list->size.width();
    *cy = list->size.height();
    return TRUE;
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON icon)
{
    winport::ImageList* list = winport::listOf(handle);
    QPixmap pixmap = winport::iconPixmap(icon);
    if (!list || pixmap.isNull() || index < -1 || index >= static_cast<int>(list->images.size()))
        return winport::fail(ERROR_INVALID_PARAMETER, -1);
    QPixmap scaled = pixmap.size() == list->size
        ? pixmap
        : pixmap.scaled(list->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (index == -1) {
        list->images.push_back(scaled);
        return static_cast<int>(list->images.size()) - 1;
    }
    list->images[static_cast<size_t>(index)] = scaled;
    return index;
}

BOOL ImageList_Remove(HIMAGELIST handle, int index)
{
    winport::ImageList* list = winport::listOf(handle);
    if (!list || index < -1 || index >= static_cast<int>(list->images.size()))
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    if (index == -1)
        list->images.clear();
    else
        list->images.erase(list->images.begin() + index);
    return TRUE;
}

HICON ImageList_GetIcon(HIMAGELIST handle, int index, UINT)
{
    QPixmap pixmap = winport::imageListPixmap(handle, index);
    if (pixmap.isNull())
        return winport::fail(ERROR_INVALID_PARAMETER, static_cast<HICON>(nullptr));
    return winport::iconFromPixmap(pixmap);
}
