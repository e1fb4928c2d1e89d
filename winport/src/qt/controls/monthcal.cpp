// Month calendars ("SysMonthCal32"): the current selection, the today mark and bold day states.
// A user's click sends MCN_SELCHANGE then MCN_SELECT; paging to another month moves the selection
// to the same day there (MCN_SELCHANGE) and, with MCS_DAYSTATE, asks for the day states.
#include "controlclasses.h"
#include "qt/windows/window.h"

#include <QCalendarWidget>
#include <QTextCharFormat>

namespace winport {
namespace {
    SYSTEMTIME toSystemTime(const QDate& d)
    {
        SYSTEMTIME st {};
        st.wYear = static_cast<WORD>(d.year());
        st.wMonth = static_cast<WORD>(d.month());
        st.wDay = static_cast<WORD>(d.day());
        st.wDayOfWeek = static_cast<WORD>(d.dayOfWeek() % 7);
        return st;
    }

    QDate toDate(const SYSTEMTIME& st) { return QDate(st.wYear, st.wMonth, st.wDay); }

    class MonthCalendar : public Control {
    public:
        MonthCalendar(Window& window, const CREATESTRUCTA&)
            : Control(window)
            , m_calendar(new QCalendarWidget)
        {
            m_calendar->setGridVisible(false);
            m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
            m_calendar->setFirstDayOfWeek(Qt::Sunday);
            m_today = QDate::currentDate();
            markToday();
            // Paging moves the selection itself (pageChanged); Qt's own move to the same day
            // afterwards is no second change.
            QObject::connect(m_calendar, &QCalendarWidget::selectionChanged, &m_context, [this] {
                if (!m_updating && m_calendar->selectedDate() != m_known)
                    notifySelection(MCN_SELCHANGE);
            });
            QObject::connect(m_calendar, &QCalendarWidget::clicked, &m_context, [this] {
                if (!m_updating)
                    notifySelection(MCN_SELECT);
            });
            QObject::connect(m_calendar, &QCalendarWidget::activated, &m_context, [this] {
                if (!m_updating)
                    notifySelection(MCN_SELECT);
            });
            QObject::connect(m_calendar, &QCalendarWidget::currentPageChanged, &m_context,
                [this](int year, int month) { pageChanged(year, month); });
        }

        QWidget* widget() const override { return m_calendar; }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            auto* times = reinterpret_cast<SYSTEMTIME*>(lParam);
            switch (message) {
            case MCM_GETCURSEL:
                if (!times) {
                    result = FALSE;
                    return true;
                }
                *times = toSystemTime(m_calendar->selectedDate());
                result = TRUE;
                return true;
            case MCM_SETCURSEL: {
                QDate date = times ? toDate(*times) : QDate();
                if (!date.isValid()) {
                    result = FALSE;
                    return true;
                }
                Updating guard(*this);
                m_calendar->setSelectedDate(date);
                m_calendar->setCurrentPage(date.year(), date.month());
                m_known = m_calendar->selectedDate();
                result = TRUE;
                return true;
            }
            case MCM_SETTODAY: {
                QDate date = times ? toDate(*times) : QDate::currentDate();
                if (date.isValid()) {
                    unmarkToday();
                    m_today = date;
                    markToday();
                }
                result = 0;
                return true;
            }
            case MCM_GETTODAY:
                if (!times) {
                    result = FALSE;
                    return true;
                }
                *times = toSystemTime(m_today);
                result = TRUE;
                return true;
            case MCM_GETMONTHRANGE: {
                QDate first, last;
                int months = range(wParam == GMR_DAYSTATE, &first, &last);
                if (times) {
                    times[0] = toSystemTime(first);
                    times[1] = toSystemTime(last);
                }
                result = months;
                return true;
            }
            case MCM_SETDAYSTATE:
                result = setDayStates(
                    static_cast<int>(wParam), reinterpret_cast<const MONTHDAYSTATE*>(lParam));
                return true;
            case MCM_SETFIRSTDAYOFWEEK: {
                LRESULT old = MAKELRESULT(firstDay(), 0);
                int day = static_cast<int>(lParam); // 0 Monday ... 6 Sunday
                if (day >= 0 && day <= 6)
                    m_calendar->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(day + 1));
                result = old;
                return true;
            }
            case MCM_GETFIRSTDAYOFWEEK:
                result = MAKELRESULT(firstDay(), 0);
                return true;
            default:
                return false;
            }
        }

