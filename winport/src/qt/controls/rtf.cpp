// RTF reading and writing over QTextDocument. The writer puts each run of one format into its
// own group, so the reader needs only a stack of character states.
#include "rtf.h"
#include "qt/windows/latin1.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace winport {

const int kRtfProtected = QTextFormat::UserProperty + 1;

namespace {
    double pointsOf(const QFont& font)
    {
        return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    }

    void escapeInto(std::string& out, const QString& text)
    {
        for (QChar qc : text) {
            ushort u = qc.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                out += '\\';
                out += static_cast<char>(u);
            } else if (u == '\t') {
                out += "\\tab ";
            } else if (u == QChar::LineSeparator) {
                out += "\\line ";
            } else if (u >= 0x80 && u <= 0xFF) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\'%02x", u);
                out += hex;
            } else if (u > 0xFF) {
                out += '?';
            } else {
                out += static_cast<char>(u);
            }
        }
    }
}

std::string writeRtf(const QTextDocument& document, int from, int to)
{
    int end = document.characterCount() - 1;
    if (to < 0 || to > end)
        to = end;
    from = std::clamp(from, 0, to);
    QFont base = document.defaultFont();
    std::vector<QString> fonts { base.family() };
    std::vector<QColor> colors;
    std::string body;
    auto fontIndex = [&fonts](const QString& family) {
        for (size_t i = 0; i < fonts.size(); ++i) {
            if (fonts[i] == family)
                return static_cast<int>(i);
        }
        fonts.push_back(family);
        return static_cast<int>(fonts.size() - 1);
    };
    auto colorIndex = [&colors](const QColor& color) {
        for (size_t i = 0; i < colors.size(); ++i) {
            if (colors[i] == color)
                return static_cast<int>(i + 1);
        }
        colors.push_back(color);
        return static_cast<int>(colors.size());
    };
    bool firstBlock = true;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (!firstBlock)
            body += "\\par\n";
        firstBlock = false;
        Qt::Alignment align = block.blockFormat().alignment();
        body += "\\pard";
        body += align & Qt::AlignHCenter ? "\\qc" : align & Qt::AlignRight ? "\\qr" : "\\ql";
        body += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            int start = std::max(from, fragment.position());
            int stop = std::min(to, fragment.position() + fragment.length());
            if (start >= stop)
                continue;
            QTextCharFormat format = fragment.charFormat();
            QFont font = format.font();
            QString family
                = format.hasProperty(QTextFormat::FontFamilies) ? font.family() : base.family();
            double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                           : pointsOf(base);
            char head[96];
            std::snprintf(head, sizeof head, "{\\f%d\\fs%d", fontIndex(family),
                static_cast<int>(std::lround(points * 2)));
            body += head;
            if (font.bold())
                body += "\\b";
            if (font.italic())
                body += "\\i";
            if (font.underline())
                body += "\\ul";
            if (font.strikeOut())
                body += "\\strike";
            if (format.foreground().style() != Qt::NoBrush) {
                std::snprintf(head, sizeof head, "\\cf%d", colorIndex(format.foreground().color()));
                body += head;
            }
            if (format.boolProperty(kRtfProtected))
                body += "\\protect";
            body += ' ';
            escapeInto(body, fragment.text().mid(start - fragment.position(), stop - start));
            body += '}';
        }
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil ";
        escapeInto(out, fonts[i]);
        out += ";}";
    }
    out += "}\n";
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (const QColor& c : colors)
            out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green())
                + "\\blue" + std::to_string(c.blue()) + ";";
        out += "}\n";
    }
    out += body;
    out += "\n}\n";
    return out;
}

bool looksLikeRtf(const std::string& data) { return data.compare(0, 5, "{\\rtf") == 0; }

size_t rtfGroupEnd(const std::string& data)
{
    int depth = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        char c = data[i];
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return i + 1;
        }
    }
    return 0;
}

namespace {
    struct CharState {
        int font = -1;
        double points = 0; // 0: the document's size
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int color = 0;
        bool protect = false;
        bool skip = false; // inside a destination whose text is not document text
        int unicodeSkip = 1;
    };

