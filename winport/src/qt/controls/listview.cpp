// The list view control ("SysListView32") in report style over QTreeView and a model of its own
// (listrows.h): columns with alignment and width, items with sub-item texts and item data,
// selection and focus states, sorting by item data, string widths in the control's font. A user's
// clicks notify the parent (NM_CLICK, NM_DBLCLK, NM_RCLICK, LVN_COLUMNCLICK, LVN_ITEMCHANGED); keys
// send LVN_KEYDOWN, and Return NM_RETURN, before the list acts on them.
// Items the program appends and fills wait unseen by the view until the event loop runs, the view
// handles an event or a message asks about what the view shows: the view takes them in at once,
// so filling a long list costs in proportion to its texts.
#include "controlclasses.h"
#include "commctrl.h"
#include "qt/controls/beforeevents.h"
#include "qt/controls/keynotify.h"
#include "qt/controls/listrows.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"
#include "base/textbuffer.h"
#include "qt/gdi/icons.h"

#include <QCursor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace winport {
namespace {
    class ListView : public Control {
    public:
        ListView(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_tree(new QTreeView)
        {
            m_tree->setModel(&m_rows);
            m_tree->setRootIsDecorated(false);
            m_tree->setItemsExpandable(false);
            m_tree->setUniformRowHeights(true);
            m_tree->setAllColumnsShowFocus(true);
            m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
            m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
            m_tree->setSelectionMode((cs.style & LVS_SINGLESEL)
                    ? QAbstractItemView::SingleSelection
                    : QAbstractItemView::ExtendedSelection);
            m_tree->setHeaderHidden((cs.style & LVS_NOCOLUMNHEADER) != 0);
            m_tree->header()->setMinimumSectionSize(0);
            m_tree->header()->setStretchLastSection(false);
            m_tree->header()->setSectionsMovable(false);
            // Header buttons answer clicks (LVN_COLUMNCLICK) unless the style says they do not.
            m_tree->header()->setSectionsClickable((cs.style & LVS_NOSORTHEADER) == 0);
            m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(
                m_tree, &QAbstractItemView::clicked, &m_context, [this](const QModelIndex& index) {
                    activate(NM_CLICK, index.row(), index.column());
                });
            QObject::connect(m_tree, &QAbstractItemView::doubleClicked, &m_context,
                [this](const QModelIndex& index) {
                    activate(NM_DBLCLK, index.row(), index.column());
                });
            QObject::connect(m_tree, &QWidget::customContextMenuRequested, &m_context,
                [this](const QPoint& point) {
                    QModelIndex index = m_tree->indexAt(point);
                    activate(NM_RCLICK, index.isValid() ? index.row() : -1,
                        index.isValid() ? m_tree->columnAt(point.x()) : -1);
                });
            QObject::connect(
                m_tree->header(), &QHeaderView::sectionClicked, &m_context, [this](int column) {
                    NMLISTVIEW info {};
                    info.iItem = -1;
                    info.iSubItem = column;
                    notify(LVN_COLUMNCLICK, &info.hdr);
                });
            QObject::connect(m_tree->selectionModel(), &QItemSelectionModel::currentRowChanged,
                &m_context, [this](const QModelIndex& current, const QModelIndex&) {
                    if (!m_quiet && current.isValid())
                        itemChanged(current.row());
                });
            auto* sync = new BeforeEvents([this] { m_rows.show(); }, &m_context);
            m_tree->installEventFilter(sync);
            m_tree->viewport()->installEventFilter(sync);
        }
        ~ListView() override { delete m_tree; }

        QWidget* widget() const override { return m_tree; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            if (!keepsRowsWaiting(message))
                m_rows.show();
            switch (message) {
            case LVM_SETIMAGELIST:
                result = wParam == LVSIL_SMALL
                    ? reinterpret_cast<LRESULT>(setImageList(reinterpret_cast<HIMAGELIST>(lParam)))
                    : 0;
                return true;
            case LVM_GETIMAGELIST:
                result = wParam == LVSIL_SMALL ? reinterpret_cast<LRESULT>(m_images) : 0;
                return true;
            case LVM_GETITEMCOUNT:
                result = m_rows.count();
                return true;
            case LVM_INSERTCOLUMNA:
                result = insertColumn(
                    static_cast<int>(wParam), reinterpret_cast<const LVCOLUMNA*>(lParam));
                return true;
            case LVM_DELETECOLUMN:
                result = deleteColumn(static_cast<int>(wParam));
                return true;
            case LVM_GETCOLUMNA:
                result = getColumn(static_cast<int>(wParam), reinterpret_cast<LVCOLUMNA*>(lParam));
                return true;
            case LVM_SETCOLUMNA:
                result = setColumn(
                    static_cast<int>(wParam), reinterpret_cast<const LVCOLUMNA*>(lParam));
                return true;
            case LVM_GETCOLUMNWIDTH:
                result = validColumn(static_cast<int>(wParam))
                    ? m_tree->header()->sectionSize(static_cast<int>(wParam))
                    : 0;
                return true;
            case LVM_SETCOLUMNWIDTH:
                result = setColumnWidth(
                    static_cast<int>(wParam), static_cast<int>(static_cast<short>(LOWORD(lParam))));
                return true;
            case LVM_INSERTITEMA:
                result = insertItem(reinterpret_cast<const LVITEMA*>(lParam));
                return true;
            case LVM_SETITEMA:
                result = setItem(reinterpret_cast<const LVITEMA*>(lParam));
                return true;
            case LVM_GETITEMA:
                result = getItem(reinterpret_cast<LVITEMA*>(lParam));
                return true;
            case LVM_SETITEMTEXTA: {
                auto* item = reinterpret_cast<const LVITEMA*>(lParam);
                if (!item) {
                    result = FALSE;
                    return true;
                }
                LVITEMA text = *item;
                text.iItem = static_cast<int>(wParam);
                text.mask = LVIF_TEXT;
                result = setItem(&text);
                return true;
            }
            case LVM_GETITEMTEXTA: {
                auto* item = reinterpret_cast<LVITEMA*>(lParam);
                result = item ? copyText(static_cast<int>(wParam), item->iSubItem, item->pszText,
                             item->cchTextMax)
                              : 0;
                return true;
            }
            case LVM_DELETEITEM:
                result = deleteItem(static_cast<int>(wParam));
                return true;
            case LVM_DELETEALLITEMS:
                m_quiet = true;
                m_rows.clear();
                m_quiet = false;
                result = TRUE;
                return true;
            case LVM_SETITEMSTATE:
                result = setItemState(
                    static_cast<int>(wParam), reinterpret_cast<const LVITEMA*>(lParam));
                return true;
            case LVM_GETITEMSTATE:
                result = itemState(static_cast<int>(wParam)) & static_cast<UINT>(lParam);
                return true;
            case LVM_GETNEXTITEM:
                result = nextItem(static_cast<int>(wParam), static_cast<UINT>(LOWORD(lParam)));
                return true;
            case LVM_GETSELECTEDCOUNT:
                result = selectedCount();
                return true;
            case LVM_GETSTRINGWIDTHA:
                result = lParam
                    ? QFontMetrics(m_tree->font())
                          .horizontalAdvance(toQt(reinterpret_cast<const char*>(lParam)))
                    : 0;
                return true;
            case LVM_ENSUREVISIBLE: {
                bool valid = validRow(static_cast<int>(wParam));
                if (valid)
                    m_tree->scrollTo(m_rows.index(static_cast<int>(wParam), 0));
                result = valid;
                return true;
            }
            case LVM_GETTOPINDEX: {
                QModelIndex top = m_tree->indexAt(QPoint(0, 0));
                result = top.isValid() ? top.row() : 0;
                return true;
            }
            case LVM_GETCOUNTPERPAGE: {
                int row = m_tree->sizeHintForRow(0);
                result = row > 0 ? m_tree->viewport()->height() / row : 0;
                return true;
            }
            case LVM_GETITEMRECT:
                result = itemRect(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
                return true;
            case LVM_HITTEST:
            case LVM_SUBITEMHITTEST:
                result = hitTest(reinterpret_cast<LVHITTESTINFO*>(lParam));
                return true;
            case LVM_SORTITEMS:
                result = sortItems(
                    reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam));
                return true;
            case LVM_SETEXTENDEDLISTVIEWSTYLE: {
                DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
                result = m_exStyle;
                m_exStyle = (m_exStyle & ~mask) | (static_cast<DWORD>(lParam) & mask);
                return true;
            }
            case LVM_GETEXTENDEDLISTVIEWSTYLE:
                result = m_exStyle;
                return true;
            case WM_KEYDOWN: {
                notifyKeyDown<NMLVKEYDOWN>(
                    [this](UINT code, NMHDR* header) { notify(code, header); }, LVN_KEYDOWN,
                    wParam);
                // End and Page Down go from the first item when none has the focus (Qt's view
                // would stop at the first item).
                if ((wParam == VK_END || wParam == VK_NEXT) && !m_tree->currentIndex().isValid()
                    && m_rows.rowCount() > 0) {
                    m_quiet = true;
                    m_tree->selectionModel()->setCurrentIndex(
                        m_rows.index(0, 0), QItemSelectionModel::NoUpdate);
                    m_quiet = false;
                }
                return false;
            }
            default:
                return false;
            }
        }

    private:
        // Messages that neither ask nor change what the view shows of the rows (item states
        // aside, which insertItem, setItem and getItem take care of).
        static bool keepsRowsWaiting(UINT message)
        {
            switch (message) {
            case LVM_GETITEMCOUNT:
            case LVM_INSERTITEMA:
            case LVM_SETITEMA:
            case LVM_SETITEMTEXTA:
            case LVM_GETITEMA:
            case LVM_GETITEMTEXTA:
            case LVM_GETCOLUMNA:
            case LVM_GETCOLUMNWIDTH:
            case LVM_GETSTRINGWIDTHA:
            case LVM_GETIMAGELIST:
            case LVM_SETEXTENDEDLISTVIEWSTYLE:
            case LVM_GETEXTENDEDLISTVIEWSTYLE:
                return true;
            default:
                return false;
            }
        }

        bool validColumn(int column) const
        {
            return column >= 0 && column < static_cast<int>(m_rows.columns().size());
        }
        bool validRow(int row) const { return row >= 0 && row < m_rows.count(); }

        LRESULT insertColumn(int index, const LVCOLUMNA* column)
        {
            if (!column || index < 0)
                return -1;
            index = std::min(index, static_cast<int>(m_rows.columns().size()));
            ListRows::Column c;
            if ((column->mask & LVCF_TEXT) && column->pszText)
                c.text = column->pszText;
            if (column->mask & LVCF_FMT)
                c.fmt = column->fmt;
            m_rows.insertColumn(index, c);
            m_tree->header()->resizeSection(
                index, std::max(0, (column->mask & LVCF_WIDTH) ? column->cx : 100));
            return index;
        }

        LRESULT deleteColumn(int index)
        {
            if (!validColumn(index))
                return FALSE;
            m_rows.removeColumn(index);
            return TRUE;
        }

        LRESULT getColumn(int index, LVCOLUMNA* column) const
        {
            if (!column || !validColumn(index))
                return FALSE;
            const ListRows::Column& c = m_rows.columns()[static_cast<size_t>(index)];
            if (column->mask & LVCF_FMT)
                column->fmt = c.fmt;
            if (column->mask & LVCF_WIDTH)
                column->cx = m_tree->header()->sectionSize(index);
            if (column->mask & LVCF_SUBITEM)
                column->iSubItem = index;
            if ((column->mask & LVCF_TEXT) && column->pszText && column->cchTextMax > 0) {
                std::strncpy(column->pszText, c.text.c_str(), column->cchTextMax - 1);
                column->pszText[column->cchTextMax - 1] = '\0';
            }
            return TRUE;
        }

        LRESULT setColumn(int index, const LVCOLUMNA* column)
        {
            if (!column || !validColumn(index))
                return FALSE;
            ListRows::Column c = m_rows.columns()[static_cast<size_t>(index)];
            if ((column->mask & LVCF_TEXT) && column->pszText)
                c.text = column->pszText;
            if (column->mask & LVCF_FMT)
                c.fmt = column->fmt;
            m_rows.setColumn(index, c);
            if (column->mask & LVCF_WIDTH)
                m_tree->header()->resizeSection(index, column->cx);
            return TRUE;
        }

        LRESULT setColumnWidth(int index, int width)
        {
            if (!validColumn(index))
                return FALSE;
            if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
                m_tree->resizeColumnToContents(index);
                if (width == LVSCW_AUTOSIZE_USEHEADER)
                    width = std::max(m_tree->header()->sectionSizeHint(index),
                        m_tree->header()->sectionSize(index));
                else
                    width = m_tree->header()->sectionSize(index);
            }
            m_tree->header()->resizeSection(index, std::max(0, width));
            return TRUE;
        }

