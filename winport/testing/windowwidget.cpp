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
    for (QWidget* widget : QApplication::allWidgets()) {
        QVariant v = widget->property(kHandleProperty);
        if (v.isValid() && v.value<qulonglong>() == key)
            return widget;
    }
    return nullptr;
}
}
