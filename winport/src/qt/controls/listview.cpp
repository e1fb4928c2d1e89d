// The list view control ("SysListView32") in report style over QTreeWidget: columns with
// alignment and width, items with sub-item texts and item data, selection and focus states,
// sorting by item data, string widths in the control's font. A user's clicks notify the parent
// (NM_CLICK, NM_DBLCLK, NM_RCLICK, LVN_COLUMNCLICK, LVN_ITEMCHANGED); keys send LVN_KEYDOWN, and
// Return NM_RETURN, before the list acts on them.
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "commctrl.h"
#include "qt/windows/window.h"
#include "base/textbuffer.h"
#include "qt/gdi/icons.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>
#include <vector>

namespace winport {
namespace {
    const int kDataRole = Qt::UserRole + 1;
    const int kImageRole = Qt::UserRole + 2;

    Qt::Alignment alignmentOf(int fmt)
    {
        switch (fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            return Qt::AlignRight | Qt::AlignVCenter;
        case LVCFMT_CENTER:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
        }
    }

    struct Column {
        std::string text;
        int fmt = LVCFMT_LEFT;
    };

    class ListView : public Control {
    public:
        ListView(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_tree(new QTreeWidget)
        {
            m_tree->setRootIsDecorated(false);
            m_tree->setItemsExpandable(false);
            m_tree->setUniformRowHeights(true);
            m_tree->setAllColumnsShowFocus(true);
            m_tree->setSelectionMode((cs.style & LVS_SINGLESEL)
                    ? QAbstractItemView::SingleSelection
                    : QAbstractItemView::ExtendedSelection);
            m_tree->setHeaderHidden((cs.style & LVS_NOCOLUMNHEADER) != 0);
            m_tree->header()->setMinimumSectionSize(0);
            m_tree->header()->setStretchLastSection(false);
            m_tree->header()->setSectionsMovable(false);
            // Header buttons answer clicks (LVN_COLUMNCLICK) unless the style says they do not.
            m_tree->header()->setSectionsClickable((cs.style & LVS_NOSORTHEADER) == 0);
            m_tree->setColumnCount(0);
            m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(m_tree, &QTreeWidget::itemClicked, &m_context,
                [this](QTreeWidgetItem* item, int column) { activate(NM_CLICK, item, column); });
            QObject::connect(m_tree, &QTreeWidget::itemDoubleClicked, &m_context,
                [this](QTreeWidgetItem* item, int column) { activate(NM_DBLCLK, item, column); });
            QObject::connect(m_tree, &QWidget::customContextMenuRequested, &m_context,
                [this](const QPoint& point) {
                    QTreeWidgetItem* item = m_tree->itemAt(point);
                    activate(NM_RCLICK, item, item ? m_tree->columnAt(point.x()) : -1);
                });
            QObject::connect(
                m_tree->header(), &QHeaderView::sectionClicked, &m_context, [this](int column) {
                    NMLISTVIEW info {};
                    info.iItem = -1;
                    info.iSubItem = column;
                    notify(LVN_COLUMNCLICK, &info.hdr);
                });
            QObject::connect(m_tree, &QTreeWidget::currentItemChanged, &m_context,
                [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                    if (!m_quiet && current)
                        itemChanged(m_tree->indexOfTopLevelItem(current));
                });
        }
        ~ListView() override { delete m_tree; }

        QWidget* widget() const override { return m_tree; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
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
                result = m_tree->topLevelItemCount();
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
                m_tree->clear();
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
                result = m_tree->selectedItems().size();
                return true;
            case LVM_GETSTRINGWIDTHA:
                result = lParam
                    ? QFontMetrics(m_tree->font())
                          .horizontalAdvance(toQt(reinterpret_cast<const char*>(lParam)))
                    : 0;
                return true;
            case LVM_ENSUREVISIBLE: {
                QTreeWidgetItem* item = m_tree->topLevelItem(static_cast<int>(wParam));
                if (item)
                    m_tree->scrollToItem(item);
                result = item != nullptr;
                return true;
            }
            case LVM_GETTOPINDEX: {
                QTreeWidgetItem* item = m_tree->itemAt(0, 0);
                result = item ? m_tree->indexOfTopLevelItem(item) : 0;
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
                NMLVKEYDOWN key {};
                key.wVKey = static_cast<WORD>(wParam);
                notify(LVN_KEYDOWN, &key.hdr);
                if (wParam == VK_RETURN) {
                    NMHDR header {};
                    notify(NM_RETURN, &header);
                }
                return false;
            }
            default:
                return false;
            }
        }

    private:
        bool validColumn(int column) const
        {
            return column >= 0 && column < static_cast<int>(m_columns.size());
        }

        void applyHeader()
        {
            QStringList labels;
            for (const Column& c : m_columns)
                labels << toQt(c.text);
            m_tree->setHeaderLabels(labels);
            for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
                m_tree->headerItem()->setTextAlignment(i, alignmentOf(m_columns[i].fmt));
        }

