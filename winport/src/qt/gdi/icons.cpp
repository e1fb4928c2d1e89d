// Icons: LoadImage of ICON resources (the platform's standard icons, named by the resource's file)
// and of image files, DestroyIcon. An icon handle is the address of its object, checked against
// the set of live icons before use.
#include "icons.h"
#include "base/syserror.h"
#include "qt/windows/qtapp.h"
#include "resources/resources.h"
#include "winport/paths.h"

#include <QApplication>
#include <QImageReader>
#include <QStyle>
#include <cstring>
#include <strings.h>
#include <unordered_set>

namespace winport {
namespace {
    struct IconObject {
        QPixmap pixmap;
    };
    std::unordered_set<IconObject*>& liveIcons()
    {
        static std::unordered_set<IconObject*> icons;
        return icons;
    }
    IconObject* iconObject(HICON icon)
    {
        auto* object = reinterpret_cast<IconObject*>(icon);
        return liveIcons().count(object) ? object : nullptr;
    }

    // The standard icon that an ICON resource's file names, or false.
    bool standardIcon(const std::string& file, QStyle::StandardPixmap* which)
    {
        static const struct {
            const char* file;
            QStyle::StandardPixmap pixmap;
        } table[] = {
            { "folder.ico", QStyle::SP_DirIcon },
            { "file.ico", QStyle::SP_FileIcon },
            { "drive.ico", QStyle::SP_DriveHDIcon },
            { "cdrom.ico", QStyle::SP_DriveCDIcon },
            { "netdrive.ico", QStyle::SP_DriveNetIcon },
        };
        std::string base = file.substr(file.find_last_of("/\\") + 1);
        for (const auto& entry : table) {
            if (strcasecmp(base.c_str(), entry.file) == 0) {
                *which = entry.pixmap;
                return true;
            }
        }
        return false;
    }

    HICON makeIcon(const QPixmap& pixmap)
    {
        auto* object = new IconObject { pixmap };
        liveIcons().insert(object);
        return reinterpret_cast<HICON>(object);
    }

    // A size of 0 takes the platform's icon size (the resource's own size on Windows).
    QSize iconSize(int cx, int cy)
    {
        int standard = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
        return QSize(cx > 0 ? cx : standard, cy > 0 ? cy : standard);
    }
}

QPixmap iconPixmap(HICON icon)
{
    IconObject* object = iconObject(icon);
    return object ? object->pixmap : QPixmap();
}

HICON iconFromPixmap(const QPixmap& pixmap) { return makeIcon(pixmap); }
}

HANDLE LoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    if (!name)
        return winport::fail(ERROR_INVALID_PARAMETER, static_cast<HANDLE>(nullptr));
    if (type != IMAGE_ICON)
        return winport::fail(ERROR_NOT_SUPPORTED, static_cast<HANDLE>(nullptr));
    winport::ensureApplication();
    QSize size = winport::iconSize(cx, cy);
    if (flags & LR_LOADFROMFILE) {
        if (IS_INTRESOURCE(name))
            return winport::fail(ERROR_INVALID_PARAMETER, static_cast<HANDLE>(nullptr));
        QImageReader reader(QString::fromStdString(winport::toNativePath(name)));
        QImage image = reader.read();
        if (image.isNull())
            return winport::fail(ERROR_FILE_NOT_FOUND, static_cast<HANDLE>(nullptr));
        return winport::makeIcon(QPixmap::fromImage(
            image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    const winport::IconResource* resource = winport::findIconResource(instance, name);
    if (!resource)
        return winport::fail(ERROR_RESOURCE_NAME_NOT_FOUND, static_cast<HANDLE>(nullptr));
    QStyle::StandardPixmap which;
    if (!winport::standardIcon(resource->file, &which))
        return winport::fail(ERROR_FILE_NOT_FOUND, static_cast<HANDLE>(nullptr));
    return winport::makeIcon(QApplication::style()->standardIcon(which).pixmap(size));
}

HICON LoadIcon(HINSTANCE instance, LPCSTR name)
{
    return static_cast<HICON>(LoadImage(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

BOOL DestroyIcon(HICON icon)
{
    winport::IconObject* object = winport::iconObject(icon);
    if (!object)
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    winport::liveIcons().erase(object);
    delete object;
    return TRUE;
}
