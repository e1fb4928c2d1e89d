// The rich edit control ("RichEdit20A") over QPlainTextEdit with a layout that keeps paragraph
// alignment (richlayout.h): the text is laid out only where it is shown, so a long report is in
// view, and scrollable to its end, as soon as it is written. Character positions are those of the
// QTextDocument: a paragraph break is one position, read back as "\r" (WM_GETTEXT gives "\r\n").
// Text carries character formats, some of it protected: a change that touches protected text asks
// the parent first (EN_PROTECTED, when the event mask has ENM_PROTECTED) and is refused on a
// non-zero answer. The text limit (32,767 characters by default) cuts typed and inserted text.
// The program's changes and selections reach the widget later, in one step: from the first change
// on, the document stays inside one edit block, so Qt lays out the changed text once, when the
// event loop runs or before the widget handles any event, instead of after every insertion.
// The options (EM_SETOPTIONS) are kept in the window's style, as the edit styles of the same bits:
// read-only and automatic horizontal scrolling (no wrapping at the window's width) change the
// widget, want-return lets a dialog's Enter reach the control. Qt's widget already selects whole
// words on double-click, scrolls to the caret and keeps and shows the selection without the focus,
// so those options are kept and reported only.
// Messages that only append, select and read work inside the block; any other message closes it
// first. Text the program appends at the end, with the caret there, waits in one piece and reaches
// the document in one insertion before any other message: Qt's cost per insertion is many times
// that of a report cell's few characters. So writing a report costs in proportion to the text
// written.
#include "controlclasses.h"
#include "qt/controls/beforeevents.h"
#include "qt/windows/latin1.h"
#include "qt/controls/richformat.h"
#include "qt/controls/richlayout.h"
#include "qt/controls/rtf.h"
#include "richedit.h"
#include "qt/windows/window.h"
#include "base/textbuffer.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace winport {
namespace {
    const int kProtected = QTextFormat::UserProperty + 1;
    const LONG kDefaultLimit = 32767;
    const QChar kParagraph(0x2029);
    // Options with a style bit of their own; ECO_AUTOWORDSELECTION (bit 0, ES_CENTER) has none.
    const DWORD kStyleOptions = ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_NOHIDESEL | ECO_READONLY
        | ECO_WANTRETURN | ECO_SAVESEL | ECO_SELECTIONBAR | ECO_VERTICAL;

    // Appends the text as the control stores it, at most `room` characters of it: every line end
    // ("\r\n", "\r" or "\n") one paragraph break. One pass, straight into `out`: an appended
    // report row starts with a line end.
    void appendDocumentText(QString& out, const char* text, size_t length, qsizetype room)
    {
        const char* at = text;
        const char* end = text + length;
        while (at < end && room > 0) {
            const char* cr = static_cast<const char*>(std::memchr(at, '\r', end - at));
            const char* stop = cr ? cr : end;
            const qsizetype run = std::min<qsizetype>(stop - at, room);
            appendQt(out, at, run);
            room -= run;
            if (!cr || room == 0)
                break;
            out.append(QChar('\n'));
            --room;
            at = cr + 1 < end && cr[1] == '\n' ? cr + 2 : cr + 1;
        }
    }

    QString toDocumentText(const char* text, int length = -1)
    {
        QString s;
        if (text)
            appendDocumentText(s, text,
                length < 0 ? std::strlen(text) : static_cast<size_t>(length),
                std::numeric_limits<qsizetype>::max());
        return s;
    }

    class RichEdit;

    class RichTextEdit : public QPlainTextEdit {
    public:
        explicit RichTextEdit(RichEdit& control)
            : m_control(control)
        {
            auto* text = new QTextDocument(this);
            text->setDocumentLayout(new RichLayout(text, *this));
            setDocument(text);
            preferNoShaping();
        }

    protected:
        void changeEvent(QEvent* event) override
        {
            QPlainTextEdit::changeEvent(event);
            if (event->type() == QEvent::FontChange)
                preferNoShaping();
        }
        void keyPressEvent(QKeyEvent* event) override;
        void insertFromMimeData(const QMimeData* source) override;

    private:
        // The text's fonts skip glyph shaping where the font needs none (plain Latin text in the
        // usual report fonts): shaping is most of the cost of laying out a long report. The
        // document's default font carries the choice; the formats of runs inherit it.
        void preferNoShaping()
        {
            QFont font = document()->defaultFont();
            if (font.styleStrategy() & QFont::PreferNoShaping)
                return;
            font.setStyleStrategy(
                static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::PreferNoShaping));
            document()->setDefaultFont(font);
        }

