// Static controls ("Static"): text with the Windows prefix rule ("&&" is "&", a single "&" marks
// the mnemonic), alignment, frames; SS_NOTIFY sends STN_CLICKED.
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QLabel>

namespace winport {
namespace {
    class Static : public Control {
    public:
        Static(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_label(new QLabel)
        {
            DWORD style = static_cast<DWORD>(cs.style);
            DWORD type = style & SS_TYPEMASK;
            Qt::Alignment align = Qt::AlignLeft;
            if (type == SS_CENTER)
                align = Qt::AlignHCenter;
            else if (type == SS_RIGHT)
                align = Qt::AlignRight;
            m_label->setAlignment(
                align | ((style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
            m_label->setWordWrap(type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
            if (type == SS_ETCHEDHORZ || type == SS_ETCHEDFRAME || type == SS_BLACKRECT)
                m_label->setFrameStyle(QFrame::Box | QFrame::Sunken);
            if (style & SS_SUNKEN)
                m_label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            if (!(style & SS_NOTIFY))
                m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
        }

        QWidget* widget() const override { return m_label; }

        void showText() override
        {
            if ((m_window.style & SS_TYPEMASK) == SS_ICON)
                return;
            std::string shown;
            const std::string& text = m_window.text;
            bool prefix = !(m_window.style & SS_NOPREFIX);
            for (size_t i = 0; i < text.size(); ++i) {
                if (prefix && text[i] == '&') {
                    if (i + 1 < text.size() && text[i + 1] == '&')
                        shown += text[++i];
                    continue;
                }
                shown += text[i];
            }
            QString s = toQt(shown);
            s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            m_label->setTextFormat(Qt::PlainText);
            m_label->setText(s);
        }

        bool handle(UINT message, WPARAM, LPARAM, LRESULT&) override
        {
            if ((m_window.style & SS_NOTIFY) && message == WM_LBUTTONUP)
                notifyCommand(STN_CLICKED);
            if ((m_window.style & SS_NOTIFY) && message == WM_LBUTTONDBLCLK)
                notifyCommand(STN_DBLCLK);
            return false;
        }

    private:
        QLabel* m_label;
    };
}
}

std::unique_ptr<winport::Control> winport::makeStaticControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<Static>(w, cs);
}
