// The tree view control ("SysTreeView32") over QTreeWidget: items with text, images from an image
// list, item data and a children mark (an expand button before any child exists), sorted or
// placed insertion, expansion and selection in the Windows order. A change the user makes is
// taken back, announced with TVN_ITEMEXPANDING or TVN_SELCHANGING (a non-zero answer refuses
// it), made again and announced with TVN_ITEMEXPANDED or TVN_SELCHANGED. Item handles are
// numbers checked against the live items, so a stale or foreign handle fails instead of crashing.
#include "controlclasses.h"
#include "base/textbuffer.h"
#include "commctrl.h"
#include "qt/gdi/icons.h"
#include "qt/controls/keynotify.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidget>
#include <algorithm>
#include <unordered_map>

namespace winport {
namespace {
    const int kHandleRole = Qt::UserRole + 1;
    const int kParamRole = Qt::UserRole + 2;
    const int kImageRole = Qt::UserRole + 3;
    const int kSelectedImageRole = Qt::UserRole + 4;
    const int kChildrenRole = Qt::UserRole + 5; // -2: from the children present, 0 or 1: marked
    const int kStateRole = Qt::UserRole + 6; // TVIS_EXPANDEDONCE and TVIS_BOLD
    const int kChildrenAuto = -2;
    const char* const kCallbackText = reinterpret_cast<const char*>(-1);

    bool hasButton(const QTreeWidgetItem* item)
    {
        int mark = item->data(0, kChildrenRole).toInt();
        return mark == kChildrenAuto ? item->childCount() > 0 : mark != 0;
    }

    QTreeWidgetItem* nextSibling(QTreeWidgetItem* item)
    {
        QTreeWidgetItem* parent = item->parent();
        QTreeWidget* tree = item->treeWidget();
        if (parent)
            return parent->child(parent->indexOfChild(item) + 1);
        return tree->topLevelItem(tree->indexOfTopLevelItem(item) + 1);
    }

    QTreeWidgetItem* previousSibling(QTreeWidgetItem* item)
    {
        QTreeWidgetItem* parent = item->parent();
        QTreeWidget* tree = item->treeWidget();
        int index = parent ? parent->indexOfChild(item) : tree->indexOfTopLevelItem(item);
        if (index <= 0)
            return nullptr;
        return parent ? parent->child(index - 1) : tree->topLevelItem(index - 1);
    }

    // The widget: branch lines and buttons drawn as the styles ask, and the user's input marked
    // so that the control can turn the changes it made into notifications afterwards.
    class TreeWidget : public QTreeWidget {
    public:
        bool lines = false;
        bool buttons = false;
        bool inInput = false;
        std::function<void(UINT action)> afterInput;
        std::function<void(UINT code)> notifyMouse;
        std::function<void(bool in)> notifyFocus;

