// List boxes ("ListBox"): strings with item data, sorted when asked, single or multiple
// selection. A user's change of the selection sends LBN_SELCHANGE (with LBS_NOTIFY).
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "stringlist.h"

#include <QListWidget>

namespace winport {
namespace {
    const StringListMessages kMessages { LBS_SORT, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
        LB_RESETCONTENT, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT, LB_GETTEXTLEN,
        LB_FINDSTRING, LB_FINDSTRINGEXACT, LB_SELECTSTRING, LB_GETITEMDATA, LB_SETITEMDATA };

    class ListBox : public StringListControl {
    public:
        ListBox(Window& window, const CREATESTRUCTA& cs)
            : StringListControl(window, kMessages)
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
            if (handleStrings(message, wParam, lParam, result))
                return true;
            int index = static_cast<int>(static_cast<LONG>(wParam));
            switch (message) {
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
        bool multiple() const
        {
            return m_list->selectionMode() == QAbstractItemView::MultiSelection
                || m_list->selectionMode() == QAbstractItemView::ExtendedSelection;
        }

        void showInserted(int index, const std::string& text) override
        {
            m_list->insertItem(index, toQt(text));
        }
        void showRemoved(int index) override { delete m_list->takeItem(index); }
        void showCleared() override { m_list->clear(); }

        int currentSelection() const override
        {
            if (multiple())
                return m_list->currentRow() < 0 ? 0 : m_list->currentRow();
            QList<QListWidgetItem*> selected = m_list->selectedItems();
            return selected.isEmpty() ? LB_ERR : m_list->row(selected.front());
        }

        LRESULT select(int index) override
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

        QListWidget* m_list;
    };
}
}

std::unique_ptr<winport::Control> winport::makeListBoxControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<ListBox>(w, cs);
}