    class Reader {
    public:
        Reader(const std::string& data, QTextDocument& out)
            : m_data(data)
            , m_cursor(&out)
        {
        }

        bool run(std::string* error)
        {
            if (!looksLikeRtf(m_data))
                return fail(error, "no RTF header");
            std::vector<CharState> stack;
            CharState state;
            size_t i = 0;
            int depth = 0;
            while (i < m_data.size()) {
                char c = m_data[i];
                if (c == '{') {
                    stack.push_back(state);
                    ++depth;
                    ++i;
                    m_groupStart = true;
                    continue;
                }
                if (c == '}') {
                    flush(state);
                    if (stack.empty())
                        return fail(error, "unbalanced group");
                    state = stack.back();
                    stack.pop_back();
                    if (!state.skip)
                        m_inFontTable = m_inColorTable = false;
                    ++i;
                    if (--depth == 0) {
                        m_done = true;
                        break;
                    }
                    continue;
                }
                if (c == '\\') {
                    i = control(i, state);
                    m_groupStart = false;
                    continue;
                }
                m_groupStart = false;
                if (c != '\r' && c != '\n')
                    text(state, static_cast<unsigned char>(c));
                ++i;
            }
            if (!m_done)
                return fail(error, "the RTF ends inside a group (truncated)");
            flush(state);
            return true;
        }

    private:
        bool fail(std::string* error, const char* why)
        {
            if (error)
                *error = why;
            return false;
        }

