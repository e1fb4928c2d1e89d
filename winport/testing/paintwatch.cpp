// Paint events of a window's widgets, seen by an event filter; waiting for a window to be exposed.
#include "winport/testinput.h"
#include "windowwidget.h"

#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace winport::testing {
namespace {
    class PaintFilter : public QObject {
    public:
        PaintFilter(std::function<void()> onPaint, QObject* parent)
            : QObject(parent)
            , m_onPaint(std::move(onPaint))
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                m_onPaint();
            return false;
        }

    private:
        std::function<void()> m_onPaint;
    };
}

bool WaitExposed(HWND hwnd, int timeoutMs)
{
    QWidget* widget = widgetOfWindow(hwnd);
    QWindow* window = widget ? widget->window()->windowHandle() : nullptr;
    return window && QTest::qWaitForWindowExposed(window, timeoutMs);
}

bool WatchPaints(HWND hwnd, std::function<void()> onPaint)
{
    QWidget* widget = widgetOfWindow(hwnd);
    if (!widget || !onPaint)
        return false;
    auto* filter = new PaintFilter(std::move(onPaint), widget);
    widget->installEventFilter(filter);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(filter);
    return true;
}
}