    protected:
        void drawBranches(
            QPainter* painter, const QRect& rect, const QModelIndex& index) const override
        {
            QTreeWidgetItem* item = itemFromIndex(index);
            int indent = indentation();
            if (!item || indent <= 0 || rect.width() < indent)
                return;
            painter->save();
            QPen pen(palette().color(QPalette::Mid), 1, Qt::DotLine);
            int cy = rect.center().y();
            int x = rect.right() + 1 - indent;
            // The item's own cell: half lines to its siblings, a line to its text, its button.
            int cx = x + indent / 2;
            if (lines) {
                painter->setPen(pen);
                painter->drawLine(cx, cy, x + indent - 2, cy);
                bool first = !item->parent() && indexOfTopLevelItem(item) == 0;
                if (!first)
                    painter->drawLine(cx, rect.top(), cx, cy);
                if (nextSibling(item))
                    painter->drawLine(cx, cy, cx, rect.bottom());
            }
            if (buttons && hasButton(item)) {
                QRect box(cx - 4, cy - 4, 8, 8);
                painter->setPen(QPen(palette().color(QPalette::Dark), 1));
                painter->fillRect(box, palette().color(QPalette::Base));
                painter->drawRect(box);
                painter->setPen(QPen(palette().color(QPalette::Text), 1));
                painter->drawLine(cx - 2, cy, cx + 2, cy);
                if (!item->isExpanded())
                    painter->drawLine(cx, cy - 2, cx, cy + 2);
            }
            // The cells of the ancestors: a line down where an ancestor has a next sibling.
            if (lines) {
                painter->setPen(pen);
                for (QTreeWidgetItem* a = item->parent(); a && (x -= indent) >= rect.left();
                     a = a->parent()) {
                    if (nextSibling(a))
                        painter->drawLine(
                            x + indent / 2, rect.top(), x + indent / 2, rect.bottom());
                }
            }
            painter->restore();
        }
        void mousePressEvent(QMouseEvent* event) override
        {
            // A right click does not move the selection.
            if (event->button() == Qt::RightButton) {
                event->accept();
                return;
            }
            input(TVC_BYMOUSE, [&] { QTreeWidget::mousePressEvent(event); });
        }
        void mouseMoveEvent(QMouseEvent* event) override
        {
            input(TVC_BYMOUSE, [&] { QTreeWidget::mouseMoveEvent(event); });
        }
        void mouseReleaseEvent(QMouseEvent* event) override
        {
            input(TVC_BYMOUSE, [&] { QTreeWidget::mouseReleaseEvent(event); });
            if (notifyMouse && event->button() == Qt::LeftButton)
                notifyMouse(NM_CLICK);
            else if (notifyMouse && event->button() == Qt::RightButton)
                notifyMouse(NM_RCLICK);
        }
        void mouseDoubleClickEvent(QMouseEvent* event) override
        {
            if (notifyMouse && event->button() == Qt::LeftButton)
                notifyMouse(NM_DBLCLK);
            input(TVC_BYMOUSE, [&] { QTreeWidget::mouseDoubleClickEvent(event); });
        }
        void keyPressEvent(QKeyEvent* event) override
        {
            input(TVC_BYKEYBOARD, [&] { QTreeWidget::keyPressEvent(event); });
        }
        void focusInEvent(QFocusEvent* event) override
        {
            input(TVC_UNKNOWN, [&] { QTreeWidget::focusInEvent(event); });
            if (notifyFocus)
                notifyFocus(true);
        }
        void focusOutEvent(QFocusEvent* event) override
        {
            QTreeWidget::focusOutEvent(event);
            if (notifyFocus)
                notifyFocus(false);
        }

    private:
        template <class F> void input(UINT action, F&& run)
        {
            bool outer = !inInput;
            inInput = true;
            run();
            if (outer) {
                inInput = false;
                if (afterInput)
                    afterInput(action);
            }
        }
    };