        LRESULT insertItem(const LVITEMA* item)
        {
            if (!item || item->iSubItem != 0)
                return -1;
            int index = std::max(0, std::min(item->iItem, m_rows.count()));
            m_quiet = true;
            m_rows.insert(index);
            m_quiet = false;
            if ((item->mask & LVIF_TEXT) && item->pszText)
                m_rows.setText(index, 0, item->pszText);
            m_rows.setData(index, (item->mask & LVIF_PARAM) ? item->lParam : 0);
            if (item->mask & LVIF_IMAGE)
                m_rows.setImage(index, item->iImage);
            if (item->mask & LVIF_STATE)
                applyState(index, item->state, item->stateMask);
            else if (m_rows.waiting())
                showLater();
            return index;
        }

        LRESULT setItem(const LVITEMA* item)
        {
            if (!item || !validRow(item->iItem) || item->iSubItem < 0
                || (item->iSubItem > 0 && !validColumn(item->iSubItem)))
                return FALSE;
            if ((item->mask & LVIF_TEXT) && item->pszText)
                m_rows.setText(item->iItem, item->iSubItem, item->pszText);
            if (item->mask & LVIF_PARAM)
                m_rows.setData(item->iItem, item->lParam);
            if ((item->mask & LVIF_IMAGE) && item->iSubItem == 0)
                m_rows.setImage(item->iItem, item->iImage);
            if (item->mask & LVIF_STATE)
                applyState(item->iItem, item->state, item->stateMask);
            return TRUE;
        }

