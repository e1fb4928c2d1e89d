// Buttons ("Button"): push buttons, check boxes, radio buttons and group boxes. A user's click
// sends BN_CLICKED; automatic check boxes and radio buttons change their own state first.
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace winport {
namespace {
    // Check boxes and radio buttons that change state on a click only when automatic and, as
    // in Windows, take clicks anywhere in their window, not only on the box and its label.
    template <class Base> class StatefulButton : public Base {
    public:
        bool automatic = false;

    protected:
        void nextCheckState() override
        {
            if (automatic)
                Base::nextCheckState();
        }
        bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
    };

    class Button : public Control {
    public:
        Button(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_type(static_cast<DWORD>(cs.style) & BS_TYPEMASK)
        {
            switch (m_type) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE: {
                auto* box = new StatefulButton<QCheckBox>;
                box->automatic = m_type == BS_AUTOCHECKBOX || m_type == BS_AUTO3STATE;
                box->setTristate(m_type == BS_3STATE || m_type == BS_AUTO3STATE);
                m_button = box;
                break;
            }
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON: {
                auto* radio = new StatefulButton<QRadioButton>;
                radio->setAutoExclusive(false);
                m_button = radio;
                break;
            }
            case BS_GROUPBOX:
                m_group = new QGroupBox;
                // Like Windows group boxes, clicks go through to what lies under the frame.
                m_group->setAttribute(Qt::WA_TransparentForMouseEvents);
                break;
            default: {
                auto* push = new QPushButton;
                push->setDefault(m_type == BS_DEFPUSHBUTTON);
                push->setAutoDefault(false);
                m_button = push;
                break;
            }
            }
            if (m_button)
                QObject::connect(
                    m_button, &QAbstractButton::clicked, &m_context, [this] { clicked(); });
        }

        QWidget* widget() const override
        {
            return m_button ? static_cast<QWidget*>(m_button) : static_cast<QWidget*>(m_group);
        }

        void showText() override
        {
            if (m_button)
                m_button->setText(toQt(m_window.text));
            else
                m_group->setTitle(toQt(m_window.text));
        }

        bool handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
        {
            switch (message) {
            case BM_GETCHECK:
                result = check();
                return true;
            case BM_SETCHECK:
                setCheck(static_cast<int>(wParam));
                result = 0;
                return true;
            case BM_GETSTATE:
                result = check() | (m_button && m_button->isDown() ? BST_PUSHED : 0)
                    | (GetFocus() == m_window.handle ? BST_FOCUS : 0);
                return true;
            case BM_SETSTATE:
                if (m_button)
                    m_button->setDown(wParam != 0);
                result = 0;
                return true;
            case BM_CLICK:
                if (m_button && IsWindowEnabled(m_window.handle))
                    m_button->click();
                result = 0;
                return true;
            case BM_SETSTYLE:
                setStyle(static_cast<DWORD>(wParam));
                result = 0;
                return true;
            case WM_GETDLGCODE:
                result = dialogCode();
                return true;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                if (m_window.style & BS_NOTIFY)
                    notifyCommand(message == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
                return false;
            default:
                return false;
            }
        }

    private:
        bool isCheckable() const { return m_button && m_button->isCheckable(); }
        bool isRadio() const { return m_type == BS_RADIOBUTTON || m_type == BS_AUTORADIOBUTTON; }

        int check() const
        {
            if (!isCheckable())
                return BST_UNCHECKED;
            if (auto* box = qobject_cast<QCheckBox*>(m_button)) {
                Qt::CheckState state = box->checkState();
                return state == Qt::Checked         ? BST_CHECKED
                    : state == Qt::PartiallyChecked ? BST_INDETERMINATE
                                                    : BST_UNCHECKED;
            }
            return m_button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        }

        void setCheck(int state)
        {
            if (!isCheckable())
                return;
            QSignalBlocker block(m_button);
            if (auto* box = qobject_cast<QCheckBox*>(m_button)) {
                box->setCheckState(state == BST_CHECKED                   ? Qt::Checked
                        : state == BST_INDETERMINATE && box->isTristate() ? Qt::PartiallyChecked
                                                                          : Qt::Unchecked);
                return;
            }
            m_button->setChecked(state == BST_CHECKED);
        }

        void setStyle(DWORD style)
        {
            DWORD type = style & BS_TYPEMASK;
            if (auto* push = qobject_cast<QPushButton*>(m_button);
                push && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
                push->setDefault(type == BS_DEFPUSHBUTTON);
                m_type = type;
            }
            m_window.style = (m_window.style & ~static_cast<DWORD>(BS_TYPEMASK)) | m_type;
        }

        LRESULT dialogCode() const
        {
            if (m_group)
                return DLGC_STATIC;
            if (isRadio())
                return DLGC_BUTTON | DLGC_RADIOBUTTON;
            if (m_type == BS_DEFPUSHBUTTON)
                return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
            if (m_type == BS_PUSHBUTTON)
                return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
            return DLGC_BUTTON;
        }

        // An automatic radio button checks itself and clears the others of its group.
        void clearGroupRadios()
        {
            HWND parent = m_window.parent;
            for (HWND h = GetNextDlgGroupItem(parent, m_window.handle, FALSE);
                 h && h != m_window.handle; h = GetNextDlgGroupItem(parent, h, FALSE)) {
                if ((GetWindowLongPtr(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                    SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }

        void clicked()
        {
            if (m_type == BS_AUTORADIOBUTTON) {
                setCheck(BST_CHECKED);
                clearGroupRadios();
            }
            notifyCommand(BN_CLICKED);
        }

        DWORD m_type;
        QAbstractButton* m_button = nullptr;
        QGroupBox* m_group = nullptr;
    };
}
}

std::unique_ptr<winport::Control> winport::makeButtonControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<Button>(w, cs);
}
