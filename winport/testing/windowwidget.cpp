#include "windowwidget.h"
#include "qt/windows/windowmanager.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace winport::testing {
QWidget* widgetOfWindow(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd) || !qApp)
        return nullptr;
    const auto key = static_cast<qulonglong>(reinterpret_cast<uintptr_t>(hwnd));
    auto isOfWindow = [key](const QWidget* widget) {
        QVariant v = widget->property(kHandleProperty);
        return v.isValid() && v.value<qulonglong>() == key;
    };
    // A window with a menu bar has a client widget inside its own widget that carries the same
    // handle: the window's widget is the outermost one.
    for (QWidget* widget : QApplication::allWidgets()) {
        if (!isOfWindow(widget))
            continue;
        while (widget->parentWidget() && isOfWindow(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget;
    }
    return nullptr;
}
}