    class TreeView : public Control {
    public:
        TreeView(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_tree(new TreeWidget)
        {
            m_tree->setHeaderHidden(true);
            m_tree->setColumnCount(1);
            m_tree->header()->setStretchLastSection(true);
            m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
            m_tree->setUniformRowHeights(true);
            m_tree->setIndentation(19);
            m_tree->setExpandsOnDoubleClick(true);
            m_tree->setContextMenuPolicy(Qt::PreventContextMenu);
            m_tree->lines = (cs.style & TVS_HASLINES) != 0;
            m_tree->buttons = (cs.style & TVS_HASBUTTONS) != 0;
            m_tree->setRootIsDecorated((cs.style & TVS_LINESATROOT) != 0);
            m_tree->afterInput = [this](UINT action) { userChanged(action); };
            m_tree->notifyMouse = [this](UINT code) {
                NMHDR header {};
                notify(code, &header);
            };
            m_tree->notifyFocus = [this](bool in) {
                NMHDR header {};
                notify(in ? NM_SETFOCUS : NM_KILLFOCUS, &header);
            };
            QObject::connect(m_tree, &QTreeWidget::currentItemChanged, &m_context,
                [this](QTreeWidgetItem*, QTreeWidgetItem*) {
                    if (!m_quiet && !m_tree->inInput)
                        restoreCaret();
                });
            QObject::connect(m_tree, &QTreeWidget::itemExpanded, &m_context,
                [this](QTreeWidgetItem* item) { userExpanded(item, true); });
            QObject::connect(m_tree, &QTreeWidget::itemCollapsed, &m_context,
                [this](QTreeWidgetItem* item) { userExpanded(item, false); });
        }
        ~TreeView() override
        {
            m_quiet = true;
            delete m_tree;
        }

        QWidget* widget() const override { return m_tree; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            switch (message) {
            case TVM_INSERTITEMA:
                result = reinterpret_cast<LRESULT>(
                    insertItem(reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)));
                return true;
            case TVM_DELETEITEM:
                result = deleteItem(reinterpret_cast<HTREEITEM>(lParam));
                return true;
            case TVM_EXPAND:
                result = expand(
                    itemOf(reinterpret_cast<HTREEITEM>(lParam)), static_cast<UINT>(wParam), false);
                return true;
            case TVM_GETCOUNT:
                result = static_cast<LRESULT>(m_items.size());
                return true;
            case TVM_GETINDENT:
                result = m_tree->indentation();
                return true;
            case TVM_SETINDENT:
                m_tree->setIndentation(std::max(0, static_cast<int>(wParam)));
                result = TRUE;
                return true;
            case TVM_GETIMAGELIST:
                result = wParam == TVSIL_NORMAL ? reinterpret_cast<LRESULT>(m_images) : 0;
                return true;
            case TVM_SETIMAGELIST:
                result = wParam == TVSIL_NORMAL
                    ? reinterpret_cast<LRESULT>(setImageList(reinterpret_cast<HIMAGELIST>(lParam)))
                    : 0;
                return true;
            case TVM_GETNEXTITEM:
                result = reinterpret_cast<LRESULT>(handleOf(
                    nextItem(static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam))));
                return true;
            case TVM_SELECTITEM:
                result = selectItem(static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam));
                return true;
            case TVM_GETITEMA:
                result = getItem(reinterpret_cast<TVITEMA*>(lParam));
                return true;
            case TVM_SETITEMA:
                result = setItem(reinterpret_cast<const TVITEMA*>(lParam));
                return true;
            case TVM_GETITEMRECT:
                result = itemRect(wParam != 0, reinterpret_cast<RECT*>(lParam));
                return true;
            case TVM_HITTEST:
                result
                    = reinterpret_cast<LRESULT>(hitTest(reinterpret_cast<TVHITTESTINFO*>(lParam)));
                return true;
            case TVM_SORTCHILDREN:
                result = sortChildren(reinterpret_cast<HTREEITEM>(lParam), wParam != 0);
                return true;
            case TVM_ENSUREVISIBLE:
                result = ensureVisible(itemOf(reinterpret_cast<HTREEITEM>(lParam)));
                return true;
            case WM_KEYDOWN:
                notifyKeyDown<NMTVKEYDOWN>(
                    [this](UINT code, NMHDR* header) { notify(code, header); }, TVN_KEYDOWN,
                    wParam);
                return false;
            default:
                return false;
            }
        }

    private:
        // Handles and items.
        QTreeWidgetItem* itemOf(HTREEITEM handle) const
        {
            auto it = m_items.find(reinterpret_cast<quintptr>(handle));
            return it == m_items.end() ? nullptr : it->second;
        }
        static HTREEITEM handleOf(const QTreeWidgetItem* item)
        {
            return item ? reinterpret_cast<HTREEITEM>(item->data(0, kHandleRole).value<quintptr>())
                        : nullptr;
        }
        static bool isRoot(HTREEITEM handle) { return !handle || handle == TVI_ROOT; }
        QTreeWidgetItem* parentOrRoot(QTreeWidgetItem* item) const
        {
            return item->parent() ? item->parent() : m_tree->invisibleRootItem();
        }

