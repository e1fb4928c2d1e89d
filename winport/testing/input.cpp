// Real input on windows through the window system (QTest), as a user's mouse and keyboard.
#include "winport/testinput.h"
#include "windowwidget.h"

#include <winport/testing.h>

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace winport::testing {
namespace {
    QWidget* visibleWidget(HWND hwnd)
    {
        QWidget* widget = widgetOfWindow(hwnd);
        if (!widget || !IsWindowVisible(hwnd))
            return nullptr;
        if (!widget->window()->windowHandle())
            return nullptr;
        return widget;
    }

    Qt::MouseButton buttonOf(int button)
    {
        return button == VK_RBUTTON ? Qt::RightButton : Qt::LeftButton;
    }
}

namespace {
    // Moves the pointer over a client point of a visible window, as a user's hand would before
    // clicking; gives the window's top-level widget and the point in it.
    QWidget* pointAt(HWND hwnd, int x, int y, QPoint* inTop)
    {
        QWidget* widget = visibleWidget(hwnd);
        if (!widget)
            return nullptr;
        QWidget* top = widget->window();
        *inTop = widget->mapTo(top, QPoint(x, y));
        QCursor::setPos(widget->mapToGlobal(QPoint(x, y)));
        return top;
    }
}

bool Click(HWND hwnd, int x, int y, int button)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseClick(top->windowHandle(), buttonOf(button), Qt::NoModifier, p);
    return true;
}

void ClickLater(HWND hwnd, int x, int y, int delayMs, int button)
{
    QTimer::singleShot(delayMs, qApp, [=] {
        if (!Click(hwnd, x, y, button))
            ReportScriptFailure("ClickLater: the window is gone or hidden");
    });
}

bool DoubleClick(HWND hwnd, int x, int y)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    return true;
}

bool MouseMove(HWND hwnd, int x, int y)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseMove(top->windowHandle(), p);
    return true;
}

namespace {
    Qt::Key qtKey(UINT vk)
    {
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            return static_cast<Qt::Key>(vk);
        if (vk >= VK_F1 && vk < VK_F1 + 24)
            return static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(vk - VK_F1));
        switch (vk) {
        case VK_RETURN:
            return Qt::Key_Return;
        case VK_ESCAPE:
            return Qt::Key_Escape;
        case VK_TAB:
            return Qt::Key_Tab;
        case VK_BACK:
            return Qt::Key_Backspace;
        case VK_DELETE:
            return Qt::Key_Delete;
        case VK_LEFT:
            return Qt::Key_Left;
        case VK_RIGHT:
            return Qt::Key_Right;
        case VK_UP:
            return Qt::Key_Up;
        case VK_DOWN:
            return Qt::Key_Down;
        case VK_HOME:
            return Qt::Key_Home;
        case VK_END:
            return Qt::Key_End;
        case VK_PRIOR:
            return Qt::Key_PageUp;
        case VK_NEXT:
            return Qt::Key_PageDown;
        case VK_SPACE:
            return Qt::Key_Space;
        default:
            return Qt::Key_unknown;
        }
    }

    QWidget* focusTarget(HWND hwnd)
    {
        QWidget* widget = visibleWidget(hwnd);
        if (!widget)
            return nullptr;
        if (GetFocus() != hwnd && !IsChild(hwnd, GetFocus()))
            SetFocus(hwnd);
        QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
        return target;
    }
}

bool PressKey(HWND hwnd, UINT virtualKey, bool shift, bool control)
{
    QWidget* target = focusTarget(hwnd);
    Qt::Key key = qtKey(virtualKey);
    if (!target || key == Qt::Key_unknown)
        return false;
    Qt::KeyboardModifiers modifiers;
    if (shift)
        modifiers |= Qt::ShiftModifier;
    if (control)
        modifiers |= Qt::ControlModifier;
    if (key == Qt::Key_Tab && shift)
        key = Qt::Key_Backtab;
    QTest::keyClick(target, key, modifiers);
    return true;
}

bool TypeText(HWND hwnd, const char* text)
{
    QWidget* target = focusTarget(hwnd);
    if (!target || !text)
        return false;
    QTest::keyClicks(target, QString::fromLatin1(text));
    return true;
}
}