        RichEdit& m_control;
    };

    class RichEdit : public Control {
    public:
        RichEdit(Window& window, const CREATESTRUCTA& cs)
            : Control(window)
            , m_edit(new RichTextEdit(*this))
        {
            applyOptions(cs.style & kStyleOptions);
            if ((cs.style & WS_HSCROLL) == 0)
                m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // A vertical bar is always shown, as with ES_DISABLENOSCROLL: a bar that appears once
            // the text grows narrows the window, and Qt then lays the shown text out again.
            m_edit->setVerticalScrollBarPolicy(
                (cs.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            auto* sync = new BeforeEvents([this] { endBatch(); }, &m_context);
            m_edit->installEventFilter(sync);
            m_edit->viewport()->installEventFilter(sync);
        }
        ~RichEdit() override
        {
            // The document goes with the widget: nothing left to lay out.
            m_batch = QTextCursor();
            m_selection = QTextCursor();
            delete m_edit;
        }

        QWidget* widget() const override { return m_edit; }
        void showText() override
        {
            endBatch();
            setText(m_window.text.c_str());
        }

        bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
        {
            if (appending(message, wParam, lParam, result))
                return true;
            flushAppended();
            if (!worksInBatch(message, wParam))
                endBatch();
            switch (message) {
            case WM_SETTEXT:
                setText(reinterpret_cast<const char*>(lParam));
                result = TRUE;
                return true;
            case WM_GETTEXT:
                result = copyOut(textWithLineEnds("\r\n"), reinterpret_cast<char*>(lParam),
                    static_cast<size_t>(wParam));
                return true;
            case WM_GETTEXTLENGTH:
                result = static_cast<LRESULT>(textWithLineEnds("\r\n").size());
                return true;
            case EM_GETTEXTLENGTHEX: {
                auto* how = reinterpret_cast<const GETTEXTLENGTHEX*>(wParam);
                bool crlf = how && (how->flags & GTL_USECRLF);
                result = crlf ? static_cast<LRESULT>(textWithLineEnds("\r\n").size()) : length();
                return true;
            }
            case EM_GETSEL: {
                CHARRANGE range = selection();
                if (wParam)
                    *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(range.cpMin);
                if (lParam)
                    *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(range.cpMax);
                result = MAKELRESULT(range.cpMin, range.cpMax);
                return true;
            }
            case EM_EXGETSEL:
                if (lParam)
                    *reinterpret_cast<CHARRANGE*>(lParam) = selection();
                result = 0;
                return true;
            case EM_SETSEL:
                setSelection(static_cast<LONG>(wParam), static_cast<LONG>(lParam));
                result = 0;
                return true;
            case EM_EXSETSEL: {
                auto* range = reinterpret_cast<const CHARRANGE*>(lParam);
                if (range)
                    setSelection(range->cpMin, range->cpMax);
                result = selection().cpMax;
                return true;
            }
            case EM_REPLACESEL:
                replaceSelection(reinterpret_cast<const char*>(lParam), message, wParam, lParam);
                result = 0;
                return true;
            case EM_GETSELTEXT: {
                CHARRANGE range = selection();
                result = copyOut(
                    rangeText(range.cpMin, range.cpMax), reinterpret_cast<char*>(lParam), SIZE_MAX);
                return true;
            }
            case EM_GETTEXTRANGE: {
                auto* range = reinterpret_cast<TEXTRANGEA*>(lParam);
                if (!range || !range->lpstrText) {
                    result = 0;
                    return true;
                }
                LONG end = range->chrg.cpMax < 0 ? length() : range->chrg.cpMax;
                result = copyOut(rangeText(range->chrg.cpMin, end), range->lpstrText, SIZE_MAX);
                return true;
            }
            case EM_SETCHARFORMAT:
                result = setCharFormat(static_cast<UINT>(wParam),
                    reinterpret_cast<const CHARFORMATA*>(lParam), message, lParam);
                return true;
            case EM_GETCHARFORMAT:
                result = getCharFormat(
                    static_cast<UINT>(wParam), reinterpret_cast<CHARFORMATA*>(lParam));
                return true;
            case EM_SETPARAFORMAT:
                result = setParaFormat(reinterpret_cast<const PARAFORMAT*>(lParam));
                return true;
            case EM_GETPARAFORMAT:
                result = getParaFormat(reinterpret_cast<PARAFORMAT*>(lParam));
                return true;
            case EM_SETEVENTMASK:
                result = static_cast<LRESULT>(m_eventMask);
                m_eventMask = static_cast<DWORD>(lParam);
                return true;
            case EM_GETEVENTMASK:
                result = static_cast<LRESULT>(m_eventMask);
                return true;
            case EM_SETOPTIONS:
                result = static_cast<LRESULT>(
                    applyOptions(combined(static_cast<UINT>(wParam), static_cast<DWORD>(lParam))));
                return true;
            case EM_GETOPTIONS:
                result = static_cast<LRESULT>(m_options);
                return true;
            case EM_LIMITTEXT:
            case EM_EXLIMITTEXT: {
                LPARAM limit = message == EM_LIMITTEXT ? static_cast<LPARAM>(wParam) : lParam;
                m_limit = limit <= 0 ? (message == EM_LIMITTEXT ? 0x7FFFFFFE : kDefaultLimit)
                                     : static_cast<LONG>(std::min<LPARAM>(limit, 0x7FFFFFFE));
                result = 0;
                return true;
            }
            case EM_GETLIMITTEXT:
                result = m_limit;
                return true;
            case EM_GETLINECOUNT:
                result = m_edit->document()->blockCount();
                return true;
            case EM_LINEINDEX: {
                int line = static_cast<int>(wParam);
                if (line < 0)
                    line = cursorAt(selection().cpMin).blockNumber();
                QTextBlock block = m_edit->document()->findBlockByNumber(line);
                result = block.isValid() ? block.position() : -1;
                return true;
            }
            case EM_LINEFROMCHAR:
            case EM_EXLINEFROMCHAR: {
                LONG position = static_cast<LONG>(message == EM_EXLINEFROMCHAR ? lParam : wParam);
                if (position < 0)
                    position = selection().cpMin;
                result = m_edit->document()->findBlock(clamp(position)).blockNumber();
                return true;
            }
            case EM_SETREADONLY:
                applyOptions(wParam ? (m_options | ECO_READONLY) : (m_options & ~ECO_READONLY));
                result = TRUE;
                return true;
            case EM_HIDESELECTION:
                result = 0;
                return true;
            case EM_CANUNDO:
                result = m_edit->document()->isUndoAvailable();
                return true;
            case EM_UNDO:
                m_edit->undo();
                result = TRUE;
                return true;
            case EM_EMPTYUNDOBUFFER:
                m_edit->document()->clearUndoRedoStacks();
                result = 0;
                return true;
            case EM_GETMODIFY:
                result = m_edit->document()->isModified();
                return true;
            case EM_SETMODIFY:
                m_edit->document()->setModified(wParam != 0);
                result = 0;
                return true;
            case EM_SCROLLCARET:
                m_edit->ensureCursorVisible();
                result = 0;
                return true;
            case WM_COPY:
                m_edit->copy();
                result = 0;
                return true;
            case WM_CUT:
                if (!m_edit->isReadOnly())
                    m_edit->cut();
                result = 0;
                return true;
            case WM_PASTE:
                if (!m_edit->isReadOnly())
                    m_edit->paste();
                result = 0;
                return true;
            case EM_FORMATRANGE:
                result = lParam ? formatRange(*m_edit->document(),
                             *reinterpret_cast<const FORMATRANGE*>(lParam), wParam != 0)
                                : 0;
                return true;
            case EM_DISPLAYBAND:
                result = FALSE;
                return true;
            case EM_STREAMIN:
                result = streamIn(static_cast<UINT>(wParam), reinterpret_cast<EDITSTREAM*>(lParam));
                return true;
            case EM_STREAMOUT:
                result
                    = streamOut(static_cast<UINT>(wParam), reinterpret_cast<EDITSTREAM*>(lParam));
                return true;
            default:
                return false;
            }
        }

        // A user's edit of [from, to): allowed unless it touches protected text and the parent
        // refuses it.
        bool userEditAllowed(int from, int to, UINT message, WPARAM wParam, LPARAM lParam)
        {
            return editAllowed(from, to, message, wParam, lParam);
        }
        // Room left under the text limit for an insertion replacing `replaced` characters.
        int room(int replaced) const { return std::max(0, m_limit - (length() - replaced)); }
        CHARRANGE selection() const
        {
            QTextCursor cursor = textCursor();
            return { cursor.selectionStart(), cursor.selectionEnd() };
        }

    private:
        // Messages that append, select or only read: they leave an open batch open.
        static bool worksInBatch(UINT message, WPARAM wParam)
        {
            switch (message) {
            case WM_GETTEXT:
            case WM_GETTEXTLENGTH:
            case EM_GETTEXTLENGTHEX:
            case EM_GETSEL:
            case EM_EXGETSEL:
            case EM_SETSEL:
            case EM_EXSETSEL:
            case EM_REPLACESEL:
            case EM_GETSELTEXT:
            case EM_GETTEXTRANGE:
            case EM_GETCHARFORMAT:
            case EM_GETEVENTMASK:
            case EM_SETEVENTMASK:
            case EM_GETOPTIONS:
            case EM_LIMITTEXT:
            case EM_EXLIMITTEXT:
            case EM_GETLIMITTEXT:
            case EM_GETLINECOUNT:
            case EM_LINEINDEX:
            case EM_LINEFROMCHAR:
            case EM_EXLINEFROMCHAR:
            case EM_HIDESELECTION:
            case EM_FORMATRANGE:
            case EM_STREAMOUT:
                return true;
            case EM_SETCHARFORMAT:
                return (wParam & (SCF_SELECTION | SCF_WORD)) != 0 && (wParam & SCF_ALL) == 0;
            default:
                return false;
            }
        }

        DWORD combined(UINT operation, DWORD flags) const
        {
            switch (operation) {
            case ECOOP_SET:
                return flags;
            case ECOOP_OR:
                return m_options | flags;
            case ECOOP_AND:
                return m_options & flags;
            case ECOOP_XOR:
                return m_options ^ flags;
            default:
                return m_options;
            }
        }
        DWORD applyOptions(DWORD options)
        {
            m_options = options;
            m_window.style = (m_window.style & ~kStyleOptions) | (options & kStyleOptions);
            m_edit->setReadOnly((options & ECO_READONLY) != 0);
            // As in Windows, lines wrap at the window's width unless the control scrolls
            // horizontally by itself. Unwrapped, the horizontal range is that of the widest line
            // laid out so far: it grows as the user scrolls through the text.
            m_edit->setLineWrapMode(
                (options & ECO_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
            return m_options;
        }

        // Opens the batch on the program's first change or selection since the widget was last
        // brought up to date; the event loop closes it if no event or message does first.
        void beginBatch()
        {
            if (m_batching)
                return;
            m_selection = m_edit->textCursor();
            m_batch = QTextCursor(m_edit->document());
            m_batch.beginEditBlock();
            m_batching = true;
            QMetaObject::invokeMethod(
                &m_context, [this] { endBatch(); }, Qt::QueuedConnection);
        }

        // Lays out what changed in the batch and gives the widget the selection.
        void endBatch()
        {
            if (!m_batching)
                return;
            flushAppended();
            m_batching = false;
            m_batch.endEditBlock();
            m_batch = QTextCursor();
            m_edit->setTextCursor(m_selection);
            m_selection = QTextCursor();
        }

        // The selection: the widget's own, or the program's while a batch is open.
        QTextCursor textCursor() const { return m_batching ? m_selection : m_edit->textCursor(); }
        void setTextCursor(const QTextCursor& cursor)
        {
            beginBatch();
            m_selection = cursor;
        }

        // The text's length, what waits to be appended included.
        LONG length() const
        {
            return m_edit->document()->characterCount() - 1 + static_cast<LONG>(m_appended.size());
        }

        // Appending at the end with the caret there: the length asked, the caret put where it is,
        // and the text itself, which waits in m_appended. While text waits, the program's caret is
        // at the end of it and no format is set for the next insertion. Returns false for any
        // other message, which then finds the waiting text in the document.
        bool appending(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
        {
            switch (message) {
            case EM_GETTEXTLENGTHEX: {
                auto* how = reinterpret_cast<const GETTEXTLENGTHEX*>(wParam);
                if (m_appended.isEmpty() || (how && (how->flags & GTL_USECRLF)))
                    return false;
                result = length();
                return true;
            }
            case EM_SETSEL:
                if (m_appended.isEmpty() || static_cast<LONG>(wParam) != length()
                    || static_cast<LONG>(lParam) != length())
                    return false;
                result = 0;
                return true;
            case EM_REPLACESEL:
                if (!appendAtCaret(reinterpret_cast<const char*>(lParam), wParam, lParam))
                    return false;
                result = 0;
                return true;
            default:
                return false;
            }
        }

        bool appendAtCaret(const char* text, WPARAM wParam, LPARAM lParam)
        {
            if (m_appended.isEmpty()) {
                if (m_pendingFormat)
                    return false;
                beginBatch();
                QTextCursor cursor = textCursor();
                const int end = static_cast<int>(length());
                if (cursor.hasSelection() || cursor.position() != end)
                    return false;
                if (!editAllowed(end, end, EM_REPLACESEL, wParam, lParam))
                    return true; // refused: nothing changes
                m_appendFormat = insertionFormat(end, end);
            }
            if (text)
                appendDocumentText(m_appended, text, std::strlen(text), room(0));
            return true;
        }

        // Puts the waiting text at the end of the document, the program's caret after it.
        void flushAppended()
        {
            if (m_appended.isEmpty())
                return;
            QString text;
            text.swap(m_appended);
            QTextCursor cursor(m_edit->document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(text, m_appendFormat);
            m_selection = cursor;
        }
        int clamp(LONG position) const
        {
            return static_cast<int>(std::max<LONG>(0, std::min(position, length())));
        }
        QTextCursor cursorAt(int position) const
        {
            QTextCursor cursor(m_edit->document());
            cursor.setPosition(clamp(position));
            return cursor;
        }

        static bool isProtected(const QTextCharFormat& format)
        {
            return format.boolProperty(kProtected);
        }
        // The format of the character at a position (a paragraph break has its block's format).
        QTextCharFormat formatOfChar(int position) const
        {
            QTextCursor cursor = cursorAt(position);
            // Stepping over a character asks the block's layout where characters may combine
            // with the next; below U+0300 and at a paragraph break one step is one position.
            QChar next = m_edit->document()->characterAt(position + 1);
            if (position < length() && (next.unicode() < 0x300 || next == kParagraph))
                cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
            else
                cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            return cursor.charFormat();
        }
        bool touchesProtected(int from, int to) const
        {
            if (from == to) // an insertion point inside a protected run
                return from > 0 && from < length() && isProtected(formatOfChar(from - 1))
                    && isProtected(formatOfChar(from));
            for (int p = from; p < to; ++p)
                if (isProtected(formatOfChar(p)))
                    return true;
            return false;
        }
        bool editAllowed(int from, int to, UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (!touchesProtected(from, to) || !(m_eventMask & ENM_PROTECTED))
                return true;
            ENPROTECTED info {};
            info.msg = message;
            info.wParam = wParam;
            info.lParam = lParam;
            info.chrg = { from, to };
            return notify(EN_PROTECTED, &info.nmhdr) == 0;
        }

        void setText(const char* text)
        {
            QString s = toDocumentText(text ? text : "");
            if (s.size() > m_limit)
                s.truncate(m_limit);
            m_edit->document()->setPlainText(s);
            m_edit->moveCursor(QTextCursor::Start);
            m_pendingFormat.reset();
        }

        void setSelection(LONG from, LONG to)
        {
            QTextCursor cursor(m_edit->document());
            if (from < 0) { // no selection: the caret stays where the selection ended
                int end = textCursor().selectionEnd();
                cursor.setPosition(end);
            } else {
                LONG end = to < 0 ? length() : to;
                cursor.setPosition(clamp(from));
                cursor.setPosition(clamp(end), QTextCursor::KeepAnchor);
            }
            setTextCursor(cursor);
            if (!m_pendingFormat || m_pendingAt != cursor.position() || cursor.hasSelection())
                m_pendingFormat.reset();
        }

        void replaceSelection(const char* text, UINT message, WPARAM wParam, LPARAM lParam)
        {
            beginBatch();
            QTextCursor cursor = textCursor();
            int from = cursor.selectionStart();
            int to = cursor.selectionEnd();
            if (!editAllowed(from, to, message, wParam, lParam))
                return;
            QString s = toDocumentText(text ? text : "");
            int fits = room(to - from);
            if (s.size() > fits)
                s.truncate(fits);
            // Inserted text takes the insertion format (protection included), unless a format was
            // set for this insertion point.
            bool pending = m_pendingFormat && m_pendingAt == from && from == to;
            QTextCharFormat format = pending ? *m_pendingFormat : insertionFormat(from, to);
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            cursor.insertText(s, format);
            cursor.endEditBlock();
            setTextCursor(cursor);
            m_pendingFormat.reset();
        }

        // The format of the first replaced character, or of the character before the insertion
        // point.
        QTextCharFormat insertionFormat(int from, int to) const
        {
            if (to > from)
                return formatOfChar(from);
            if (from > 0)
                return formatOfChar(from - 1);
            return length() > 0 ? formatOfChar(0) : m_edit->currentCharFormat();
        }

        static void applyCharFormat(const CHARFORMATA& in, QTextCharFormat& out)
        {
            DWORD mask = in.dwMask;
            DWORD effects = in.dwEffects;
            if (mask & CFM_BOLD)
                out.setFontWeight(effects & CFE_BOLD ? QFont::Bold : QFont::Normal);
            if (mask & CFM_ITALIC)
                out.setFontItalic((effects & CFE_ITALIC) != 0);
            if (mask & CFM_UNDERLINE)
                out.setFontUnderline((effects & CFE_UNDERLINE) != 0);
            if (mask & CFM_STRIKEOUT)
                out.setFontStrikeOut((effects & CFE_STRIKEOUT) != 0);
            if (mask & CFM_PROTECTED)
                out.setProperty(kProtected, (effects & CFE_PROTECTED) != 0);
            if ((mask & CFM_SIZE) && in.yHeight > 0)
                out.setFontPointSize(in.yHeight / 20.0);
            if ((mask & CFM_FACE) && in.szFaceName[0])
                out.setFontFamilies({ toQt(in.szFaceName,
                    static_cast<int>(strnlen(in.szFaceName, LF_FACESIZE_RICHEDIT))) });
            if (mask & CFM_COLOR) {
                if (effects & CFE_AUTOCOLOR)
                    out.clearForeground();
                else
                    out.setForeground(QColor(GetRValue(in.crTextColor), GetGValue(in.crTextColor),
                        GetBValue(in.crTextColor)));
            }
        }

        LRESULT setCharFormat(UINT target, const CHARFORMATA* format, UINT message, LPARAM lParam)
        {
            if (!format || format->cbSize < sizeof(CHARFORMATA))
                return FALSE;
            QTextCharFormat change;
            if (target & SCF_ALL) {
                QTextCursor cursor(m_edit->document());
                cursor.select(QTextCursor::Document);
                QTextCharFormat merged;
                applyCharFormat(*format, merged);
                cursor.mergeCharFormat(merged);
                QTextCharFormat current = m_edit->currentCharFormat();
                applyCharFormat(*format, current);
                m_edit->setCurrentCharFormat(current);
                return TRUE;
            }
            if (target & (SCF_SELECTION | SCF_WORD)) {
                beginBatch();
                CHARRANGE range = selection();
                if (range.cpMin == range.cpMax) { // the format of the next insertion here
                    QTextCharFormat pending = m_pendingFormat && m_pendingAt == range.cpMin
                        ? *m_pendingFormat
                        : insertionFormat(range.cpMin, range.cpMax);
                    applyCharFormat(*format, pending);
                    m_pendingFormat = pending;
                    m_pendingAt = range.cpMin;
                    return TRUE;
                }
                if (!editAllowed(range.cpMin, range.cpMax, message, target, lParam))
                    return FALSE;
                QTextCursor cursor = textCursor();
                QTextCharFormat merged;
                applyCharFormat(*format, merged);
                cursor.mergeCharFormat(merged);
                return TRUE;
            }
            // SCF_DEFAULT: the document's default font.
            QTextCharFormat defaults;
            defaults.setFont(m_edit->document()->defaultFont());
            applyCharFormat(*format, defaults);
            m_edit->document()->setDefaultFont(defaults.font());
            return TRUE;
        }

        LRESULT getCharFormat(UINT target, CHARFORMATA* out) const
        {
            if (!out || out->cbSize < sizeof(CHARFORMATA))
                return 0;
            QTextCharFormat format;
            if (target == SCF_DEFAULT) {
                format.setFont(m_edit->document()->defaultFont());
            } else {
                CHARRANGE range = selection();
                format = range.cpMin == range.cpMax ? (m_pendingFormat && m_pendingAt == range.cpMin
                                 ? *m_pendingFormat
                                 : insertionFormat(range.cpMin, range.cpMin))
                                                    : formatOfChar(range.cpMin);
            }
            UINT size = out->cbSize;
            std::memset(out, 0, sizeof(CHARFORMATA));
            out->cbSize = size;
            out->dwMask = CFM_ALL;
            QFont font = format.font();
            if (font.bold())
                out->dwEffects |= CFE_BOLD;
            if (font.italic())
                out->dwEffects |= CFE_ITALIC;
            if (font.underline())
                out->dwEffects |= CFE_UNDERLINE;
            if (font.strikeOut())
                out->dwEffects |= CFE_STRIKEOUT;
            if (isProtected(format))
                out->dwEffects |= CFE_PROTECTED;
            if (format.foreground().style() == Qt::NoBrush) {
                out->dwEffects |= CFE_AUTOCOLOR;
            } else {
                QColor color = format.foreground().color();
                out->crTextColor = RGB(color.red(), color.green(), color.blue());
            }
            double points = font.pointSizeF() > 0 ? font.pointSizeF() : m_edit->font().pointSizeF();
            out->yHeight = static_cast<LONG>(points * 20 + 0.5);
            std::string face = fromQt(font.family());
            std::strncpy(out->szFaceName, face.c_str(), LF_FACESIZE_RICHEDIT - 1);
            return out->dwMask;
        }

        LRESULT setParaFormat(const PARAFORMAT* format)
        {
            if (!format || !(format->dwMask & PFM_ALIGNMENT))
                return format ? TRUE : FALSE;
            Qt::Alignment alignment = Qt::AlignLeft;
            if (format->wAlignment == PFA_RIGHT)
                alignment = Qt::AlignRight;
            else if (format->wAlignment == PFA_CENTER)
                alignment = Qt::AlignHCenter;
            QTextBlockFormat block;
            block.setAlignment(alignment);
            m_edit->textCursor().mergeBlockFormat(block);
            return TRUE;
        }

        LRESULT getParaFormat(PARAFORMAT* out) const
        {
            if (!out)
                return 0;
            Qt::Alignment alignment = m_edit->textCursor().blockFormat().alignment();
            out->dwMask = PFM_ALIGNMENT;
            out->wAlignment = alignment & Qt::AlignRight ? PFA_RIGHT
                : alignment & Qt::AlignHCenter           ? PFA_CENTER
                                                         : PFA_LEFT;
            return out->dwMask;
        }

        // Reads the stream to its end (or, for RTF, to the end of its outer group) and puts what it
        // read in place of the whole text or the selection. RTF that is incomplete leaves the text
        // as it was; text that is not RTF loads as plain text. Returns the characters read.
        LRESULT streamIn(UINT format, EDITSTREAM* stream)
        {
            if (!stream || !stream->pfnCallback)
                return 0;
            stream->dwError = 0;
            std::string data;
            char buffer[4096];
            bool rtf = (format & SF_RTF) != 0;
            for (;;) {
                LONG done = 0;
                DWORD rc = stream->pfnCallback(
                    stream->dwCookie, reinterpret_cast<LPBYTE>(buffer), sizeof buffer, &done);
                if (done > 0)
                    data.append(buffer, static_cast<size_t>(std::min<LONG>(done, sizeof buffer)));
                if (rc != 0) {
                    stream->dwError = rc;
                    break;
                }
                if (done <= 0)
                    break;
                if (rtf && looksLikeRtf(data) && rtfGroupEnd(data) > 0)
                    break;
            }
            QTextDocument loaded;
            loaded.setDefaultFont(m_edit->document()->defaultFont());
            if (rtf && looksLikeRtf(data)) {
                std::string why;
                if (!readRtf(data, loaded, &why)) {
                    if (stream->dwError == 0)
                        stream->dwError = static_cast<DWORD>(-1);
                    return 0;
                }
            } else {
                QTextCursor(&loaded).insertText(
                    toDocumentText(data.c_str(), static_cast<int>(data.size())));
            }
            int characters = loaded.characterCount() - 1;
            QTextCursor cursor(m_edit->document());
            if (format & SFF_SELECTION) {
                CHARRANGE range = selection();
                cursor.setPosition(range.cpMin);
                cursor.setPosition(range.cpMax, QTextCursor::KeepAnchor);
            } else {
                cursor.select(QTextCursor::Document);
            }
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            QTextCursor all(&loaded);
            all.select(QTextCursor::Document);
            cursor.insertFragment(all.selection());
            cursor.endEditBlock();
            if (!(format & SFF_SELECTION))
                m_edit->moveCursor(QTextCursor::Start);
            m_pendingFormat.reset();
            return characters;
        }

        // Writes the whole text or the selection, as plain text ("\r\n" line ends) or RTF, in
        // blocks to the callback until it refuses one.
        LRESULT streamOut(UINT format, EDITSTREAM* stream)
        {
            if (!stream || !stream->pfnCallback)
                return 0;
            stream->dwError = 0;
            CHARRANGE range = (format & SFF_SELECTION) ? selection() : CHARRANGE { 0, length() };
            std::string data;
            if (format & SF_RTF) {
                data = writeRtf(*m_edit->document(), range.cpMin, range.cpMax);
            } else {
                data = rangeText(range.cpMin, range.cpMax);
                std::string crlf;
                crlf.reserve(data.size() + data.size() / 32);
                for (char c : data) {
                    if (c == '\r')
                        crlf += "\r\n";
                    else
                        crlf += c;
                }
                data.swap(crlf);
            }
            size_t written = 0;
            while (written < data.size()) {
                LONG chunk = static_cast<LONG>(std::min<size_t>(4096, data.size() - written));
                LONG done = 0;
                std::string block = data.substr(written, static_cast<size_t>(chunk));
                DWORD rc = stream->pfnCallback(
                    stream->dwCookie, reinterpret_cast<LPBYTE>(&block[0]), chunk, &done);
                if (rc != 0) {
                    stream->dwError = rc;
                    break;
                }
                if (done <= 0)
                    break;
                written += static_cast<size_t>(std::min(done, chunk));
            }
            return static_cast<LRESULT>(written);
        }

        // The text of [from, to) with paragraph breaks as "\r".
        std::string rangeText(LONG from, LONG to) const
        {
            QTextCursor cursor = cursorAt(static_cast<int>(from));
            cursor.setPosition(clamp(std::max(from, to)), QTextCursor::KeepAnchor);
            QString s = cursor.selectedText();
            s.replace(kParagraph, QChar('\r'));
            return fromQt(s);
        }
        std::string textWithLineEnds(const char* lineEnd) const
        {
            QString s = m_edit->document()->toRawText();
            s.replace(kParagraph, QString::fromLatin1(lineEnd));
            return fromQt(s);
        }
        static LRESULT copyOut(const std::string& text, char* buffer, size_t size)
        {
            return static_cast<LRESULT>(copyTruncated(text, buffer, size));
        }

        RichTextEdit* m_edit;
        // The open batch: m_batch holds the edit block, m_selection the program's selection.
        bool m_batching = false;
        QTextCursor m_batch;
        QTextCursor m_selection;
        DWORD m_eventMask = 0;
        DWORD m_options = 0; // ECO_*
        LONG m_limit = kDefaultLimit;
        std::optional<QTextCharFormat> m_pendingFormat;
        int m_pendingAt = -1;
        // Text appended at the caret at the end, not yet in the document, and its format.
        QString m_appended;
        QTextCharFormat m_appendFormat;
    };

    void RichTextEdit::keyPressEvent(QKeyEvent* event)
    {
        QTextCursor cursor = textCursor();
        int from = cursor.selectionStart();
        int to = cursor.selectionEnd();
        bool edits = !isReadOnly()
            && (!event->text().isEmpty() || event->key() == Qt::Key_Backspace
                || event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut));
        if (edits && from == to) {
            if (event->key() == Qt::Key_Backspace && from > 0)
                --from;
            else if (event->key() == Qt::Key_Delete)
                ++to;
        }
        if (edits && !m_control.userEditAllowed(from, to, WM_KEYDOWN, event->key(), 0))
            return;
        bool inserts = edits && !event->text().isEmpty() && event->text().at(0).isPrint();
        if (inserts && m_control.room(to - from) < event->text().size())
            return;
        QPlainTextEdit::keyPressEvent(event);
    }

    void RichTextEdit::insertFromMimeData(const QMimeData* source)
    {
        CHARRANGE range = m_control.selection();
        if (!m_control.userEditAllowed(range.cpMin, range.cpMax, WM_PASTE, 0, 0))
            return;
        QString text = source->text();
        text.truncate(m_control.room(range.cpMax - range.cpMin));
        textCursor().insertText(text);
    }

    std::unique_ptr<Control> makeRichEdit(Window& window, const CREATESTRUCTA& cs)
    {
        return std::make_unique<RichEdit>(window, cs);
    }
}
}

std::unique_ptr<winport::Control> winport::makeRichEditControl(Window& w, const CREATESTRUCTA& cs)
{
    return makeRichEdit(w, cs);
}