        // Insertion: the parent and the place must be valid, or nothing is inserted.
        HTREEITEM insertItem(const TVINSERTSTRUCTA* insert)
        {
            if (!insert)
                return nullptr;
            QTreeWidgetItem* parent
                = isRoot(insert->hParent) ? m_tree->invisibleRootItem() : itemOf(insert->hParent);
            if (!parent)
                return nullptr;
            const TVITEMA& source = insert->item;
            QString text
                = ((source.mask & TVIF_TEXT) && source.pszText && source.pszText != kCallbackText)
                ? toQt(source.pszText)
                : QString();
            int index = parent->childCount();
            HTREEITEM after = insert->hInsertAfter;
            if (after == TVI_FIRST)
                index = 0;
            else if (after == TVI_SORT) {
                index = 0;
                while (index < parent->childCount()
                    && parent->child(index)->text(0).compare(text, Qt::CaseInsensitive) <= 0)
                    ++index;
            } else if (after && after != TVI_LAST) {
                QTreeWidgetItem* sibling = itemOf(after);
                if (!sibling || parentOrRoot(sibling) != parent)
                    return nullptr;
                index = parent->indexOfChild(sibling) + 1;
            }
            auto* item = new QTreeWidgetItem;
            quintptr handle = ++m_lastHandle;
            item->setData(0, kHandleRole, QVariant::fromValue(handle));
            item->setText(0, text);
            item->setData(0, kParamRole,
                QVariant::fromValue<qlonglong>((source.mask & TVIF_PARAM) ? source.lParam : 0));
            item->setData(0, kImageRole, (source.mask & TVIF_IMAGE) ? source.iImage : 0);
            item->setData(0, kSelectedImageRole,
                (source.mask & TVIF_SELECTEDIMAGE) ? source.iSelectedImage : 0);
            item->setData(0, kChildrenRole, kChildrenAuto);
            item->setData(0, kStateRole, 0U);
            m_quiet = true;
            parent->insertChild(index, item);
            m_quiet = false;
            m_items[handle] = item;
            if (source.mask & TVIF_CHILDREN)
                setChildrenMark(item, source.cChildren);
            else
                setChildrenMark(item, kChildrenAuto);
            if (parent != m_tree->invisibleRootItem())
                setChildrenMark(parent, parent->data(0, kChildrenRole).toInt());
            if (source.mask & TVIF_STATE)
                applyState(item, source.state, source.stateMask);
            refreshIcon(item);
            return reinterpret_cast<HTREEITEM>(handle);
        }

        void setChildrenMark(QTreeWidgetItem* item, int mark)
        {
            int stored = mark == kChildrenAuto ? kChildrenAuto : (mark != 0 ? 1 : 0);
            item->setData(0, kChildrenRole, stored);
            item->setChildIndicatorPolicy(stored == kChildrenAuto
                    ? QTreeWidgetItem::DontShowIndicatorWhenChildless
                    : (stored ? QTreeWidgetItem::ShowIndicator
                              : QTreeWidgetItem::DontShowIndicator));
        }

        // Deletion: TVN_DELETEITEM for the item and then its children; a deleted caret passes to
        // the next sibling, the parent or the previous sibling, announced as a selection change.
        LRESULT deleteItem(HTREEITEM handle)
        {
            QTreeWidgetItem* item = isRoot(handle) ? nullptr : itemOf(handle);
            if (!isRoot(handle) && !item)
                return FALSE;
            QList<QTreeWidgetItem*> doomed;
            if (item)
                doomed << item;
            else
                for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
                    doomed << m_tree->topLevelItem(i);
            QTreeWidgetItem* heir = nullptr;
            bool caretGoes = false;
            for (QTreeWidgetItem* d : doomed)
                caretGoes = caretGoes || contains(d, m_caret);
            if (caretGoes && item) {
                heir = nextSibling(item);
                if (!heir)
                    heir = item->parent();
                if (!heir)
                    heir = previousSibling(item);
            }
            if (caretGoes) {
                m_caret = nullptr;
                restoreCaret();
            }
            QTreeWidgetItem* parent = item ? item->parent() : nullptr;
            for (QTreeWidgetItem* d : doomed)
                announceDeletion(d);
            m_quiet = true;
            for (QTreeWidgetItem* d : doomed) {
                forget(d);
                delete d;
            }
            m_quiet = false;
            if (parent && parent->data(0, kChildrenRole).toInt() == kChildrenAuto
                && parent->childCount() == 0)
                parent->setExpanded(false);
            if (heir)
                changeSelection(heir, TVC_UNKNOWN);
            return TRUE;
        }

