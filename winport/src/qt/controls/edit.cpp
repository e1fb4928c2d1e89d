// Edit controls ("Edit"). The control keeps its text as the program and the user made it: line
// ends are "\r\n" and count two positions, as in Windows. The Qt widget shows that text with each
// "\r\n" as one line break (lone "\r" and "\n" as spaces), so a position maps to the widget by
// subtracting the line breaks before it; the starts of the "\r\n" pairs are kept in order, so that
// conversion is a binary search. Text the program replaces reaches a multi-line widget later, in
// one change covering every replacement since the last: when the event loop runs, or before the
// widget handles any event (input, painting). So appending costs in proportion to the text
// appended, however long the program writes without returning to the event loop. User edits
// arrive as changed ranges of the widget and are applied to the kept text; past the text limit
// they are undone and EN_MAXTEXT is sent.
#include "controlclasses.h"
#include "qt/controls/beforeevents.h"
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstring>

namespace winport {
namespace {
    const size_t kDefaultLimit = 30000;
    const size_t kMaxLimit = 0x7FFFFFFE;

    // Characters typed outside Latin-1 cannot be kept in the ANSI text.
    char latin1Char(QChar c) { return c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?'; }

    class Edit : public Control {
    public:
        Edit(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_multiline((cs.style & ES_MULTILINE) != 0)
        {
            if (m_multiline) {
                m_plain = new QPlainTextEdit;
                bool wrap = !(cs.style & (ES_AUTOHSCROLL | WS_HSCROLL));
                m_plain->setLineWrapMode(
                    wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
                m_plain->setVerticalScrollBarPolicy(
                    (cs.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
                m_plain->setHorizontalScrollBarPolicy(
                    (cs.style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
                m_plain->setTabChangesFocus(false);
                m_plain->setFrameShape((cs.style & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE)
                        ? QFrame::StyledPanel
                        : QFrame::NoFrame);
                m_plain->viewport()->setMouseTracking(true);
                QObject::connect(m_plain->document(), &QTextDocument::contentsChange, &m_context,
                    [this](int position, int removed, int added) {
                        userChanged(position, removed, added);
                    });
                QObject::connect(m_plain, &QPlainTextEdit::cursorPositionChanged, &m_context,
                    [this] { readSelection(); });
                QObject::connect(m_plain, &QPlainTextEdit::selectionChanged, &m_context,
                    [this] { readSelection(); });
                auto* sync = new BeforeEvents([this] { syncWidget(); }, &m_context);
                m_plain->installEventFilter(sync);
                m_plain->viewport()->installEventFilter(sync);
            } else {
                m_line = new QLineEdit;
                m_line->setFrame((cs.style & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE));
                if (cs.style & ES_PASSWORD)
                    m_line->setEchoMode(QLineEdit::Password);
                // ES_NUMBER refuses the user's other characters; the program may set any text.
                if (cs.style & ES_NUMBER)
                    m_line->setValidator(new QRegularExpressionValidator(
                        QRegularExpression(QStringLiteral("[0-9]*")), m_line));
                DWORD align = static_cast<DWORD>(cs.style) & 3;
                m_line->setAlignment(align == ES_RIGHT ? Qt::AlignRight
                        : align == ES_CENTER           ? Qt::AlignHCenter
                                                       : Qt::AlignLeft);
                QObject::connect(m_line, &QLineEdit::textEdited, &m_context,
                    [this](const QString& text) { userEditedLine(text); });
                QObject::connect(m_line, &QLineEdit::cursorPositionChanged, &m_context,
                    [this] { readSelection(); });
                QObject::connect(
                    m_line, &QLineEdit::selectionChanged, &m_context, [this] { readSelection(); });
            }
            setReadOnly((cs.style & ES_READONLY) != 0);
            setLimit(kDefaultLimit);
        }

        QWidget* widget() const override
        {
            return m_plain ? static_cast<QWidget*>(m_plain) : static_cast<QWidget*>(m_line);
        }

        void showText() override { }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            switch (message) {
            case WM_SETTEXT:
                m_text = lParam ? reinterpret_cast<const char*>(lParam) : "";
                indexBreaks();
                m_window.text.clear();
                m_selStart = m_selEnd = 0;
                m_modified = false;
                display();
                // As in Windows, only a single-line edit reports text the program sets.
                if (!m_multiline) {
                    notifyCommand(EN_UPDATE);
                    notifyCommand(EN_CHANGE);
                }
                result = TRUE;
                return true;
            case WM_GETTEXT: {
                if (!lParam || wParam == 0) {
                    result = 0;
                    return true;
                }
                size_t n = std::min(m_text.size(), static_cast<size_t>(wParam - 1));
                std::memcpy(reinterpret_cast<char*>(lParam), m_text.data(), n);
                reinterpret_cast<char*>(lParam)[n] = '\0';
                result = static_cast<LRESULT>(n);
                return true;
            }
            case WM_GETTEXTLENGTH:
                result = static_cast<LRESULT>(m_text.size());
                return true;
            case EM_GETSEL:
                if (wParam)
                    *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_selStart);
                if (lParam)
                    *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_selEnd);
                result = MAKELRESULT(
                    std::min<size_t>(m_selStart, 0xFFFF), std::min<size_t>(m_selEnd, 0xFFFF));
                return true;
            case EM_SETSEL:
                setSelection(static_cast<int>(static_cast<LONG>(wParam)),
                    static_cast<int>(static_cast<LONG>(lParam)));
                result = 0;
                return true;
            case EM_REPLACESEL:
                replaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : "");
                result = 0;
                return true;
            case EM_LIMITTEXT:
                setLimit(wParam == 0 ? kMaxLimit : static_cast<size_t>(wParam));
                result = 0;
                return true;
            case EM_GETLIMITTEXT:
                result = static_cast<LRESULT>(m_limit);
                return true;
            case EM_SETREADONLY:
                setReadOnly(wParam != 0);
                result = TRUE;
                return true;
            case EM_GETMODIFY:
                result = m_modified;
                return true;
            case EM_SETMODIFY:
                m_modified = wParam != 0;
                result = 0;
                return true;
            case EM_GETLINECOUNT:
                result = static_cast<LRESULT>(lineCount());
                return true;
            case EM_LINEINDEX: {
                int line = static_cast<int>(static_cast<LONG>(wParam));
                if (line < 0)
                    line = lineOf(m_selEnd);
                result = static_cast<size_t>(line) < lineCount()
                    ? static_cast<LRESULT>(lineStart(static_cast<size_t>(line)))
                    : -1;
                return true;
            }
            case EM_LINEFROMCHAR: {
                int index = static_cast<int>(static_cast<LONG>(wParam));
                result = lineOf(index < 0 ? m_selStart : static_cast<size_t>(index));
                return true;
            }
            case EM_LINELENGTH: {
                int index = static_cast<int>(static_cast<LONG>(wParam));
                result = static_cast<LRESULT>(
                    lineText(lineOf(index < 0 ? m_selStart : static_cast<size_t>(index))).size());
                return true;
            }
            case EM_GETLINE: {
                auto* buffer = reinterpret_cast<char*>(lParam);
                if (!buffer || wParam >= lineCount()) {
                    result = 0;
                    return true;
                }
                WORD size;
                std::memcpy(&size, buffer, sizeof size);
                std::string line = lineText(static_cast<int>(wParam));
                size_t n = std::min(line.size(), static_cast<size_t>(size));
                std::memcpy(buffer, line.data(), n);
                result = static_cast<LRESULT>(n);
                return true;
            }
            case EM_SCROLLCARET:
                if (m_plain) {
                    syncWidget();
                    m_plain->ensureCursorVisible();
                }
                result = TRUE;
                return true;
            case WM_COPY:
                copy();
                result = 0;
                return true;
            case WM_CUT:
                if (!m_readOnly) {
                    copy();
                    replaceSelection("");
                }
                result = 0;
                return true;
            case WM_CLEAR:
                if (!m_readOnly)
                    replaceSelection("");
                result = 0;
                return true;
            case WM_PASTE:
                if (!m_readOnly)
                    paste();
                result = 0;
                return true;
            case WM_GETDLGCODE:
                result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS
                    | (m_multiline ? DLGC_WANTALLKEYS : 0);
                return true;
            case WM_SETFOCUS:
                notifyCommand(EN_SETFOCUS);
                return false;
            case WM_KILLFOCUS:
                notifyCommand(EN_KILLFOCUS);
                return false;
            default:
                return false;
            }
        }

    private:
        // Text [from, to) as the widget shows it: one character per position, "\r\n" as one
        // break. The range must not split a pair. The text between two breaks goes over in one
        // piece.
        QString shown(size_t from = 0, size_t to = std::string::npos) const
        {
            to = std::min(to, m_text.size());
            from = std::min(from, to);
            QString out;
            out.reserve(static_cast<qsizetype>(to - from));
            auto next = std::lower_bound(m_breaks.begin(), m_breaks.end(), from);
            while (from < to) {
                const size_t stop = next != m_breaks.end() && *next < to ? *next : to;
                appendShownRun(out, m_text.data() + from, stop - from);
                if (stop == to)
                    break;
                out += QChar('\n');
                from = stop + 2;
                ++next;
            }
            return out;
        }

        // Text with no line break in it: a lone "\r" or "\n" shows as a blank.
        static void appendShownRun(QString& out, const char* text, size_t length)
        {
            const qsizetype start = out.size();
            appendQt(out, text, static_cast<qsizetype>(length));
            if (!std::memchr(text, '\r', length) && !std::memchr(text, '\n', length))
                return;
            for (QChar* c = out.data() + start; c != out.data() + out.size(); ++c) {
                if (*c == QChar('\r') || *c == QChar('\n'))
                    *c = QChar(' ');
            }
        }

        // Whether a "\r\n" line break starts at position i.
        bool isBreak(size_t i) const
        {
            return m_multiline && i + 1 < m_text.size() && m_text[i] == '\r'
                && m_text[i + 1] == '\n';
        }

        void indexBreaks()
        {
            m_breaks.clear();
            findBreaks(0, m_text.size(), m_breaks);
        }

        // Adds the starts of the "\r\n" pairs that lie whole inside text [from, to), in order.
        void findBreaks(size_t from, size_t to, std::vector<size_t>& out) const
        {
            if (!m_multiline)
                return;
            const char* text = m_text.data();
            while (from + 1 < to) {
                const void* cr = std::memchr(text + from, '\r', to - 1 - from);
                if (!cr)
                    return;
                const size_t at = static_cast<size_t>(static_cast<const char*>(cr) - text);
                const bool pair = text[at + 1] == '\n';
                if (pair)
                    out.push_back(at);
                from = at + (pair ? 2 : 1);
            }
        }

        // The number of breaks that start before position.
        size_t breaksBefore(size_t position) const
        {
            return static_cast<size_t>(
                std::lower_bound(m_breaks.begin(), m_breaks.end(), position) - m_breaks.begin());
        }

        // Widget position of a text position (inside a "\r\n" counts as before it).
        int toWidget(size_t position) const
        {
            position = std::min(position, m_text.size());
            return static_cast<int>(position - breaksBefore(position));
        }

        size_t fromWidget(int widget) const
        {
            if (widget <= 0)
                return 0;
            // Break j shows at widget position m_breaks[j] - j; those before widget count two.
            size_t low = 0, high = m_breaks.size();
            while (low < high) {
                size_t middle = (low + high) / 2;
                if (m_breaks[middle] - middle < static_cast<size_t>(widget))
                    low = middle + 1;
                else
                    high = middle;
            }
            return std::min(static_cast<size_t>(widget) + low, m_text.size());
        }

        void display()
        {
            m_stale = false;
            m_updating = true;
            if (m_plain)
                m_plain->setPlainText(shown());
            else
                m_line->setText(shown());
            m_updating = false;
            applySelection();
        }

        void applySelection()
        {
            if (m_stale)
                return; // applied when the widget catches up
            m_updating = true;
            int start = toWidget(m_selStart), end = toWidget(m_selEnd);
            if (m_plain) {
                QTextCursor cursor(m_plain->document());
                cursor.setPosition(start);
                cursor.setPosition(end, QTextCursor::KeepAnchor);
                m_plain->setTextCursor(cursor);
            } else {
                m_line->setSelection(start, end - start);
                if (start == end)
                    m_line->setCursorPosition(end);
            }
            m_updating = false;
        }

        void readSelection()
        {
            if (m_updating)
                return;
            int start, end;
            if (m_plain) {
                QTextCursor cursor = m_plain->textCursor();
                start = cursor.selectionStart();
                end = cursor.selectionEnd();
            } else if (m_line->hasSelectedText()) {
                start = m_line->selectionStart();
                end = start + static_cast<int>(m_line->selectedText().size());
            } else {
                start = end = m_line->cursorPosition();
            }
            m_selStart = fromWidget(start);
            m_selEnd = fromWidget(end);
        }

        void setSelection(int start, int end)
        {
            size_t length = m_text.size();
            if (start == -1) {
                m_selStart = m_selEnd = std::min(m_selStart, length);
            } else {
                size_t s = start < 0 ? length : std::min(static_cast<size_t>(start), length);
                size_t e = end < 0 ? length : std::min(static_cast<size_t>(end), length);
                m_selStart = std::min(s, e);
                m_selEnd = std::max(s, e);
            }
            applySelection();
        }

        void replaceSelection(const std::string& text)
        {
            replaceSelection(text.data(), text.size());
        }
        void replaceSelection(const char* text) { replaceSelection(text, std::strlen(text)); }
        void replaceSelection(const char* text, size_t length)
        {
            size_t keep = m_text.size() - (m_selEnd - m_selStart);
            if (keep + length > m_limit) {
                length = m_limit > keep ? m_limit - keep : 0;
                notifyCommand(EN_MAXTEXT);
            }
            splice(m_selStart, m_selEnd, text, length);
            m_selStart = m_selEnd = m_selStart + length;
            m_modified = true;
            applySelection();
            notifyCommand(EN_UPDATE);
            notifyCommand(EN_CHANGE);
        }

        // Replaces text [from, to) with insert; the breaks after the change move by its length
        // difference. One character either side may join or leave a "\r\n" pair, so the range
        // the widget must redo reaches one character past each end (two to keep a pair whole).
        void splice(size_t from, size_t to, const char* insert, size_t length)
        {
            size_t first = from > 0 ? from - 1 : 0;
            if (first > 0 && isBreak(first - 1))
                --first;
            size_t last = std::min(to + 1, m_text.size());
            if (last > 0 && isBreak(last - 1))
                ++last;

            auto gone = std::lower_bound(m_breaks.begin(), m_breaks.end(), first);
            gone = m_breaks.erase(gone, std::lower_bound(gone, m_breaks.end(), last));
            m_text.replace(from, to - from, insert, length);
            const size_t lastNow = last - (to - from) + length;
            for (auto moved = gone; moved != m_breaks.end(); ++moved)
                *moved = *moved - (to - from) + length;
            if (gone == m_breaks.end()) { // at the end: the new breaks follow the others
                findBreaks(first, lastNow, m_breaks);
            } else {
                m_added.clear();
                findBreaks(first, lastNow, m_added);
                m_breaks.insert(gone, m_added.begin(), m_added.end());
            }

            if (!m_plain) {
                m_updating = true;
                m_line->setText(shown());
                m_updating = false;
                return;
            }
            // The widget is behind for text [m_staleFrom, size - m_staleTail); both ends stay
            // where no "\r\n" pair is split.
            const size_t tail = m_text.size() - lastNow;
            if (!m_stale) {
                m_stale = true;
                m_staleFrom = first;
                m_staleTail = tail;
                QMetaObject::invokeMethod(
                    &m_context, [this] { syncWidget(); }, Qt::QueuedConnection);
            } else {
                m_staleFrom = std::min(m_staleFrom, first);
                m_staleTail = std::min(m_staleTail, tail);
            }
        }

        // Brings the widget up to the text with one replacement, then shows the selection.
        void syncWidget()
        {
            if (!m_stale)
                return;
            m_stale = false;
            const size_t end = m_text.size() - m_staleTail;
            const int widgetTail = toWidget(m_text.size()) - toWidget(end);
            QTextDocument* document = m_plain->document();
            m_updating = true;
            if (document->isEmpty()) {
                // Nothing shown yet: the widget takes the whole text, as when the text is set.
                m_plain->setPlainText(shown());
                m_updating = false;
                applySelection();
                return;
            }
            // Program changes are no steps the user can undo, as when the text is set.
            document->setUndoRedoEnabled(false);
            QTextCursor cursor(document);
            cursor.setPosition(toWidget(m_staleFrom));
            cursor.setPosition(
                document->characterCount() - 1 - widgetTail, QTextCursor::KeepAnchor);
            cursor.insertText(shown(m_staleFrom, end));
            document->setUndoRedoEnabled(true);
            m_updating = false;
            applySelection();
        }

        void userChanged(int position, int removed, int added)
        {
            if (m_updating)
                return;
            QString now = m_plain->toPlainText();
            std::string before = m_text;
            // The changed range as the document reports it; Qt may report a larger range than
            // the edit touched, so the result is checked against the widget's text.
            size_t from = fromWidget(position);
            size_t to = fromWidget(position + removed);
            QString inserted = now.mid(position, added);
            std::string replacement;
            for (QChar c : inserted) {
                if (c == QChar('\n') || c == QChar::ParagraphSeparator)
                    replacement += "\r\n";
                else
                    replacement += latin1Char(c);
            }
            m_text.replace(from, to - from, replacement);
            indexBreaks();
            if (shown() != now) {
                m_text.clear();
                for (QChar c : now)
                    m_text
                        += c == QChar('\n') ? std::string("\r\n") : std::string(1, latin1Char(c));
                indexBreaks();
            }
            afterUserEdit(before);
        }

        void userEditedLine(const QString& text)
        {
            std::string before = m_text;
            m_text = fromQt(text);
            indexBreaks();
            afterUserEdit(before);
        }

        void afterUserEdit(const std::string& before)
        {
            if (m_text.size() > m_limit && m_text.size() > before.size()) {
                m_text = before;
                indexBreaks();
                display();
                notifyCommand(EN_MAXTEXT);
                return;
            }
            readSelection();
            m_modified = true;
            notifyCommand(EN_UPDATE);
            notifyCommand(EN_CHANGE);
        }

        void setLimit(size_t limit)
        {
            m_limit = limit;
            if (m_line)
                m_line->setMaxLength(static_cast<int>(std::min<size_t>(limit, 0x7FFFFFFF)));
        }

        void setReadOnly(bool readOnly)
        {
            m_readOnly = readOnly;
            m_window.style = readOnly ? (m_window.style | ES_READONLY)
                                      : (m_window.style & ~static_cast<DWORD>(ES_READONLY));
            if (m_plain)
                m_plain->setReadOnly(readOnly);
            else
                m_line->setReadOnly(readOnly);
        }

        size_t lineCount() const { return m_breaks.size() + 1; }

        size_t lineStart(size_t line) const { return line == 0 ? 0 : m_breaks[line - 1] + 2; }

        int lineOf(size_t position) const
        {
            // Lines start after each break that ends at or before position.
            return static_cast<int>(position < 2 ? 0 : breaksBefore(position - 1));
        }

        std::string lineText(int line) const
        {
            if (line < 0 || static_cast<size_t>(line) >= lineCount())
                return {};
            size_t start = lineStart(static_cast<size_t>(line));
            size_t end = static_cast<size_t>(line) + 1 < lineCount()
                ? m_breaks[static_cast<size_t>(line)]
                : m_text.size();
            return m_text.substr(start, end - start);
        }

        void copy() const
        {
            if (m_selEnd > m_selStart && !(m_window.style & ES_PASSWORD))
                QGuiApplication::clipboard()->setText(
                    toQt(m_text.substr(m_selStart, m_selEnd - m_selStart)));
        }

        // A multi-line edit pastes lone "\n" as "\r\n"; a single-line edit pastes the first line.
        void paste()
        {
            std::string text = fromQt(QGuiApplication::clipboard()->text());
            if (!m_multiline) {
                replaceSelection(text.substr(0, text.find_first_of("\r\n")));
                return;
            }
            std::string converted;
            for (size_t i = 0; i < text.size(); ++i) {
                if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
                    converted += '\r';
                converted += text[i];
            }
            replaceSelection(converted);
        }

        bool m_multiline;
        QPlainTextEdit* m_plain = nullptr;
        QLineEdit* m_line = nullptr;
        std::string m_text;
        // Starts of the "\r\n" pairs of m_text, in order (none in a single-line edit).
        std::vector<size_t> m_breaks;
        std::vector<size_t> m_added; // splice's breaks found in the new text, kept for its room
        // Program changes not yet in the multi-line widget: the text from m_staleFrom up to the
        // last m_staleTail characters.
        bool m_stale = false;
        size_t m_staleFrom = 0, m_staleTail = 0;
        size_t m_selStart = 0, m_selEnd = 0;
        size_t m_limit = kDefaultLimit;
        bool m_modified = false;
        bool m_readOnly = false;
        bool m_updating = false;
    };
}
}

std::unique_ptr<winport::Control> winport::makeEditControl(Window& w, const CREATESTRUCTA& cs)
{
    return std::make_unique<Edit>(w, cs);
}
