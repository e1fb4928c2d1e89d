// Progress bars ("msctls_progress32"): range, position and step; stepping past the end starts
// over from the low end, as Windows does.
#include "controlclasses.h"
#include "qt/windows/window.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace winport {
namespace {
    // Drawn as the native control draws itself: a bordered well filled in proportion to the
    // position. A position that changes the fill repaints at once, as the native control does in
    // a loop that dispatches nothing; within 15 ms of the last repaint the next one waits for a
    // timer, so a copy loop's steps cost no more than 66 repaints a second.
    class Bar : public QWidget {
    public:
        Bar()
        {
            setAttribute(Qt::WA_OpaquePaintEvent);
            m_timer.setSingleShot(true);
            QObject::connect(&m_timer, &QTimer::timeout, this, [this] { paintNow(); });
        }

        void set(int low, int high, int pos, bool vertical)
        {
            m_low = low;
            m_high = high;
            m_pos = pos;
            m_vertical = vertical;
            if (fill(rect()) == m_paintedFill || m_timer.isActive())
                return;
            qint64 since = m_clock.isValid() ? m_clock.elapsed() : kInterval;
            if (since >= kInterval)
                paintNow();
            else
                m_timer.start(static_cast<int>(kInterval - since));
        }

    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter painter(this);
            const QRect all = rect();
            painter.fillRect(all, palette().color(QPalette::Base));
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(all.adjusted(0, 0, -1, -1));
            m_paintedFill = fill(all);
            m_clock.start();
            if (m_paintedFill.isEmpty())
                return;
            painter.fillRect(m_paintedFill, palette().color(QPalette::Highlight));
        }

    private:
        static constexpr qint64 kInterval = 15;

        // The filled part of the well inside the border.
        QRect fill(const QRect& all) const
        {
            const long long span = static_cast<long long>(m_high) - m_low;
            const long long done = static_cast<long long>(m_pos) - std::min(m_low, m_high);
            QRect well = all.adjusted(2, 2, -2, -2);
            if (span == 0 || done <= 0 || well.isEmpty())
                return QRect();
            const long long whole = span < 0 ? -span : span;
            if (m_vertical)
                well.setTop(well.bottom() + 1 - static_cast<int>(well.height() * done / whole));
            else
                well.setWidth(static_cast<int>(well.width() * done / whole));
            return well.isEmpty() ? QRect() : well;
        }

        // The clock starts at the request too: a window that is never painted (a headless
        // process) would otherwise ask again on every step.
        void paintNow()
        {
            m_clock.start();
            if (isVisible())
                repaint();
            else
                update();
        }

        int m_low = 0, m_high = 100, m_pos = 0;
        bool m_vertical = false;
        QRect m_paintedFill;
        QElapsedTimer m_clock;
        QTimer m_timer;
    };

    class Progress : public Control {
    public:
        Progress(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_bar(new Bar)
        {
            m_vertical = (cs.style & PBS_VERTICAL) != 0;
            apply();
        }

        QWidget* widget() const override { return m_bar; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            switch (message) {
            case PBM_SETRANGE:
                result = MAKELRESULT(m_low, m_high);
                setRange(LOWORD(lParam), HIWORD(lParam));
                return true;
            case PBM_SETRANGE32:
                result = MAKELRESULT(m_low, m_high);
                setRange(static_cast<int>(static_cast<LONG>(wParam)),
                    static_cast<int>(static_cast<LONG>(lParam)));
                return true;
            case PBM_GETRANGE:
                if (auto* range = reinterpret_cast<PBRANGE*>(lParam))
                    *range = PBRANGE { m_low, m_high };
                result = wParam ? m_low : m_high;
                return true;
            case PBM_SETPOS:
                result = m_pos;
                setPos(static_cast<int>(static_cast<LONG>(wParam)));
                return true;
            case PBM_DELTAPOS:
                result = m_pos;
                setPos(m_pos + static_cast<int>(static_cast<LONG>(wParam)));
                return true;
            case PBM_GETPOS:
                result = m_pos;
                return true;
            case PBM_SETSTEP:
                result = m_step;
                m_step = static_cast<int>(static_cast<LONG>(wParam));
                return true;
            case PBM_STEPIT: {
                result = m_pos;
                int next = m_pos + m_step;
                if ((next < m_low || next > m_high) && m_high != m_low)
                    next = m_low + (next - m_low) % (m_high - m_low);
                setPos(next);
                return true;
            }
            default:
                return false;
            }
        }

    private:
        void setRange(int low, int high)
        {
            m_low = low;
            m_high = high;
            setPos(m_pos);
        }

        void setPos(int pos)
        {
            m_pos = std::clamp(pos, std::min(m_low, m_high), std::max(m_low, m_high));
            apply();
        }

        void apply() { m_bar->set(m_low, m_high, m_pos, m_vertical); }

        Bar* m_bar;
        int m_low = 0, m_high = 100, m_pos = 0, m_step = 10;
        bool m_vertical = false;
    };
}
}

std::unique_ptr<winport::Control> winport::makeProgressControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<Progress>(w, cs);
}