        static bool contains(QTreeWidgetItem* tree, QTreeWidgetItem* item)
        {
            for (QTreeWidgetItem* i = item; i; i = i->parent())
                if (i == tree)
                    return true;
            return false;
        }

        void announceDeletion(QTreeWidgetItem* item)
        {
            NMTREEVIEWA info {};
            info.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
            info.itemOld.hItem = handleOf(item);
            info.itemOld.lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
            notify(TVN_DELETEITEMA, &info.hdr);
            for (int i = 0; i < item->childCount(); ++i)
                announceDeletion(item->child(i));
        }

        void forget(QTreeWidgetItem* item)
        {
            m_items.erase(item->data(0, kHandleRole).value<quintptr>());
            for (int i = 0; i < item->childCount(); ++i)
                forget(item->child(i));
        }

        // Expansion. The program's expansion notifies only the first time (until a collapse
        // with TVE_COLLAPSERESET); the user's always does; the program's collapse never does.
        LRESULT expand(QTreeWidgetItem* item, UINT code, bool byUser)
        {
            if (!item)
                return FALSE;
            UINT action = code & TVE_ACTIONMASK;
            bool open = item->isExpanded();
            if (action == TVE_TOGGLE)
                action = open ? TVE_COLLAPSE : TVE_EXPAND;
            if (action == TVE_COLLAPSE) {
                if (open && byUser && announce(TVN_ITEMEXPANDINGA, item, TVE_COLLAPSE))
                    return FALSE;
                setExpandedQuietly(item, false);
                if (code & TVE_COLLAPSERESET) {
                    while (item->childCount() > 0)
                        deleteItem(handleOf(item->child(0)));
                    item->setData(
                        0, kStateRole, item->data(0, kStateRole).toUInt() & ~TVIS_EXPANDEDONCE);
                }
                if (open && byUser)
                    announce(TVN_ITEMEXPANDEDA, item, TVE_COLLAPSE);
                return TRUE;
            }
            if (action != TVE_EXPAND)
                return FALSE;
            UINT state = item->data(0, kStateRole).toUInt();
            bool notifies = byUser || !(state & TVIS_EXPANDEDONCE);
            if (notifies && announce(TVN_ITEMEXPANDINGA, item, TVE_EXPAND))
                return FALSE;
            if (!m_items.count(item->data(0, kHandleRole).value<quintptr>()))
                return FALSE; // the answer deleted the item
            item->setData(0, kStateRole, state | TVIS_EXPANDEDONCE);
            setExpandedQuietly(item, true);
            if (notifies)
                announce(TVN_ITEMEXPANDEDA, item, TVE_EXPAND);
            return TRUE;
        }

        void setExpandedQuietly(QTreeWidgetItem* item, bool open)
        {
            m_quiet = true;
            item->setExpanded(open);
            m_quiet = false;
        }

        LRESULT announce(UINT code, QTreeWidgetItem* item, UINT action)
        {
            NMTREEVIEWA info {};
            info.action = action;
            describe(item, &info.itemNew);
            return notify(code, &info.hdr);
        }

