// Edit controls ("Edit"). The control keeps its text as the program and the user made it: line
// ends are "\r\n" and count two positions, as in Windows. The Qt widget shows that text with each
// "\r\n" as one line break (lone "\r" and "\n" as spaces), so a position maps to the widget by
// subtracting the line breaks before it. User edits arrive as changed ranges of the widget and are
// applied to the kept text; past the text limit they are undone and EN_MAXTEXT is sent.
#include "qt/windows/latin1.h"
#include "qt/windows/window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
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
            } else {
                m_line = new QLineEdit;
                m_line->setFrame((cs.style & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE));
                if (cs.style & ES_PASSWORD)
                    m_line->setEchoMode(QLineEdit::Password);
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
                result = static_cast<LRESULT>(lineStarts().size());
                return true;
            case EM_LINEINDEX: {
                std::vector<size_t> starts = lineStarts();
                int line = static_cast<int>(static_cast<LONG>(wParam));
                if (line < 0)
                    line = lineOf(m_selEnd);
                result = line < static_cast<int>(starts.size())
                    ? static_cast<LRESULT>(starts[static_cast<size_t>(line)])
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
                std::vector<size_t> starts = lineStarts();
                if (!buffer || wParam >= starts.size()) {
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
                if (m_plain)
                    m_plain->ensureCursorVisible();
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
        // The text as the widget shows it: one character per position, "\r\n" as one break.
        QString shown() const
        {
            QString out;
            out.reserve(static_cast<qsizetype>(m_text.size()));
            for (size_t i = 0; i < m_text.size(); ++i) {
                char c = m_text[i];
                if (c == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n' && m_multiline) {
                    out += QChar('\n');
                    ++i;
                } else if (c == '\r' || c == '\n') {
                    out += QChar(' ');
                } else {
                    out += QChar(static_cast<unsigned char>(c));
                }
            }
            return out;
        }

        // Widget position of a text position (inside a "\r\n" counts as before it).
        int toWidget(size_t position) const
        {
            int widget = 0;
            for (size_t i = 0; i < position && i < m_text.size(); ++i) {
                if (m_multiline && m_text[i] == '\r' && i + 1 < m_text.size()
                    && m_text[i + 1] == '\n') {
                    if (i + 1 >= position)
                        break;
                    ++i;
                }
                ++widget;
            }
            return widget;
        }

        size_t fromWidget(int widget) const
        {
            size_t i = 0;
            for (int w = 0; w < widget && i < m_text.size(); ++w) {
                if (m_multiline && m_text[i] == '\r' && i + 1 < m_text.size()
                    && m_text[i + 1] == '\n')
                    i += 2;
                else
                    ++i;
            }
            return i;
        }

        void display()
        {
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

        void replaceSelection(const std::string& insert)
        {
            size_t keep = m_text.size() - (m_selEnd - m_selStart);
            std::string text = insert;
            if (keep + text.size() > m_limit) {
                text.resize(m_limit > keep ? m_limit - keep : 0);
                notifyCommand(EN_MAXTEXT);
            }
            m_text.replace(m_selStart, m_selEnd - m_selStart, text);
            m_selStart = m_selEnd = m_selStart + text.size();
            m_modified = true;
            display();
            notifyCommand(EN_UPDATE);
            notifyCommand(EN_CHANGE);
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
            if (shown() != now) {
                m_text.clear();
                for (QChar c : now)
                    m_text
                        += c == QChar('\n') ? std::string("\r\n") : std::string(1, latin1Char(c));
            }
            afterUserEdit(before);
        }

        void userEditedLine(const QString& text)
        {
            std::string before = m_text;
            m_text = fromQt(text);
            afterUserEdit(before);
        }

        void afterUserEdit(const std::string& before)
        {
            if (m_text.size() > m_limit && m_text.size() > before.size()) {
                m_text = before;
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

        std::vector<size_t> lineStarts() const
        {
            std::vector<size_t> starts { 0 };
            if (!m_multiline)
                return starts;
            for (size_t i = 0; i + 1 < m_text.size(); ++i) {
                if (m_text[i] == '\r' && m_text[i + 1] == '\n')
                    starts.push_back(i + 2);
            }
            return starts;
        }

        int lineOf(size_t position) const
        {
            std::vector<size_t> starts = lineStarts();
            int line = 0;
            for (size_t i = 0; i < starts.size(); ++i) {
                if (starts[i] <= position)
                    line = static_cast<int>(i);
            }
            return line;
        }

        std::string lineText(int line) const
        {
            std::vector<size_t> starts = lineStarts();
            if (line < 0 || line >= static_cast<int>(starts.size()))
                return {};
            size_t start = starts[static_cast<size_t>(line)];
            size_t end = static_cast<size_t>(line) + 1 < starts.size()
                ? starts[static_cast<size_t>(line) + 1] - 2
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
        size_t m_selStart = 0, m_selEnd = 0;
        size_t m_limit = kDefaultLimit;
        bool m_modified = false;
        bool m_readOnly = false;
        bool m_updating = false;
    };

    const bool registered = [] {
        WindowClass c;
        c.name = "Edit";
        c.proc = controlProc;
        c.makeControl = [](Window& w, const CREATESTRUCTA& cs) -> std::unique_ptr<Control> {
            return std::make_unique<Edit>(w, cs);
        };
        registerBuiltinClass(c);
        return true;
    }();
}
}