    private:
        struct Updating {
            explicit Updating(MonthCalendar& c)
                : calendar(c)
            {
                calendar.m_updating = true;
            }
            ~Updating() { calendar.m_updating = false; }
            MonthCalendar& calendar;
        };

        int firstDay() const { return static_cast<int>(m_calendar->firstDayOfWeek()) - 1; }

        // The shown month; with partial months (day states) the months before and after too.
        int range(bool partial, QDate* first, QDate* last) const
        {
            QDate month(m_calendar->yearShown(), m_calendar->monthShown(), 1);
            *first = partial ? month.addMonths(-1) : month;
            QDate end = partial ? month.addMonths(1) : month;
            *last = end.addDays(end.daysInMonth() - 1);
            return partial ? 3 : 1;
        }

        void notifySelection(UINT code)
        {
            m_known = m_calendar->selectedDate();
            NMSELCHANGE info {};
            info.stSelStart = toSystemTime(m_known);
            info.stSelEnd = info.stSelStart;
            notify(code, &info.nmhdr);
        }

        void pageChanged(int year, int month)
        {
            if (m_updating)
                return;
            QDate selected = m_calendar->selectedDate();
            QDate moved(year, month, 1);
            moved = moved.addDays(std::min(selected.day(), moved.daysInMonth()) - 1);
            {
                Updating guard(*this);
                m_calendar->setSelectedDate(moved);
            }
            notifySelection(MCN_SELCHANGE);
            if (m_window.style & MCS_DAYSTATE)
                requestDayStates();
        }

        void requestDayStates()
        {
            QDate first, last;
            int months = range(true, &first, &last);
            std::vector<MONTHDAYSTATE> states(static_cast<size_t>(months), 0);
            NMDAYSTATE info {};
            info.stStart = toSystemTime(first);
            info.cDayState = months;
            info.prgDayState = states.data();
            notify(MCN_GETDAYSTATE, &info.nmhdr);
            setDayStates(months, info.prgDayState);
        }

        BOOL setDayStates(int count, const MONTHDAYSTATE* states)
        {
            QDate first, last;
            int months = range(true, &first, &last);
            if (!states || count != months)
                return FALSE;
            for (QDate d : m_bold)
                m_calendar->setDateTextFormat(d, QTextCharFormat());
            m_bold.clear();
            for (int m = 0; m < months; ++m) {
                QDate month = first.addMonths(m);
                for (int day = 1; day <= month.daysInMonth(); ++day) {
                    if (states[m] & (1u << (day - 1))) {
                        QDate d(month.year(), month.month(), day);
                        QTextCharFormat bold;
                        bold.setFontWeight(QFont::Bold);
                        m_calendar->setDateTextFormat(d, bold);
                        m_bold.push_back(d);
                    }
                }
            }
            markToday();
            return TRUE;
        }

        void markToday()
        {
            if (m_window.style & MCS_NOTODAYCIRCLE)
                return;
            QTextCharFormat format = m_calendar->dateTextFormat(m_today);
            format.setFontUnderline(true);
            m_calendar->setDateTextFormat(m_today, format);
        }

        void unmarkToday()
        {
            QTextCharFormat format = m_calendar->dateTextFormat(m_today);
            format.setFontUnderline(false);
            m_calendar->setDateTextFormat(m_today, format);
        }

        QCalendarWidget* m_calendar;
        QDate m_today;
        QDate m_known; // the selection the parent knows of
        std::vector<QDate> m_bold;
        bool m_updating = false;
    };
}
}

std::unique_ptr<winport::Control> winport::makeMonthCalendarControl(
    Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<MonthCalendar>(w, cs);
}