        void describe(QTreeWidgetItem* item, TVITEMA* out) const
        {
            *out = TVITEMA {};
            if (!item)
                return;
            out->mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            out->hItem = handleOf(item);
            out->state = stateOf(item);
            out->stateMask = 0xFFFF;
            out->lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
            out->iImage = item->data(0, kImageRole).toInt();
            out->iSelectedImage = item->data(0, kSelectedImageRole).toInt();
        }

        // The user expanded or collapsed an item: take it back and ask the parent first.
        void userExpanded(QTreeWidgetItem* item, bool open)
        {
            if (m_quiet)
                return;
            setExpandedQuietly(item, !open);
            expand(item, open ? TVE_EXPAND : TVE_COLLAPSE, true);
        }

        // Selection: m_caret is the selected item; Qt's current item follows it.
        void restoreCaret()
        {
            m_quiet = true;
            m_tree->setCurrentItem(m_caret);
            if (!m_caret)
                m_tree->clearSelection();
            m_quiet = false;
        }

        void userChanged(UINT action)
        {
            QTreeWidgetItem* wanted = m_tree->currentItem();
            if (wanted == m_caret) {
                if (m_caret && !m_caret->isSelected())
                    restoreCaret();
                return;
            }
            restoreCaret();
            if (wanted)
                changeSelection(wanted, action);
        }

        BOOL changeSelection(QTreeWidgetItem* item, UINT action)
        {
            if (item == m_caret)
                return TRUE;
            NMTREEVIEWA info {};
            info.action = action;
            describe(m_caret, &info.itemOld);
            describe(item, &info.itemNew);
            if (item)
                info.itemNew.state |= TVIS_SELECTED;
            if (notify(TVN_SELCHANGINGA, &info.hdr) != 0)
                return FALSE;
            if (item && !m_items.count(item->data(0, kHandleRole).value<quintptr>()))
                return FALSE; // the answer deleted the item
            QTreeWidgetItem* old = m_caret;
            m_caret = item;
            restoreCaret();
            if (old)
                refreshIcon(old);
            if (item) {
                refreshIcon(item);
                m_tree->scrollToItem(item);
            }
            describe(old, &info.itemOld);
            describe(item, &info.itemNew);
            notify(TVN_SELCHANGEDA, &info.hdr);
            return TRUE;
        }

        LRESULT selectItem(UINT code, HTREEITEM handle)
        {
            QTreeWidgetItem* item = itemOf(handle);
            if (handle && !item)
                return FALSE;
            switch (code) {
            case TVGN_CARET:
                return changeSelection(item, TVC_UNKNOWN);
            case TVGN_FIRSTVISIBLE:
                if (item)
                    m_tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
                return item != nullptr;
            case TVGN_DROPHILITE:
                return TRUE;
            default:
                return FALSE;
            }
        }

        static bool isShown(QTreeWidgetItem* item)
        {
            for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
                if (!p->isExpanded())
                    return false;
            return true;
        }

        QTreeWidgetItem* nextItem(UINT code, HTREEITEM handle) const
        {
            QTreeWidgetItem* item = isRoot(handle) ? nullptr : itemOf(handle);
            bool needsItem = code == TVGN_NEXT || code == TVGN_PREVIOUS || code == TVGN_PARENT
                || code == TVGN_NEXTVISIBLE || code == TVGN_PREVIOUSVISIBLE;
            if (needsItem && !item)
                return nullptr;
            switch (code) {
            case TVGN_ROOT:
                return m_tree->topLevelItem(0);
            case TVGN_NEXT:
                return nextSibling(item);
            case TVGN_PREVIOUS:
                return previousSibling(item);
            case TVGN_PARENT:
                return item->parent();
            case TVGN_CHILD:
                if (!isRoot(handle) && !item)
                    return nullptr;
                return item ? item->child(0) : m_tree->topLevelItem(0);
            case TVGN_CARET:
                return m_caret;
            case TVGN_FIRSTVISIBLE:
                return m_tree->itemAt(0, 0) ? m_tree->itemAt(0, 0) : m_tree->topLevelItem(0);
            case TVGN_NEXTVISIBLE:
                return isShown(item) ? m_tree->itemBelow(item) : nullptr;
            case TVGN_PREVIOUSVISIBLE:
                return isShown(item) ? m_tree->itemAbove(item) : nullptr;
            case TVGN_LASTVISIBLE: {
                QTreeWidgetItem* last = m_tree->topLevelItem(m_tree->topLevelItemCount() - 1);
                while (last && last->isExpanded() && last->childCount() > 0)
                    last = last->child(last->childCount() - 1);
                return last;
            }
            default:
                return nullptr;
            }
        }

