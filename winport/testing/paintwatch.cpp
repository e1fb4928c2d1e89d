// Paint events of a window's widgets, seen by an event filter.
#include "winport/testinput.h"
#include "windowwidget.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

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