        LRESULT insertColumn(int index, const LVCOLUMNA* column)
        {
            if (!column || index < 0)
                return -1;
            int count = static_cast<int>(m_columns.size());
            index = std::min(index, count);
            std::vector<int> widths;
            for (int i = 0; i < count; ++i)
                widths.push_back(m_tree->header()->sectionSize(i));
            Column c;
            if ((column->mask & LVCF_TEXT) && column->pszText)
                c.text = column->pszText;
            if (column->mask & LVCF_FMT)
                c.fmt = column->fmt;
            m_columns.insert(m_columns.begin() + index, c);
            m_tree->setColumnCount(count + 1);
            // Sub-item texts from the new column on move one to the right.
            for (int r = 0; r < m_tree->topLevelItemCount(); ++r) {
                QTreeWidgetItem* item = m_tree->topLevelItem(r);
                for (int i = count; i > index; --i) {
                    item->setText(i, item->text(i - 1));
                    item->setTextAlignment(i, alignmentOf(m_columns[i].fmt));
                }
                item->setText(index, QString());
                item->setTextAlignment(index, alignmentOf(c.fmt));
            }
            applyHeader();
            widths.insert(widths.begin() + index, (column->mask & LVCF_WIDTH) ? column->cx : 100);
            for (int i = 0; i <= count; ++i)
                m_tree->header()->resizeSection(i, std::max(0, widths[i]));
            return index;
        }

        LRESULT deleteColumn(int index)
        {
            if (!validColumn(index))
                return FALSE;
            int count = static_cast<int>(m_columns.size());
            std::vector<int> widths;
            for (int i = 0; i < count; ++i)
                widths.push_back(m_tree->header()->sectionSize(i));
            for (int r = 0; r < m_tree->topLevelItemCount(); ++r) {
                QTreeWidgetItem* item = m_tree->topLevelItem(r);
                for (int i = index; i < count - 1; ++i) {
                    item->setText(i, item->text(i + 1));
                    item->setTextAlignment(i, alignmentOf(m_columns[i + 1].fmt));
                }
            }
            m_columns.erase(m_columns.begin() + index);
            widths.erase(widths.begin() + index);
            m_tree->setColumnCount(count - 1);
            applyHeader();
            for (int i = 0; i < count - 1; ++i)
                m_tree->header()->resizeSection(i, widths[i]);
            return TRUE;
        }

        LRESULT getColumn(int index, LVCOLUMNA* column) const
        {
            if (!column || !validColumn(index))
                return FALSE;
            if (column->mask & LVCF_FMT)
                column->fmt = m_columns[index].fmt;
            if (column->mask & LVCF_WIDTH)
                column->cx = m_tree->header()->sectionSize(index);
            if (column->mask & LVCF_SUBITEM)
                column->iSubItem = index;
            if ((column->mask & LVCF_TEXT) && column->pszText && column->cchTextMax > 0) {
                std::strncpy(
                    column->pszText, m_columns[index].text.c_str(), column->cchTextMax - 1);
                column->pszText[column->cchTextMax - 1] = '\0';
            }
            return TRUE;
        }

        LRESULT setColumn(int index, const LVCOLUMNA* column)
        {
            if (!column || !validColumn(index))
                return FALSE;
            if ((column->mask & LVCF_TEXT) && column->pszText)
                m_columns[index].text = column->pszText;
            if (column->mask & LVCF_FMT)
                m_columns[index].fmt = column->fmt;
            int width = m_tree->header()->sectionSize(index);
            applyHeader();
            m_tree->header()->resizeSection(
                index, (column->mask & LVCF_WIDTH) ? column->cx : width);
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
            int count = m_tree->topLevelItemCount();
            int index = std::max(0, std::min(item->iItem, count));
            auto* row = new QTreeWidgetItem;
            for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
                row->setTextAlignment(i, alignmentOf(m_columns[i].fmt));
            if ((item->mask & LVIF_TEXT) && item->pszText)
                row->setText(0, toQt(item->pszText));
            row->setData(0, kDataRole,
                QVariant::fromValue<qlonglong>((item->mask & LVIF_PARAM) ? item->lParam : 0));
            setImage(row, (item->mask & LVIF_IMAGE) ? item->iImage : -1);
            m_quiet = true;
            m_tree->insertTopLevelItem(index, row);
            m_quiet = false;
            if (item->mask & LVIF_STATE)
                applyState(row, item->state, item->stateMask);
            return index;
        }

        LRESULT setItem(const LVITEMA* item)
        {
            if (!item)
                return FALSE;
            QTreeWidgetItem* row = m_tree->topLevelItem(item->iItem);
            if (!row || item->iSubItem < 0
                || (item->iSubItem > 0 && item->iSubItem >= static_cast<int>(m_columns.size())))
                return FALSE;
            if ((item->mask & LVIF_TEXT) && item->pszText)
                row->setText(item->iSubItem, toQt(item->pszText));
            if (item->mask & LVIF_PARAM)
                row->setData(0, kDataRole, QVariant::fromValue<qlonglong>(item->lParam));
            if ((item->mask & LVIF_IMAGE) && item->iSubItem == 0)
                setImage(row, item->iImage);
            if (item->mask & LVIF_STATE)
                applyState(row, item->state, item->stateMask);
            return TRUE;
        }