        // The waiting rows reach the view when the event loop runs, unless something brings them
        // there first.
        void showLater()
        {
            if (m_showQueued)
                return;
            m_showQueued = true;
            QMetaObject::invokeMethod(
                &m_context,
                [this] {
                    m_showQueued = false;
                    m_rows.show();
                },
                Qt::QueuedConnection);
        }

        HIMAGELIST setImageList(HIMAGELIST images)
        {
            HIMAGELIST previous = m_images;
            m_images = images;
            QSize size = imageListSize(images);
            if (!size.isEmpty())
                m_tree->setIconSize(size);
            m_rows.setImages(images);
            return previous;
        }

        LRESULT getItem(LVITEMA* item)
        {
            if (!item || !validRow(item->iItem))
                return FALSE;
            if (item->mask & LVIF_TEXT)
                copyText(item->iItem, item->iSubItem, item->pszText, item->cchTextMax);
            if (item->mask & LVIF_PARAM)
                item->lParam = m_rows.row(item->iItem).data;
            if (item->mask & LVIF_IMAGE)
                item->iImage = m_rows.row(item->iItem).image;
            if (item->mask & LVIF_STATE)
                item->state = itemState(item->iItem) & item->stateMask;
            return TRUE;
        }

        LRESULT copyText(int index, int subItem, char* buffer, int size) const
        {
            if (!buffer || size <= 0)
                return 0;
            std::string text
                = validRow(index) && subItem >= 0 ? m_rows.text(index, subItem) : std::string();
            return static_cast<LRESULT>(copyTruncated(text, buffer, static_cast<size_t>(size)));
        }