        UINT stateOf(QTreeWidgetItem* item) const
        {
            UINT state = item->data(0, kStateRole).toUInt();
            if (item == m_caret)
                state |= TVIS_SELECTED;
            if (item->isExpanded())
                state |= TVIS_EXPANDED;
            return state;
        }

        void applyState(QTreeWidgetItem* item, UINT state, UINT mask)
        {
            UINT kept = item->data(0, kStateRole).toUInt();
            UINT own = TVIS_BOLD | TVIS_EXPANDEDONCE | TVIS_CUT;
            kept = (kept & ~(mask & own)) | (state & mask & own);
            item->setData(0, kStateRole, kept);
            QFont font = item->font(0);
            font.setBold((kept & TVIS_BOLD) != 0);
            item->setFont(0, font);
            if (mask & TVIS_EXPANDED)
                setExpandedQuietly(item, (state & TVIS_EXPANDED) != 0);
        }

        LRESULT getItem(TVITEMA* out) const
        {
            QTreeWidgetItem* item = out ? itemOf(out->hItem) : nullptr;
            if (!item)
                return FALSE;
            if ((out->mask & TVIF_TEXT) && out->pszText && out->cchTextMax > 0)
                copyTruncated(
                    fromQt(item->text(0)), out->pszText, static_cast<size_t>(out->cchTextMax));
            if (out->mask & TVIF_IMAGE)
                out->iImage = item->data(0, kImageRole).toInt();
            if (out->mask & TVIF_SELECTEDIMAGE)
                out->iSelectedImage = item->data(0, kSelectedImageRole).toInt();
            if (out->mask & TVIF_PARAM)
                out->lParam = static_cast<LPARAM>(item->data(0, kParamRole).toLongLong());
            if (out->mask & TVIF_STATE)
                out->state = stateOf(item) & out->stateMask;
            if (out->mask & TVIF_CHILDREN)
                out->cChildren = hasButton(item) ? 1 : 0;
            return TRUE;
        }

        LRESULT setItem(const TVITEMA* in)
        {
            QTreeWidgetItem* item = in ? itemOf(in->hItem) : nullptr;
            if (!item)
                return FALSE;
            if ((in->mask & TVIF_TEXT) && in->pszText && in->pszText != kCallbackText)
                item->setText(0, toQt(in->pszText));
            if (in->mask & TVIF_IMAGE)
                item->setData(0, kImageRole, in->iImage);
            if (in->mask & TVIF_SELECTEDIMAGE)
                item->setData(0, kSelectedImageRole, in->iSelectedImage);
            if (in->mask & TVIF_PARAM)
                item->setData(0, kParamRole, QVariant::fromValue<qlonglong>(in->lParam));
            if (in->mask & TVIF_CHILDREN)
                setChildrenMark(item, in->cChildren);
            if (in->mask & TVIF_STATE)
                applyState(item, in->state, in->stateMask);
            refreshIcon(item);
            m_tree->viewport()->update();
            return TRUE;
        }

        // Images: the selected image while the item is the caret, the normal one otherwise.
        void refreshIcon(QTreeWidgetItem* item)
        {
            int index = item->data(0, item == m_caret ? kSelectedImageRole : kImageRole).toInt();
            QPixmap pixmap = imageListPixmap(m_images, index);
            item->setIcon(0, pixmap.isNull() ? QIcon() : QIcon(pixmap));
        }

