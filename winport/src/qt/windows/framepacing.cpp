// The widget repaint manager asks for a top-level repaint with one UpdateRequest event and asks
// no more until that request is handled; holding the request back therefore coalesces every
// change until it is handled. A headless process drops the request instead, and the exposure
// of a newly shown window that would paint it first: the manager then never asks again.
#include "framepacing.h"
#include "qtapp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace winport {
namespace {
    constexpr qint64 kFrameMs = 16;
    const char* const kLastPaint = "winportLastPaintMs";
    const char* const kHeldBack = "winportPaintHeldBack";

    qint64 nowMs()
    {
        static QElapsedTimer clock = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return clock.elapsed();
    }

    class FramePacer : public QObject {
    public:
        bool eventFilter(QObject* object, QEvent* event) override
        {
            if (headless()) {
                if (event->type() == QEvent::Show && object->isWidgetType()) {
                    // The window's surface exists now; its exposure comes later.
                    if (QWindow* surface = static_cast<QWidget*>(object)->windowHandle())
                        surface->installEventFilter(this);
                    return false;
                }
                return event->type() == QEvent::UpdateRequest || event->type() == QEvent::Expose;
            }
            if (event->type() != QEvent::UpdateRequest || !object->isWidgetType())
                return false;
            const qint64 now = nowMs();
            const QVariant last = object->property(kLastPaint);
            const qint64 due = last.isValid() ? last.toLongLong() + kFrameMs : now;
            if (now >= due) {
                object->setProperty(kLastPaint, now);
                object->setProperty(kHeldBack, false);
                return false;
            }
            if (!object->property(kHeldBack).toBool()) {
                object->setProperty(kHeldBack, true);
                QTimer::singleShot(static_cast<int>(due - now), object, [object] {
                    QCoreApplication::postEvent(object, new QEvent(QEvent::UpdateRequest));
                });
            }
            return true;
        }
    };
}

void paintNextAtOnce(QWidget* topLevel)
{
    if (topLevel)
        topLevel->setProperty(kLastPaint, QVariant());
}

void paceRepaints(QWidget* topLevel)
{
    static FramePacer* pacer = new FramePacer;
    if (topLevel)
        topLevel->installEventFilter(pacer);
}

}
