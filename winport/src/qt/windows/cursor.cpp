// Cursors: the wait and arrow cursors (and the other standard shapes) as Qt override cursors.
#include "qtapp.h"

#include <windows.h>

#include <QApplication>
#include <QCursor>

namespace {
HCURSOR g_current = nullptr;

bool isStandard(ULONG_PTR id)
{
    switch (id) {
    case 32512:
    case 32513:
    case 32514:
    case 32515:
    case 32646:
    case 32649:
    case 32650:
        return true;
    default:
        return false;
    }
}

Qt::CursorShape shapeOf(ULONG_PTR id)
{
    switch (id) {
    case 32513:
        return Qt::IBeamCursor;
    case 32514:
        return Qt::WaitCursor;
    case 32515:
        return Qt::CrossCursor;
    case 32646:
        return Qt::SizeAllCursor;
    case 32649:
        return Qt::PointingHandCursor;
    case 32650:
        return Qt::BusyCursor;
    default:
        return Qt::ArrowCursor;
    }
}
}

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name)
{
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || !isStandard(id))
        return nullptr;
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR SetCursor(HCURSOR cursor)
{
    winport::ensureApplication();
    HCURSOR previous = g_current;
    g_current = cursor;
    Qt::CursorShape shape = shapeOf(reinterpret_cast<ULONG_PTR>(cursor));
    if (!cursor || shape == Qt::ArrowCursor) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    } else if (QApplication::overrideCursor()) {
        QApplication::changeOverrideCursor(QCursor(shape));
    } else {
        QApplication::setOverrideCursor(QCursor(shape));
    }
    return previous;
}

HCURSOR GetCursor() { return g_current; }

BOOL GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    winport::ensureApplication();
    QPoint p = QCursor::pos();
    *point = POINT { p.x(), p.y() };
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    winport::ensureApplication();
    QCursor::setPos(x, y);
    return TRUE;
}
