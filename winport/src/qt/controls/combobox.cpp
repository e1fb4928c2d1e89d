// Combo boxes ("ComboBox"): a list of strings with item data and, except for drop-down lists, an
// edit field. A user's choice sends CBN_SELCHANGE; typing sends CBN_EDITUPDATE and CBN_EDITCHANGE.
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "stringlist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <cstring>

namespace winport {
namespace {
    const StringListMessages kMessages { CBS_SORT, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
        CB_RESETCONTENT, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN,
        CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_SELECTSTRING, CB_GETITEMDATA, CB_SETITEMDATA };

    class ComboBox : public StringListControl {
    public:
        ComboBox(Window& window, const CREATESTRUCTA& cs)
            : StringListControl(window, kMessages)
            , m_combo(new QComboBox)
        {
            DWORD kind = static_cast<DWORD>(cs.style) & 3;
            m_combo->setEditable(kind != CBS_DROPDOWNLIST);
            m_combo->setInsertPolicy(QComboBox::NoInsert);
            // The window is as tall as the field; the list drops below it.
            m_combo->setMaximumHeight(m_combo->sizeHint().height());
            QObject::connect(m_combo, &QComboBox::currentIndexChanged, &m_context, [this] {
                if (!m_updating)
                    notifyCommand(CBN_SELCHANGE);
            });
            if (QLineEdit* edit = m_combo->lineEdit()) {
                QObject::connect(edit, &QLineEdit::textEdited, &m_context, [this] {
                    notifyCommand(CBN_EDITUPDATE);
                    notifyCommand(CBN_EDITCHANGE);
                });
            }
        }

        QWidget* widget() const override { return m_combo; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            if (handleStrings(message, wParam, lParam, result))
                return true;
            const char* text = reinterpret_cast<const char*>(lParam);
            switch (message) {
            case CB_LIMITTEXT:
                if (QLineEdit* edit = m_combo->lineEdit())
                    edit->setMaxLength(wParam == 0 ? 0x7FFFFFFF : static_cast<int>(wParam));
                result = TRUE;
                return true;
            case CB_SHOWDROPDOWN:
                if (wParam)
                    m_combo->showPopup();
                else
                    m_combo->hidePopup();
                result = TRUE;
                return true;
            case CB_GETDROPPEDSTATE:
                result = m_combo->view()->isVisible() ? TRUE : FALSE;
                return true;
            case WM_SETTEXT:
                result = setText(text ? text : "");
                return true;
            case WM_GETTEXT: {
                std::string current = currentText();
                if (!lParam || wParam == 0) {
                    result = 0;
                    return true;
                }
                size_t n = std::min(current.size(), static_cast<size_t>(wParam - 1));
                std::memcpy(reinterpret_cast<char*>(lParam), current.data(), n);
                reinterpret_cast<char*>(lParam)[n] = '\0';
                result = static_cast<LRESULT>(n);
                return true;
            }
            case WM_GETTEXTLENGTH:
                result = static_cast<LRESULT>(currentText().size());
                return true;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                notifyCommand(message == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
                return false;
            default:
                return false;
            }
        }

    private:
        void showInserted(int index, const std::string& text) override
        {
            QString edited = m_combo->isEditable() ? m_combo->currentText() : QString();
            int current = m_combo->currentIndex();
            m_combo->insertItem(index, toQt(text));
            // Windows leaves the selection alone when strings are added.
            m_combo->setCurrentIndex(current < 0 ? -1 : (current >= index ? current + 1 : current));
            if (current < 0 && m_combo->isEditable())
                m_combo->setEditText(edited);
        }
        void showRemoved(int index) override { m_combo->removeItem(index); }
        void showCleared() override { m_combo->clear(); }

        int currentSelection() const override
        {
            return m_combo->currentIndex() < 0 ? CB_ERR : m_combo->currentIndex();
        }

        LRESULT select(int index) override
        {
            Updating guard(*this);
            if (!valid(index)) {
                m_combo->setCurrentIndex(-1);
                if (m_combo->isEditable())
                    m_combo->setEditText(QString());
                return CB_ERR;
            }
            m_combo->setCurrentIndex(index);
            return index;
        }

        LRESULT setText(const char* text)
        {
            if (m_combo->isEditable()) {
                Updating guard(*this);
                m_combo->setEditText(toQt(text));
                return TRUE;
            }
            int found = find(-1, text, true);
            if (found == CB_ERR)
                return CB_ERR;
            select(found);
            return TRUE;
        }

        std::string currentText() const
        {
            if (m_combo->isEditable())
                return fromQt(m_combo->currentText());
            int index = m_combo->currentIndex();
            return valid(index) ? textAt(index) : std::string();
        }

        QComboBox* m_combo;
    };
}
}

std::unique_ptr<winport::Control> winport::makeComboBoxControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<ComboBox>(w, cs);
}
