// Combo boxes ("ComboBox"): a list of strings with item data and, except for drop-down lists, an
// edit field. A user's choice sends CBN_SELCHANGE; typing sends CBN_EDITUPDATE and CBN_EDITCHANGE.
#include "latin1.h"
#include "window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <strings.h>

namespace winport {
namespace {
    class ComboBox : public Control {
    public:
        ComboBox(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
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
            int index = static_cast<int>(static_cast<LONG>(wParam));
            const char* text = reinterpret_cast<const char*>(lParam);
            switch (message) {
            case CB_ADDSTRING:
                result = insert((m_window.style & CBS_SORT) ? sortedPosition(text) : count(), text);
                return true;
            case CB_INSERTSTRING:
                result = index > count() ? CB_ERR : insert(index < 0 ? count() : index, text);
                return true;
            case CB_DELETESTRING:
                if (!valid(index)) {
                    result = CB_ERR;
                    return true;
                }
                {
                    Updating guard(*this);
                    m_items.erase(m_items.begin() + index);
                    m_combo->removeItem(index);
                }
                result = count();
                return true;
            case CB_RESETCONTENT: {
                Updating guard(*this);
                m_items.clear();
                m_combo->clear();
                result = CB_OKAY;
                return true;
            }
            case CB_GETCOUNT:
                result = count();
                return true;
            case CB_GETCURSEL:
                result = m_combo->currentIndex() < 0 ? CB_ERR : m_combo->currentIndex();
                return true;
            case CB_SETCURSEL:
                result = select(index);
                return true;
            case CB_GETLBTEXT:
                if (!valid(index) || !lParam) {
                    result = CB_ERR;
                    return true;
                }
                std::strcpy(reinterpret_cast<char*>(lParam),
                    m_items[static_cast<size_t>(index)].text.c_str());
                result = static_cast<LRESULT>(m_items[static_cast<size_t>(index)].text.size());
                return true;
            case CB_GETLBTEXTLEN:
                result = valid(index)
                    ? static_cast<LRESULT>(m_items[static_cast<size_t>(index)].text.size())
                    : CB_ERR;
                return true;
            case CB_FINDSTRING:
                result = find(index, text, false);
                return true;
            case CB_FINDSTRINGEXACT:
                result = find(index, text, true);
                return true;
            case CB_SELECTSTRING: {
                int found = find(index, text, false);
                if (found != CB_ERR)
                    select(found);
                result = found;
                return true;
            }
            case CB_GETITEMDATA:
                result = valid(index) ? m_items[static_cast<size_t>(index)].data : CB_ERR;
                return true;
            case CB_SETITEMDATA:
                if (!valid(index)) {
                    result = CB_ERR;
                    return true;
                }
                m_items[static_cast<size_t>(index)].data = lParam;
                result = CB_OKAY;
                return true;
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
        struct Item {
            std::string text;
            LPARAM data = 0;
        };
        struct Updating {
            explicit Updating(ComboBox& c)
                : combo(c)
            {
                combo.m_updating = true;
            }
            ~Updating() { combo.m_updating = false; }
            ComboBox& combo;
        };

        int count() const { return static_cast<int>(m_items.size()); }
        bool valid(int index) const { return index >= 0 && index < count(); }

        int sortedPosition(const char* text) const
        {
            int i = 0;
            while (i < count()
                && strcasecmp(m_items[static_cast<size_t>(i)].text.c_str(), text ? text : "") <= 0)
                ++i;
            return i;
        }

        int insert(int index, const char* text)
        {
            Updating guard(*this);
            QString edited = m_combo->isEditable() ? m_combo->currentText() : QString();
            int current = m_combo->currentIndex();
            m_items.insert(m_items.begin() + index, Item { text ? text : "", 0 });
            m_combo->insertItem(index, toQt(text ? text : ""));
            // Windows leaves the selection alone when strings are added.
            m_combo->setCurrentIndex(current < 0 ? -1 : (current >= index ? current + 1 : current));
            if (current < 0 && m_combo->isEditable())
                m_combo->setEditText(edited);
            return index;
        }

        int select(int index)
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
            return valid(index) ? m_items[static_cast<size_t>(index)].text : std::string();
        }

        int find(int start, const char* text, bool exact) const
        {
            std::string wanted = text ? text : "";
            int n = count();
            for (int step = 1; step <= n; ++step) {
                int i = ((start < 0 ? -1 : start) + step) % n;
                const std::string& item = m_items[static_cast<size_t>(i)].text;
                bool match = exact ? strcasecmp(item.c_str(), wanted.c_str()) == 0
                                   : strncasecmp(item.c_str(), wanted.c_str(), wanted.size()) == 0;
                if (match)
                    return i;
            }
            return CB_ERR;
        }

        QComboBox* m_combo;
        std::vector<Item> m_items;
        bool m_updating = false;
    };

    const bool registered = [] {
        WindowClass c;
        c.name = "ComboBox";
        c.proc = controlProc;
        c.makeControl = [](Window& w, const CREATESTRUCTA& cs) -> std::unique_ptr<Control> {
            return std::make_unique<ComboBox>(w, cs);
        };
        registerBuiltinClass(c);
        return true;
    }();
}
}