        void refreshIcons(QTreeWidgetItem* item)
        {
            for (int i = 0; i < item->childCount(); ++i) {
                refreshIcon(item->child(i));
                refreshIcons(item->child(i));
            }
        }

        HIMAGELIST setImageList(HIMAGELIST images)
        {
            HIMAGELIST previous = m_images;
            m_images = images;
            QSize size = imageListSize(images);
            if (!size.isEmpty())
                m_tree->setIconSize(size);
            refreshIcons(m_tree->invisibleRootItem());
            return previous;
        }

        LRESULT itemRect(bool textOnly, RECT* rect) const
        {
            if (!rect)
                return FALSE;
            QTreeWidgetItem* item = itemOf(*reinterpret_cast<HTREEITEM*>(rect));
            if (!item || !isShown(item))
                return FALSE;
            QRect r = m_tree->visualItemRect(item);
            if (!textOnly)
                r = QRect(0, r.top(), m_tree->viewport()->width(), r.height());
            QPoint offset = m_tree->viewport()->mapTo(m_tree, QPoint(0, 0));
            *rect = { offset.x() + r.left(), offset.y() + r.top(), offset.x() + r.right() + 1,
                offset.y() + r.bottom() + 1 };
            return TRUE;
        }

        HTREEITEM hitTest(TVHITTESTINFO* info) const
        {
            if (!info)
                return nullptr;
            QPoint point = m_tree->viewport()->mapFrom(m_tree, QPoint(info->pt.x, info->pt.y));
            QTreeWidgetItem* item = m_tree->itemAt(point);
            info->hItem = handleOf(item);
            info->flags = TVHT_NOWHERE;
            if (item) {
                QRect r = m_tree->visualItemRect(item);
                if (point.x() < r.left())
                    info->flags = hasButton(item) && point.x() >= r.left() - m_tree->indentation()
                        ? TVHT_ONITEMBUTTON
                        : TVHT_ONITEMINDENT;
                else if (!item->icon(0).isNull()
                    && point.x() < r.left() + m_tree->iconSize().width())
                    info->flags = TVHT_ONITEMICON;
                else
                    info->flags = TVHT_ONITEMLABEL;
            }
            return info->hItem;
        }

        LRESULT sortChildren(HTREEITEM handle, bool recurse)
        {
            QTreeWidgetItem* parent = isRoot(handle) ? m_tree->invisibleRootItem() : itemOf(handle);
            if (!parent)
                return FALSE;
            sortUnder(parent, recurse);
            return TRUE;
        }

        void sortUnder(QTreeWidgetItem* parent, bool recurse)
        {
            m_quiet = true;
            QList<QTreeWidgetItem*> children = parent->takeChildren();
            std::stable_sort(
                children.begin(), children.end(), [](QTreeWidgetItem* a, QTreeWidgetItem* b) {
                    return a->text(0).compare(b->text(0), Qt::CaseInsensitive) < 0;
                });
            parent->addChildren(children);
            m_quiet = false;
            restoreCaret();
            if (recurse)
                for (QTreeWidgetItem* child : children)
                    sortUnder(child, true);
        }

        LRESULT ensureVisible(QTreeWidgetItem* item)
        {
            if (!item)
                return FALSE;
            std::vector<QTreeWidgetItem*> closed;
            for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
                if (!p->isExpanded())
                    closed.push_back(p);
            for (auto it = closed.rbegin(); it != closed.rend(); ++it)
                expand(*it, TVE_EXPAND, false);
            m_tree->scrollToItem(item);
            return closed.empty() ? FALSE : TRUE;
        }

        TreeWidget* m_tree;
        std::unordered_map<quintptr, QTreeWidgetItem*> m_items;
        quintptr m_lastHandle = 0;
        QTreeWidgetItem* m_caret = nullptr;
        HIMAGELIST m_images = nullptr;
        bool m_quiet = false;
    };
}
}

std::unique_ptr<winport::Control> winport::makeTreeViewControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<TreeView>(w, cs);
}