        // The row's image index and its icon from the small image list.
        void setImage(QTreeWidgetItem* row, int index)
        {
            row->setData(0, kImageRole, index);
            QPixmap pixmap = imageListPixmap(m_images, index);
            row->setIcon(0, pixmap.isNull() ? QIcon() : QIcon(pixmap));
        }

        HIMAGELIST setImageList(HIMAGELIST images)
        {
            HIMAGELIST previous = m_images;
            m_images = images;
            QSize size = imageListSize(images);
            if (!size.isEmpty())
                m_tree->setIconSize(size);
            for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = m_tree->topLevelItem(i);
                setImage(row, row->data(0, kImageRole).toInt());
            }
            return previous;
        }

        LRESULT getItem(LVITEMA* item) const
        {
            if (!item)
                return FALSE;
            QTreeWidgetItem* row = m_tree->topLevelItem(item->iItem);
            if (!row)
                return FALSE;
            if (item->mask & LVIF_TEXT)
                copyText(item->iItem, item->iSubItem, item->pszText, item->cchTextMax);
            if (item->mask & LVIF_PARAM)
                item->lParam = static_cast<LPARAM>(row->data(0, kDataRole).toLongLong());
            if (item->mask & LVIF_IMAGE)
                item->iImage = row->data(0, kImageRole).toInt();
            if (item->mask & LVIF_STATE)
                item->state = itemState(item->iItem) & item->stateMask;
            return TRUE;
        }

        LRESULT copyText(int index, int subItem, char* buffer, int size) const
        {
            QTreeWidgetItem* row = m_tree->topLevelItem(index);
            if (!buffer || size <= 0)
                return 0;
            std::string text = row && subItem >= 0 ? fromQt(row->text(subItem)) : std::string();
            return static_cast<LRESULT>(copyTruncated(text, buffer, static_cast<size_t>(size)));
        }

        LRESULT deleteItem(int index)
        {
            QTreeWidgetItem* row = m_tree->topLevelItem(index);
            if (!row)
                return FALSE;
            m_quiet = true;
            delete m_tree->takeTopLevelItem(index);
            m_quiet = false;
            return TRUE;
        }

        UINT itemState(int index) const
        {
            QTreeWidgetItem* row = m_tree->topLevelItem(index);
            if (!row)
                return 0;
            UINT state = 0;
            if (row->isSelected())
                state |= LVIS_SELECTED;
            if (m_tree->currentItem() == row)
                state |= LVIS_FOCUSED;
            return state;
        }

        void applyState(QTreeWidgetItem* row, UINT state, UINT mask)
        {
            m_quiet = true;
            if (mask & LVIS_FOCUSED) {
                if (state & LVIS_FOCUSED)
                    m_tree->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
                else if (m_tree->currentItem() == row)
                    m_tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
            }
            if (mask & LVIS_SELECTED)
                row->setSelected((state & LVIS_SELECTED) != 0);
            m_quiet = false;
        }

        LRESULT setItemState(int index, const LVITEMA* item)
        {
            if (!item)
                return FALSE;
            if (index == -1) {
                for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
                    applyState(m_tree->topLevelItem(i), item->state, item->stateMask);
                return TRUE;
            }
            QTreeWidgetItem* row = m_tree->topLevelItem(index);
            if (!row)
                return FALSE;
            applyState(row, item->state, item->stateMask);
            return TRUE;
        }

        LRESULT nextItem(int start, UINT flags) const
        {
            for (int i = start + 1; i < m_tree->topLevelItemCount(); ++i) {
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
            QTreeWidgetItem* row = m_tree->topLevelItem(index);
            if (!row || !rect)
                return FALSE;
            QRect r = m_tree->visualItemRect(row);
            QPoint offset = m_tree->viewport()->mapTo(m_tree, QPoint(0, 0));
            int width = 0;
            for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
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
            QTreeWidgetItem* row = m_tree->itemAt(point);
            info->iItem = row ? m_tree->indexOfTopLevelItem(row) : -1;
            info->iSubItem = row ? m_tree->columnAt(point.x()) : -1;
            info->flags = row ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
            return info->iItem;
        }

        LRESULT sortItems(PFNLVCOMPARE compare, LPARAM parameter)
        {
            if (!compare)
                return FALSE;
            m_quiet = true;
            QList<QTreeWidgetItem*> rows = m_tree->invisibleRootItem()->takeChildren();
            std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
                return compare(static_cast<LPARAM>(a->data(0, kDataRole).toLongLong()),
                           static_cast<LPARAM>(b->data(0, kDataRole).toLongLong()), parameter)
                    < 0;
            });
            m_tree->addTopLevelItems(rows);
            m_quiet = false;
            return TRUE;
        }

        void activate(UINT code, QTreeWidgetItem* item, int column)
        {
            NMITEMACTIVATE info {};
            info.iItem = item ? m_tree->indexOfTopLevelItem(item) : -1;
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

        QTreeWidget* m_tree;
        std::vector<Column> m_columns;
        HIMAGELIST m_images = nullptr; // the small images (not owned)
        DWORD m_exStyle = 0;
        bool m_quiet = false;
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