        LRESULT deleteItem(int index)
        {
            if (!validRow(index))
                return FALSE;
            m_quiet = true;
            m_rows.remove(index);
            m_quiet = false;
            return TRUE;
        }

        // Rows with any of their cells selected.
        int selectedCount() const
        {
            std::vector<std::pair<int, int>> spans;
            for (const QItemSelectionRange& range : m_tree->selectionModel()->selection())
                spans.emplace_back(range.top(), range.bottom());
            std::sort(spans.begin(), spans.end());
            int count = 0;
            int next = 0; // the first row not yet counted
            for (const auto& span : spans) {
                int from = std::max(span.first, next);
                if (span.second >= from)
                    count += span.second - from + 1;
                next = std::max(next, span.second + 1);
            }
            return count;
        }

        UINT itemState(int index)
        {
            if (!validRow(index))
                return 0;
            m_rows.show();
            UINT state = 0;
            if (m_tree->selectionModel()->rowIntersectsSelection(index, QModelIndex()))
                state |= LVIS_SELECTED;
            if (m_tree->currentIndex().isValid() && m_tree->currentIndex().row() == index)
                state |= LVIS_FOCUSED;
            return state;
        }

        void applyState(int index, UINT state, UINT mask)
        {
            m_rows.show();
            QItemSelectionModel* selection = m_tree->selectionModel();
            QModelIndex at = m_rows.index(index, 0);
            m_quiet = true;
            if (mask & LVIS_FOCUSED) {
                if (state & LVIS_FOCUSED)
                    selection->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
                else if (m_tree->currentIndex().row() == index)
                    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            }
            if (mask & LVIS_SELECTED)
                selection->select(at,
                    ((state & LVIS_SELECTED) ? QItemSelectionModel::Select
                                             : QItemSelectionModel::Deselect)
                        | QItemSelectionModel::Rows);
            m_quiet = false;
        }

