// Screenshots of windows as PNG files.
#include "winport/testinput.h"
#include "windowwidget.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace winport::testing {
bool SaveWindowPng(HWND hwnd, const char* path)
{
    QWidget* widget = widgetOfWindow(hwnd);
    if (!widget || !path)
        return false;
    return widget->grab().save(QString::fromLocal8Bit(path), "PNG");
}
}