        size_t control(size_t i, CharState& state)
        {
            size_t j = i + 1;
            if (j >= m_data.size())
                return j;
            char c = m_data[j];
            if (!std::isalpha(static_cast<unsigned char>(c))) {
                if (c == '\'' && j + 2 < m_data.size()) {
                    int value = std::stoi(m_data.substr(j + 1, 2), nullptr, 16);
                    text(state, static_cast<unsigned char>(value));
                    return j + 3;
                }
                if (c == '*') {
                    state.skip = true;
                } else if (c == '~') {
                    text(state, 0xA0);
                } else if (c == '_') {
                    text(state, '-');
                } else if (c == '\\' || c == '{' || c == '}') {
                    text(state, static_cast<unsigned char>(c));
                } else if (c == '\r' || c == '\n') {
                    paragraph(state);
                }
                return j + 1;
            }
            size_t k = j;
            while (k < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data[k])))
                ++k;
            std::string word = m_data.substr(j, k - j);
            bool hasValue = false;
            long value = 0;
            size_t v = k;
            if (v < m_data.size() && (m_data[v] == '-' || std::isdigit((unsigned char)m_data[v]))) {
                size_t w = v + 1;
                while (w < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data[w])))
                    ++w;
                value = std::strtol(m_data.substr(v, w - v).c_str(), nullptr, 10);
                hasValue = true;
                k = w;
            }
            if (k < m_data.size() && m_data[k] == ' ')
                ++k;
            apply(word, hasValue, value, state);
            return k;
        }

        void apply(const std::string& word, bool hasValue, long value, CharState& state)
        {
            bool on = !hasValue || value != 0;
            if (word == "fonttbl") {
                state.skip = true;
                m_inFontTable = true;
                m_inColorTable = false;
            } else if (word == "colortbl") {
                state.skip = true;
                m_inColorTable = true;
                m_inFontTable = false;
                m_red = m_green = m_blue = 0;
            } else if (word == "stylesheet" || word == "info" || word == "pict" || word == "header"
                || word == "footer" || word == "generator") {
                state.skip = true;
                m_inFontTable = m_inColorTable = false;
            } else if (m_inFontTable && word == "f") {
                m_tableFont = static_cast<int>(value);
                m_fontName.clear();
            } else if (m_inColorTable && word == "red") {
                m_red = static_cast<int>(value);
            } else if (m_inColorTable && word == "green") {
                m_green = static_cast<int>(value);
            } else if (m_inColorTable && word == "blue") {
                m_blue = static_cast<int>(value);
            } else if (state.skip) {
                return;
            } else if (word == "par" || word == "line") {
                flush(state);
                paragraph(state);
            } else if (word == "pard") {
                flush(state);
                m_alignment = Qt::AlignLeft;
                applyAlignment();
            } else if (word == "ql" || word == "qj") {
                m_alignment = Qt::AlignLeft;
                applyAlignment();
            } else if (word == "qc") {
                m_alignment = Qt::AlignHCenter;
                applyAlignment();
            } else if (word == "qr") {
                m_alignment = Qt::AlignRight;
                applyAlignment();
            } else if (word == "tab") {
                text(state, '\t');
            } else if (word == "plain") {
                flush(state);
                CharState plain;
                plain.skip = state.skip;
                plain.unicodeSkip = state.unicodeSkip;
                state = plain;
            } else if (word == "f") {
                flush(state);
                state.font = static_cast<int>(value);
            } else if (word == "fs") {
                flush(state);
                state.points = value / 2.0;
            } else if (word == "b") {
                flush(state);
                state.bold = on;
            } else if (word == "i") {
                flush(state);
                state.italic = on;
            } else if (word == "ul") {
                flush(state);
                state.underline = on;
            } else if (word == "ulnone") {
                flush(state);
                state.underline = false;
            } else if (word == "strike") {
                flush(state);
                state.strike = on;
            } else if (word == "cf") {
                flush(state);
                state.color = static_cast<int>(value);
            } else if (word == "protect") {
                flush(state);
                state.protect = on;
            } else if (word == "uc") {
                state.unicodeSkip = static_cast<int>(value);
            } else if (word == "u") {
                long code = value < 0 ? value + 65536 : value;
                text(state, code <= 0xFF ? static_cast<unsigned char>(code) : '?');
                m_skipChars = state.unicodeSkip;
            }
        }

        void text(CharState& state, unsigned char c)
        {
            if (m_skipChars > 0) {
                --m_skipChars;
                return;
            }
            if (m_inFontTable && state.skip) {
                if (c == ';') {
                    m_fonts[m_tableFont] = toQt(m_fontName).trimmed();
                } else {
                    m_fontName += static_cast<char>(c);
                }
                return;
            }
            if (m_inColorTable && state.skip) {
                if (c == ';') {
                    m_colors.push_back(QColor(m_red, m_green, m_blue));
                    m_red = m_green = m_blue = 0;
                }
                return;
            }
            if (state.skip)
                return;
            m_pending += QChar(c);
        }

        void flush(const CharState& state)
        {
            if (m_pending.isEmpty())
                return;
            QTextCharFormat format;
            auto font = m_fonts.find(state.font);
            if (font != m_fonts.end() && !font->second.isEmpty())
                format.setFontFamilies({ font->second });
            if (state.points > 0)
                format.setFontPointSize(state.points);
            format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(state.italic);
            format.setFontUnderline(state.underline);
            format.setFontStrikeOut(state.strike);
            // The table's first entry (number 0) is the automatic colour.
            if (state.color > 0 && static_cast<size_t>(state.color) < m_colors.size())
                format.setForeground(m_colors[static_cast<size_t>(state.color)]);
            if (state.protect)
                format.setProperty(kRtfProtected, true);
            m_cursor.insertText(m_pending, format);
            m_pending.clear();
        }

        void paragraph(const CharState& state)
        {
            flush(state);
            m_cursor.insertBlock();
            applyAlignment();
        }

        void applyAlignment()
        {
            QTextBlockFormat block = m_cursor.blockFormat();
            block.setAlignment(m_alignment);
            m_cursor.setBlockFormat(block);
        }

        const std::string& m_data;
        QTextCursor m_cursor;
        QString m_pending;
        std::map<int, QString> m_fonts;
        std::vector<QColor> m_colors;
        bool m_inFontTable = false;
        bool m_inColorTable = false;
        int m_tableFont = 0;
        std::string m_fontName;
        int m_red = 0, m_green = 0, m_blue = 0;
        Qt::Alignment m_alignment = Qt::AlignLeft;
        int m_skipChars = 0;
        bool m_groupStart = false;
        bool m_done = false;
    };
}

bool readRtf(const std::string& data, QTextDocument& out, std::string* error)
{
    Reader reader(data, out);
    return reader.run(error);
}
}