        LRESULT setItemState(int index, const LVITEMA* item)
        {
            if (!item)
                return FALSE;
            if (index == -1) {
                for (int i = 0; i < m_rows.count(); ++i)
                    applyState(i, item->state, item->stateMask);
                return TRUE;
            }
            if (!validRow(index))
                return FALSE;
            applyState(index, item->state, item->stateMask);
            return TRUE;
        }

        LRESULT nextItem(int start, UINT flags)
        {
            for (int i = start + 1; i < m_rows.count(); ++i) {
                UINT state = itemState(i);
                if (((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED))
                    || ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)))
                    continue;
                return i;
            }
            return -1;
        }

        LRESULT itemRect(int index, RECT* rect) const
        {
            if (!validRow(index) || !rect)
                return FALSE;
            QRect r = m_tree->visualRect(m_rows.index(index, 0));
            QPoint offset = m_tree->viewport()->mapTo(m_tree, QPoint(0, 0));
            int width = 0;
            for (int i = 0; i < static_cast<int>(m_rows.columns().size()); ++i)
                width += m_tree->header()->sectionSize(i);
            *rect = { offset.x() + r.left(), offset.y() + r.top(), offset.x() + r.left() + width,
                offset.y() + r.bottom() + 1 };
            return TRUE;
        }

        LRESULT hitTest(LVHITTESTINFO* info) const
        {
            if (!info)
                return -1;
            QPoint point = m_tree->viewport()->mapFrom(m_tree, QPoint(info->pt.x, info->pt.y));
            QModelIndex index = m_tree->indexAt(point);
            info->iItem = index.isValid() ? index.row() : -1;
            info->iSubItem = index.isValid() ? m_tree->columnAt(point.x()) : -1;
            info->flags = index.isValid() ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
            return info->iItem;
        }

        LRESULT sortItems(PFNLVCOMPARE compare, LPARAM parameter)
        {
            if (!compare)
                return FALSE;
            m_quiet = true;
            m_rows.sort(compare, parameter);
            m_quiet = false;
            return TRUE;
        }

        void activate(UINT code, int row, int column)
        {
            NMITEMACTIVATE info {};
            info.iItem = row;
            info.iSubItem = column;
            QPoint cursor = m_tree->mapFromGlobal(QCursor::pos());
            info.ptAction = { cursor.x(), cursor.y() };
            notify(code, &info.hdr);
        }

        void itemChanged(int index)
        {
            NMLISTVIEW info {};
            info.iItem = index;
            info.uChanged = LVIF_STATE;
            info.uNewState = itemState(index);
            notify(LVN_ITEMCHANGED, &info.hdr);
        }

        ListRows m_rows;
        QTreeView* m_tree;
        HIMAGELIST m_images = nullptr; // the small images (not owned)
        DWORD m_exStyle = 0;
        bool m_quiet = false;
        bool m_showQueued = false;
    };

    std::unique_ptr<Control> makeListView(Window& window, const CREATESTRUCTA& cs)
    {
        return std::make_unique<ListView>(window, cs);
    }
}
}

std::unique_ptr<winport::Control> winport::makeListViewControl(Window& w, const CREATESTRUCTA& cs)
{
    return makeListView(w, cs);
}
