// The tab control ("SysTabControl32"): a row of tabs over a display area. A user's click sends
// TCN_SELCHANGING (a non-zero answer keeps the current tab) and then TCN_SELCHANGE.
#include "controlclasses.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <algorithm>
#include <cstring>

namespace winport {
namespace {
    const int kDefaultMinTabWidth = 42;
    const int kFrame = 2;

    class TabBar : public QTabBar {
    public:
        using QTabBar::QTabBar;
        QSize itemSize { 0, 0 };
        int minWidth = -1;
        bool fixedWidth = false;

        // Re-lays the tabs out after a size setting changed.
        void refresh()
        {
            setUsesScrollButtons(!usesScrollButtons());
            setUsesScrollButtons(!usesScrollButtons());
            resize(sizeHint().width(), sizeHint().height());
        }

    protected:
        QSize tabSizeHint(int index) const override
        {
            QSize size = QTabBar::tabSizeHint(index);
            if (fixedWidth && itemSize.width() > 0)
                size.setWidth(itemSize.width());
            if (itemSize.height() > 0)
                size.setHeight(itemSize.height());
            size.setWidth(std::max(size.width(), minWidth < 0 ? kDefaultMinTabWidth : minWidth));
            return size;
        }
        QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    };

    class TabWidget : public QWidget {
    public:
        TabWidget()
            : bar(new TabBar(this))
        {
            bar->setDrawBase(false);
            bar->setExpanding(false);
            bar->setFocusPolicy(Qt::NoFocus);
            setFocusPolicy(Qt::StrongFocus);
            setAutoFillBackground(true);
        }
        TabBar* bar;

        int headerHeight() const { return bar->count() ? bar->sizeHint().height() : 0; }
        void layoutBar() { bar->setGeometry(0, 0, width(), std::max(headerHeight(), 1)); }

    protected:
        void resizeEvent(QResizeEvent*) override { layoutBar(); }
        void paintEvent(QPaintEvent*) override
        {
            QPainter p(this);
            QStyleOptionTabWidgetFrame option;
            option.initFrom(this);
            option.rect = QRect(0, headerHeight(), width(), height() - headerHeight());
            option.shape = QTabBar::RoundedNorth;
            style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &p, this);
        }
    };

