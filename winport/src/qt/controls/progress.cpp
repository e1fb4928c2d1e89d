// Progress bars ("msctls_progress32"): range, position and step; stepping past the end starts
// over from the low end, as Windows does.
#include "controlclasses.h"
#include "qt/windows/window.h"

#include <QPainter>
#include <QProgressBar>

namespace winport {
namespace {
    // Drawn as the native control draws itself: a bordered well filled in proportion to the
    // position. The style's bar (gradients, rounded corners, stripes) costs a copy loop more per
    // step than the step itself; this costs two rectangles and paints all its pixels.
    class Bar : public QProgressBar {
    public:
        Bar() { setAttribute(Qt::WA_OpaquePaintEvent); }

    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter painter(this);
            const QRect all = rect();
            painter.fillRect(all, palette().color(QPalette::Base));
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(all.adjusted(0, 0, -1, -1));
            const long long span = static_cast<long long>(maximum()) - minimum();
            const long long done = static_cast<long long>(value()) - minimum();
            if (span <= 0 || done <= 0)
                return;
            QRect well = all.adjusted(2, 2, -2, -2);
            if (orientation() == Qt::Horizontal)
                well.setWidth(static_cast<int>(well.width() * done / span));
            else
                well.setTop(well.bottom() + 1 - static_cast<int>(well.height() * done / span));
            painter.fillRect(well, palette().color(QPalette::Highlight));
        }
    };

    class Progress : public Control {
    public:
        Progress(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_bar(new Bar)
        {
            m_bar->setTextVisible(false);
            m_bar->setOrientation((cs.style & PBS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
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

        void apply()
        {
            m_bar->setRange(std::min(m_low, m_high), std::max(m_low, m_high));
            m_bar->setValue(m_pos);
        }

        QProgressBar* m_bar;
        int m_low = 0, m_high = 100, m_pos = 0, m_step = 10;
    };
}
}

std::unique_ptr<winport::Control> winport::makeProgressControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<Progress>(w, cs);
}
