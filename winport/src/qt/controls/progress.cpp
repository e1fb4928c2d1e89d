// Progress bars ("msctls_progress32"): range, position and step; stepping past the end starts
// over from the low end, as Windows does.
#include "controlclasses.h"
#include "qt/windows/window.h"

#include <QProgressBar>

namespace winport {
namespace {
    class Progress : public Control {
    public:
        Progress(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_bar(new QProgressBar)
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
