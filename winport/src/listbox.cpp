// List boxes ("ListBox"): strings with item data, sorted when asked, single or multiple
// selection. A user's change of the selection sends LBN_SELCHANGE (with LBS_NOTIFY).
#include "latin1.h"
#include "window.h"

#include <QListWidget>
#include <algorithm>
#include <cstring>
#include <strings.h>

namespace winport {
namespace {
    class ListBox : public Control {
    public:
        ListBox(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_list(new QListWidget)
        {
            DWORD style = static_cast<DWORD>(cs.style);
            if (style & LBS_NOSEL)
                m_list->setSelectionMode(QAbstractItemView::NoSelection);
            else if (style & LBS_EXTENDEDSEL)
                m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            else if (style & LBS_MULTIPLESEL)
                m_list->setSelectionMode(QAbstractItemView::MultiSelection);
            else
                m_list->setSelectionMode(QAbstractItemView::SingleSelection);
            m_list->setFrameShape((style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
            m_list->viewport()->setMouseTracking(true);
            QObject::connect(m_list, &QListWidget::itemSelectionChanged, &m_context, [this] {
                if (!m_updating && (m_window.style & LBS_NOTIFY))
                    notifyCommand(LBN_SELCHANGE);
            });
            QObject::connect(m_list, &QListWidget::itemDoubleClicked, &m_context, [this] {
                if (m_window.style & LBS_NOTIFY)
                    notifyCommand(LBN_DBLCLK);
            });
        }

        QWidget* widget() const override { return m_list; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            int index = static_cast<int>(static_cast<LONG>(wParam));
            const char* text = reinterpret_cast<const char*>(lParam);
            switch (message) {
            case LB_ADDSTRING:
                result = insert((m_window.style & LBS_SORT) ? sortedPosition(text) : count(), text);
                return true;
            case LB_INSERTSTRING:
                result = index > count() ? LB_ERR : insert(index < 0 ? count() : index, text);
                return true;
            case LB_DELETESTRING:
                if (!valid(index)) {
                    result = LB_ERR;
                    return true;
                }
                {
                    Updating guard(*this);
                    m_items.erase(m_items.begin() + index);
                    delete m_list->takeItem(index);
                }
                result = count();
                return true;
            case LB_RESETCONTENT: {
                Updating guard(*this);
                m_items.clear();
                m_list->clear();
                result = 0;
                return true;
            }
            case LB_GETCOUNT:
                result = count();
                return true;
            case LB_GETCURSEL:
                result = currentSelection();
                return true;
            case LB_SETCURSEL:
                result = setCurrent(index);
                return true;
            case LB_GETTEXT:
                if (!valid(index) || !lParam) {
                    result = LB_ERR;
                    return true;
                }
                std::strcpy(reinterpret_cast<char*>(lParam),
                    m_items[static_cast<size_t>(index)].text.c_str());
                result = static_cast<LRESULT>(m_items[static_cast<size_t>(index)].text.size());
                return true;
            case LB_GETTEXTLEN:
                result = valid(index)
                    ? static_cast<LRESULT>(m_items[static_cast<size_t>(index)].text.size())
                    : LB_ERR;
                return true;
            case LB_FINDSTRING:
                result = find(index, text, false);
                return true;
            case LB_FINDSTRINGEXACT:
                result = find(index, text, true);
                return true;
            case LB_SELECTSTRING: {
                int found = find(index, text, false);
                if (found != LB_ERR)
                    setCurrent(found);
                result = found;
                return true;
            }
            case LB_GETITEMDATA:
                result = valid(index) ? m_items[static_cast<size_t>(index)].data : LB_ERR;
                return true;
            case LB_SETITEMDATA:
                if (!valid(index)) {
                    result = LB_ERR;
                    return true;
                }
                m_items[static_cast<size_t>(index)].data = lParam;
                result = 0;
                return true;
            case LB_GETSEL:
                result = valid(index) ? (m_list->item(index)->isSelected() ? 1 : 0) : LB_ERR;
                return true;
            case LB_SETSEL: {
                if (!multiple()) {
                    result = LB_ERR;
                    return true;
                }
                int item = static_cast<int>(static_cast<LONG>(lParam));
                Updating guard(*this);
                for (int i = 0; i < count(); ++i) {
                    if (item == -1 || i == item)
                        m_list->item(i)->setSelected(wParam != 0);
                }
                result = item == -1 || valid(item) ? 0 : LB_ERR;
                return true;
            }
            case LB_GETSELCOUNT:
                result = multiple() ? static_cast<LRESULT>(m_list->selectedItems().size()) : LB_ERR;
                return true;
            case LB_GETSELITEMS: {
                if (!multiple() || !lParam) {
                    result = LB_ERR;
                    return true;
                }
                auto* out = reinterpret_cast<int*>(lParam);
                int n = 0;
                for (int i = 0; i < count() && n < index; ++i) {
                    if (m_list->item(i)->isSelected())
                        out[n++] = i;
                }
                result = n;
                return true;
            }
            case LB_GETTOPINDEX: {
                QListWidgetItem* top = m_list->itemAt(1, 1);
                result = top ? m_list->row(top) : 0;
                return true;
            }
            case LB_SETTOPINDEX:
                if (!valid(index)) {
                    result = LB_ERR;
                    return true;
                }
                m_list->scrollToItem(m_list->item(index), QAbstractItemView::PositionAtTop);
                result = 0;
                return true;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                if (m_window.style & LBS_NOTIFY)
                    notifyCommand(message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
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
            explicit Updating(ListBox& l)
                : list(l)
            {
                list.m_updating = true;
            }
            ~Updating() { list.m_updating = false; }
            ListBox& list;
        };

        int count() const { return static_cast<int>(m_items.size()); }
        bool valid(int index) const { return index >= 0 && index < count(); }
        bool multiple() const
        {
            return m_list->selectionMode() == QAbstractItemView::MultiSelection
                || m_list->selectionMode() == QAbstractItemView::ExtendedSelection;
        }

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
            m_items.insert(m_items.begin() + index, Item { text ? text : "", 0 });
            m_list->insertItem(index, toQt(text ? text : ""));
            return index;
        }

        int currentSelection() const
        {
            if (multiple())
                return m_list->currentRow() < 0 ? 0 : m_list->currentRow();
            QList<QListWidgetItem*> selected = m_list->selectedItems();
            return selected.isEmpty() ? LB_ERR : m_list->row(selected.front());
        }

        int setCurrent(int index)
        {
            Updating guard(*this);
            m_list->clearSelection();
            if (!valid(index)) {
                m_list->setCurrentRow(-1);
                return LB_ERR; // also for -1, which clears the selection, as Windows answers
            }
            m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
            return index;
        }

        // Case-insensitive prefix (or whole-string) search after start, wrapping around.
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
            return LB_ERR;
        }

        QListWidget* m_list;
        std::vector<Item> m_items;
        bool m_updating = false;
    };

    const bool registered = [] {
        WindowClass c;
        c.name = "ListBox";
        c.proc = controlProc;
        c.makeControl = [](Window& w, const CREATESTRUCTA& cs) -> std::unique_ptr<Control> {
            return std::make_unique<ListBox>(w, cs);
        };
        registerBuiltinClass(c);
        return true;
    }();
}
}