    class TabControl : public Control {
    public:
        TabControl(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_widget(new TabWidget)
        {
            m_widget->bar->fixedWidth = (cs.style & TCS_FIXEDWIDTH) != 0;
            m_widget->bar->setFont(m_widget->font());
        }

        QWidget* widget() const override { return m_widget; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            TabBar* bar = m_widget->bar;
            switch (message) {
            case TCM_GETITEMCOUNT:
                result = static_cast<LRESULT>(m_items.size());
                return true;
            case TCM_INSERTITEM:
                result = insert(static_cast<int>(wParam), reinterpret_cast<const TCITEMA*>(lParam));
                return true;
            case TCM_DELETEITEM:
                result = remove(static_cast<int>(wParam));
                return true;
            case TCM_DELETEALLITEMS:
                while (!m_items.empty())
                    remove(0);
                result = TRUE;
                return true;
            case TCM_GETITEM:
                result = getItem(static_cast<int>(wParam), reinterpret_cast<TCITEMA*>(lParam));
                return true;
            case TCM_SETITEM:
                result
                    = setItem(static_cast<int>(wParam), reinterpret_cast<const TCITEMA*>(lParam));
                return true;
            case TCM_GETCURSEL:
                result = m_selected;
                return true;
            case TCM_SETCURSEL: {
                int index = static_cast<int>(wParam);
                if (!valid(index)) {
                    result = -1;
                    return true;
                }
                result = m_selected;
                select(index);
                return true;
            }
            case TCM_GETCURFOCUS:
                result = m_selected;
                return true;
            case TCM_SETCURFOCUS:
                // As in Win32, focusing the selected tab changes nothing and notifies nobody.
                if (valid(static_cast<int>(wParam)) && static_cast<int>(wParam) != m_selected)
                    userSelect(static_cast<int>(wParam));
                result = 0;
                return true;
            case TCM_GETITEMRECT: {
                int index = static_cast<int>(wParam);
                auto* rect = reinterpret_cast<RECT*>(lParam);
                if (!valid(index) || !rect) {
                    result = FALSE;
                    return true;
                }
                QRect r = bar->tabRect(index).translated(bar->pos());
                *rect = RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
                result = TRUE;
                return true;
            }
            case TCM_ADJUSTRECT:
                adjust(wParam != 0, reinterpret_cast<RECT*>(lParam));
                result = 0;
                return true;
            case TCM_SETITEMSIZE: {
                QSize old
                    = bar->count() ? bar->tabRect(0).size() : QSize(0, m_widget->headerHeight());
                bar->itemSize = QSize(LOWORD(lParam), HIWORD(lParam));
                relayout();
                result = MAKELRESULT(old.width(), old.height());
                return true;
            }
            case TCM_SETMINTABWIDTH: {
                int old = bar->minWidth < 0 ? kDefaultMinTabWidth : bar->minWidth;
                bar->minWidth = static_cast<int>(static_cast<LONG>(lParam));
                relayout();
                result = old;
                return true;
            }
            case TCM_HIGHLIGHTITEM: {
                int index = static_cast<int>(wParam);
                if (!valid(index)) {
                    result = FALSE;
                    return true;
                }
                setHighlight(index, LOWORD(lParam) != 0);
                result = TRUE;
                return true;
            }
            case TCM_HITTEST: {
                auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
                if (!info) {
                    result = -1;
                    return true;
                }
                int index = tabAt(QPoint(info->pt.x, info->pt.y));
                info->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEM;
                result = index;
                return true;
            }
            case TCM_GETROWCOUNT:
                result = m_items.empty() ? 0 : 1;
                return true;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK: {
                int index = tabAt(QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
                if (index >= 0 && !(m_window.style & TCS_FOCUSNEVER))
                    SetFocus(m_window.handle);
                if (index >= 0 && index != m_selected)
                    userSelect(index);
                result = 0;
                return true;
            }
            case WM_KEYDOWN:
                if (wParam == VK_LEFT || wParam == VK_RIGHT) {
                    int index = m_selected + (wParam == VK_LEFT ? -1 : 1);
                    if (valid(index))
                        userSelect(index);
                    result = 0;
                    return true;
                }
                return false;
            case WM_SETFONT:
                DefWindowProc(m_window.handle, message, wParam, lParam);
                bar->setFont(m_widget->font());
                relayout();
                result = 0;
                return true;
            default:
                return false;
            }
        }

    private:
        struct Item {
            std::string text;
            LPARAM param = 0;
            DWORD state = 0;
            int image = -1;
        };

        bool valid(int index) const
        {
            return index >= 0 && index < static_cast<int>(m_items.size());
        }

        int tabAt(QPoint client) const
        {
            return m_widget->bar->tabAt(m_widget->bar->mapFrom(m_widget, client));
        }

        void relayout()
        {
            m_widget->bar->refresh();
            m_widget->layoutBar();
            m_widget->update();
        }

        void select(int index)
        {
            m_selected = index;
            QSignalBlocker block(m_widget->bar);
            if (index >= 0)
                m_widget->bar->setCurrentIndex(index);
        }

        void userSelect(int index)
        {
            NMHDR header {};
            if (notify(TCN_SELCHANGING, &header))
                return; // the parent keeps the current tab
            if (!IsWindow(m_window.handle))
                return;
            select(index);
            notify(TCN_SELCHANGE, &header);
        }

        int insert(int index, const TCITEMA* item)
        {
            if (!item || index < 0)
                return -1;
            index = std::min(index, static_cast<int>(m_items.size()));
            Item entry;
            if ((item->mask & TCIF_TEXT) && item->pszText)
                entry.text = item->pszText;
            if (item->mask & TCIF_PARAM)
                entry.param = item->lParam;
            if (item->mask & TCIF_IMAGE)
                entry.image = item->iImage;
            if (item->mask & TCIF_STATE)
                entry.state = item->dwState & item->dwStateMask;
            m_items.insert(m_items.begin() + index, entry);
            {
                QSignalBlocker block(m_widget->bar);
                m_widget->bar->insertTab(index, toQt(entry.text));
            }
            if (m_selected >= index)
                ++m_selected;
            if (m_items.size() == 1)
                m_selected = 0;
            select(m_selected);
            if (entry.state & TCIS_HIGHLIGHTED)
                setHighlight(index, true);
            m_widget->layoutBar();
            return index;
        }

        BOOL remove(int index)
        {
            if (!valid(index))
                return FALSE;
            m_items.erase(m_items.begin() + index);
            {
                QSignalBlocker block(m_widget->bar);
                m_widget->bar->removeTab(index);
            }
            if (index < m_selected)
                --m_selected;
            else if (index == m_selected)
                m_selected = -1;
            select(m_selected);
            m_widget->layoutBar();
            m_widget->update();
            return TRUE;
        }

        BOOL getItem(int index, TCITEMA* item) const
        {
            if (!valid(index) || !item)
                return FALSE;
            const Item& entry = m_items[static_cast<size_t>(index)];
            if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
                size_t n = std::min(entry.text.size(), static_cast<size_t>(item->cchTextMax - 1));
                std::memcpy(item->pszText, entry.text.data(), n);
                item->pszText[n] = '\0';
            }
            if (item->mask & TCIF_PARAM)
                item->lParam = entry.param;
            if (item->mask & TCIF_IMAGE)
                item->iImage = entry.image;
            if (item->mask & TCIF_STATE)
                item->dwState = entry.state & item->dwStateMask;
            return TRUE;
        }

        BOOL setItem(int index, const TCITEMA* item)
        {
            if (!valid(index) || !item)
                return FALSE;
            Item& entry = m_items[static_cast<size_t>(index)];
            if (item->mask & TCIF_TEXT) {
                entry.text = item->pszText ? item->pszText : "";
                m_widget->bar->setTabText(index, toQt(entry.text));
            }
            if (item->mask & TCIF_PARAM)
                entry.param = item->lParam;
            if (item->mask & TCIF_IMAGE)
                entry.image = item->iImage;
            if (item->mask & TCIF_STATE) {
                DWORD state
                    = (entry.state & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
                setHighlight(index, (state & TCIS_HIGHLIGHTED) != 0);
                entry.state = state;
            }
            return TRUE;
        }

        void setHighlight(int index, bool on)
        {
            Item& entry = m_items[static_cast<size_t>(index)];
            entry.state = on ? (entry.state | TCIS_HIGHLIGHTED) : (entry.state & ~TCIS_HIGHLIGHTED);
            QColor color = on ? m_widget->palette().color(QPalette::Highlight) : QColor();
            m_widget->bar->setTabTextColor(index, color);
        }

        void adjust(bool larger, RECT* rect) const
        {
            if (!rect)
                return;
            int header = m_widget->bar->count() ? m_widget->bar->sizeHint().height() : 0;
            int sign = larger ? -1 : 1;
            rect->left += sign * kFrame;
            rect->right -= sign * kFrame;
            rect->top += sign * (header + kFrame);
            rect->bottom -= sign * kFrame;
        }

        TabWidget* m_widget;
        std::vector<Item> m_items;
        int m_selected = -1;
    };

    std::unique_ptr<Control> makeTabControl(Window& window, const CREATESTRUCTA& cs)
    {
        return std::make_unique<TabControl>(window, cs);
    }
}
}

std::unique_ptr<winport::Control> winport::makeTabControlControl(Window& w, const CREATESTRUCTA& cs)
{
    return makeTabControl(w, cs);
}
