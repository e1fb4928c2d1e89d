// The resource-script reader: the subset of the .rc language the library's scripts use (dialogs
// with their controls, menus, string tables; other resources are skipped).
#include "rcsymbols.h"
#include "resources.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace winport {
namespace {
    enum class Tok { End, Ident, Number, String, Punct };

    struct Token {
        Tok kind = Tok::End;
        std::string text;
        long number = 0;
        int line = 0;
    };

    std::string upper(std::string s)
    {
        for (char& c : s)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return s;
    }

    class Lexer {
    public:
        Lexer(const std::string& text, std::map<std::string, long>& symbols)
            : m_text(text)
            , m_symbols(symbols)
        {
        }

        Token next()
        {
            for (;;) {
                skipSpace();
                if (m_pos >= m_text.size())
                    return Token { Tok::End, "", 0, m_line };
                if (m_atLineStart && m_text[m_pos] == '#') {
                    directive();
                    continue;
                }
                m_atLineStart = false;
                if (!active()) {
                    skipLine();
                    continue;
                }
                return token();
            }
        }

        int line() const { return m_line; }

    private:
        void skipSpace()
        {
            while (m_pos < m_text.size()) {
                char c = m_text[m_pos];
                if (c == '\n') {
                    ++m_line;
                    ++m_pos;
                    m_atLineStart = true;
                } else if (isspace(static_cast<unsigned char>(c))) {
                    ++m_pos;
                } else if (m_text.compare(m_pos, 2, "//") == 0) {
                    skipLine();
                } else if (m_text.compare(m_pos, 2, "/*") == 0) {
                    size_t end = m_text.find("*/", m_pos + 2);
                    end = end == std::string::npos ? m_text.size() : end + 2;
                    for (size_t i = m_pos; i < end; ++i)
                        m_line += m_text[i] == '\n';
                    m_pos = end;
                } else {
                    return;
                }
            }
        }

        void skipLine()
        {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                ++m_pos;
        }

        std::string restOfLine()
        {
            size_t start = m_pos;
            skipLine();
            std::string rest = m_text.substr(start, m_pos - start);
            size_t comment = rest.find("//");
            if (comment != std::string::npos)
                rest.resize(comment);
            while (!rest.empty() && isspace(static_cast<unsigned char>(rest.back())))
                rest.pop_back();
            return rest;
        }

        // Preprocessor lines: #define gives symbols, #ifdef/#ifndef/#else/#endif select lines.
        void directive()
        {
            ++m_pos;
            std::string line = restOfLine();
            size_t a = line.find_first_not_of(" \t");
            if (a == std::string::npos)
                return;
            size_t b = line.find_first_of(" \t", a);
            std::string word = line.substr(a, b == std::string::npos ? std::string::npos : b - a);
            std::string rest = b == std::string::npos ? "" : line.substr(b);
            size_t r = rest.find_first_not_of(" \t");
            rest = r == std::string::npos ? "" : rest.substr(r);
            if (word == "ifdef" || word == "ifndef" || word == "if") {
                bool taken = true; // "#if" expressions are not evaluated
                if (word != "if") {
                    bool defined = m_symbols.count(rest) > 0;
                    taken = word == "ifdef" ? defined : !defined;
                }
                m_conditions.push_back(Condition { active(), taken });
            } else if (word == "else") {
                if (!m_conditions.empty())
                    m_conditions.back().taken = !m_conditions.back().taken;
            } else if (word == "endif") {
                if (!m_conditions.empty())
                    m_conditions.pop_back();
            } else if (word == "define" && active()) {
                size_t space = rest.find_first_of(" \t");
                std::string name = rest.substr(0, space);
                std::string value = space == std::string::npos ? "" : rest.substr(space);
                m_symbols[name] = evaluateDefine(value);
            }
        }

        // The value is one line of tokens; names in it are looked up in the symbols, so the
        // lexer reading it needs no symbols of its own (a copy of every symbol per #define made
        // reading a header quadratic).
        long evaluateDefine(const std::string& value)
        {
            std::map<std::string, long> none;
            Lexer sub(value, none);
            Token t = sub.next();
            long sign = 1;
            while (t.kind == Tok::Punct && (t.text == "(" || t.text == "-")) {
                if (t.text == "-")
                    sign = -sign;
                t = sub.next();
            }
            if (t.kind == Tok::Number)
                return sign * t.number;
            if (t.kind == Tok::Ident && m_symbols.count(t.text))
                return sign * m_symbols[t.text];
            return 0;
        }

        Token token()
        {
            Token t;
            t.line = m_line;
            char c = m_text[m_pos];
            if (c == '"') {
                t.kind = Tok::String;
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size() || m_text[m_pos] == '\n')
                        throw std::runtime_error(
                            "line " + std::to_string(m_line) + ": unterminated string");
                    char ch = m_text[m_pos++];
                    if (ch == '"') {
                        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                            t.text += '"';
                            ++m_pos;
                            continue;
                        }
                        break;
                    }
                    if (ch == '\\' && m_pos < m_text.size()) {
                        char e = m_text[m_pos++];
                        switch (e) {
                        case 'n':
                            t.text += '\n';
                            break;
                        case 'r':
                            t.text += '\r';
                            break;
                        case 't':
                            t.text += '\t';
                            break;
                        case 'a':
                            t.text += '\b';
                            break;
                        default:
                            t.text += e;
                            break;
                        }
                        continue;
                    }
                    t.text += ch;
                }
                return t;
            }
            if (isdigit(static_cast<unsigned char>(c))) {
                size_t end = m_pos;
                while (end < m_text.size() && isalnum(static_cast<unsigned char>(m_text[end])))
                    ++end;
                std::string digits = m_text.substr(m_pos, end - m_pos);
                while (!digits.empty()
                    && (toupper(digits.back()) == 'L' || toupper(digits.back()) == 'U'))
                    digits.pop_back();
                char* stop = nullptr;
                unsigned long value = std::strtoul(digits.c_str(), &stop, 0);
                if (!stop || *stop)
                    throw std::runtime_error(
                        "line " + std::to_string(m_line) + ": bad number " + digits);
                m_pos = end;
                t.kind = Tok::Number;
                t.number = static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(value)));
                t.text = digits;
                return t;
            }
            if (isalpha(static_cast<unsigned char>(c)) || c == '_') {
                size_t end = m_pos;
                while (end < m_text.size()
                    && (isalnum(static_cast<unsigned char>(m_text[end])) || m_text[end] == '_'))
                    ++end;
                t.kind = Tok::Ident;
                t.text = m_text.substr(m_pos, end - m_pos);
                m_pos = end;
                return t;
            }
            t.kind = Tok::Punct;
            t.text = std::string(1, c);
            ++m_pos;
            return t;
        }

        const std::string& m_text;
        std::map<std::string, long>& m_symbols;
        size_t m_pos = 0;
        int m_line = 1;
        bool m_atLineStart = true;
        struct Condition {
            bool enclosingActive;
            bool taken;
        };
        bool active() const
        {
            return m_conditions.empty()
                || (m_conditions.back().enclosingActive && m_conditions.back().taken);
        }
        std::vector<Condition> m_conditions;
    };

    class Parser {
    public:
        Parser(const std::string& script, ResourceScript& out)
            : m_out(out)
            , m_lexer(script, out.symbols)
        {
            advance();
        }

        void parse()
        {
            while (m_tok.kind != Tok::End) {
                if (isWord("LANGUAGE")) {
                    advance();
                    expression();
                    accept(",");
                    expression();
                    continue;
                }
                if (isWord("STRINGTABLE")) {
                    advance();
                    stringTable();
                    continue;
                }
                Token name = m_tok;
                if (name.kind != Tok::Ident && name.kind != Tok::Number && name.kind != Tok::String)
                    fail("resource name expected");
                advance();
                if (m_tok.kind != Tok::Ident && m_tok.kind != Tok::Number)
                    fail("resource type expected after " + name.text);
                std::string type = upper(m_tok.text);
                advance();
                if (type == "DIALOG" || type == "DIALOGEX")
                    dialog(name);
                else if (type == "MENU" || type == "MENUEX")
                    menu(name);
                else if (type == "ICON")
                    icon(name);
                else
                    skipResource();
            }
        }

    private:
        void advance() { m_tok = m_lexer.next(); }
        bool isWord(const char* w) const
        {
            return m_tok.kind == Tok::Ident && upper(m_tok.text) == w;
        }
        bool isPunct(const char* p) const { return m_tok.kind == Tok::Punct && m_tok.text == p; }
        bool accept(const char* p)
        {
            if (!isPunct(p))
                return false;
            advance();
            return true;
        }
        [[noreturn]] void fail(const std::string& what) const
        {
            throw std::runtime_error("line " + std::to_string(m_tok.line) + ": " + what
                + (m_tok.text.empty() ? "" : " (at '" + m_tok.text + "')"));
        }
        bool isBegin() const { return isWord("BEGIN") || isPunct("{"); }
        bool isEnd() const { return isWord("END") || isPunct("}"); }
        void expectBegin()
        {
            if (!isBegin())
                fail("BEGIN expected");
            advance();
        }

        void nameOf(const Token& t, std::string* name, int* id) const
        {
            *name = t.text;
            *id = -1;
            if (t.kind == Tok::Number)
                *id = static_cast<int>(t.number);
            else if (t.kind == Tok::Ident) {
                auto it = m_out.symbols.find(t.text);
                if (it != m_out.symbols.end())
                    *id = static_cast<int>(it->second);
            }
        }

        long symbol(const std::string& name) const
        {
            auto it = m_out.symbols.find(name);
            if (it != m_out.symbols.end())
                return it->second;
            for (const auto& s : kRcSymbols) {
                if (name == s.name)
                    return s.value;
            }
            fail("unknown symbol " + name);
        }

        // expr: term { ('|' | '+') term }; NOT term removes bits from the defaults.
        long expression(long* removed = nullptr)
        {
            long value = term(removed);
            while (isPunct("|") || isPunct("+")) {
                bool plus = isPunct("+");
                advance();
                long next = term(removed);
                value = plus ? value + next : (value | next);
            }
            return value;
        }

        long term(long* removed)
        {
            if (isWord("NOT")) {
                advance();
                long bits = term(nullptr);
                if (removed)
                    *removed |= bits;
                return 0;
            }
            if (accept("(")) {
                long value = expression(removed);
                if (!accept(")"))
                    fail("')' expected");
                return value;
            }
            if (accept("-"))
                return -term(nullptr);
            if (accept("~"))
                return ~term(nullptr);
            if (m_tok.kind == Tok::Number) {
                long value = m_tok.number;
                advance();
                return value;
            }
            if (m_tok.kind == Tok::Ident) {
                long value = symbol(m_tok.text);
                advance();
                return value;
            }
            fail("number or symbol expected");
        }

        int number() { return static_cast<int>(expression()); }

        void comma()
        {
            if (!accept(","))
                fail("',' expected");
        }

        std::string string()
        {
            if (m_tok.kind != Tok::String)
                fail("string expected");
            std::string s = m_tok.text;
            advance();
            while (m_tok.kind == Tok::String) { // adjacent literals join
                s += m_tok.text;
                advance();
            }
            return s;
        }

        // The control's text: a string, or a number/name (an icon's resource).
        std::string controlText()
        {
            if (m_tok.kind == Tok::String)
                return string();
            std::string s = m_tok.text;
            advance();
            return s;
        }

        std::string className()
        {
            if (m_tok.kind == Tok::String)
                return string();
            if (m_tok.kind != Tok::Ident)
                fail("control class expected");
            std::string word = upper(m_tok.text);
            advance();
            static const std::map<std::string, std::string> known = {
                { "BUTTON", "Button" },
                { "EDIT", "Edit" },
                { "STATIC", "Static" },
                { "LISTBOX", "ListBox" },
                { "COMBOBOX", "ComboBox" },
                { "SCROLLBAR", "ScrollBar" },
                { "WC_BUTTON", "Button" },
                { "WC_EDIT", "Edit" },
                { "WC_STATIC", "Static" },
                { "WC_LISTBOX", "ListBox" },
                { "WC_COMBOBOX", "ComboBox" },
                { "WC_TABCONTROL", "SysTabControl32" },
                { "WC_LISTVIEW", "SysListView32" },
                { "WC_TREEVIEW", "SysTreeView32" },
                { "MONTHCAL_CLASS", "SysMonthCal32" },
                { "PROGRESS_CLASS", "msctls_progress32" },
                { "RICHEDIT_CLASS", "RichEdit20A" },
            };
            auto it = known.find(word);
            if (it == known.end())
                fail("unknown control class " + word);
            return it->second;
        }

        void optionalStyles(DialogItem& item)
        {
            if (!accept(","))
                return;
            long removed = 0;
            long style = expression(&removed);
            item.style = (item.style | static_cast<DWORD>(style)) & ~static_cast<DWORD>(removed);
            if (accept(",")) {
                item.exStyle = static_cast<DWORD>(expression());
                if (accept(","))
                    expression(); // help id
            }
        }

        void rect(DialogItem& item)
        {
            item.x = number();
            comma();
            item.y = number();
            comma();
            item.cx = number();
            comma();
            item.cy = number();
        }

        DialogItem control()
        {
            static const std::map<std::string, std::pair<const char*, DWORD>> textControls = {
                { "LTEXT", { "Static", SS_LEFT | WS_GROUP } },
                { "RTEXT", { "Static", SS_RIGHT | WS_GROUP } },
                { "CTEXT", { "Static", SS_CENTER | WS_GROUP } },
                { "PUSHBUTTON", { "Button", BS_PUSHBUTTON | WS_TABSTOP } },
                { "DEFPUSHBUTTON", { "Button", BS_DEFPUSHBUTTON | WS_TABSTOP } },
                { "CHECKBOX", { "Button", BS_CHECKBOX | WS_TABSTOP } },
                { "AUTOCHECKBOX", { "Button", BS_AUTOCHECKBOX | WS_TABSTOP } },
                { "STATE3", { "Button", BS_3STATE | WS_TABSTOP } },
                { "AUTO3STATE", { "Button", BS_AUTO3STATE | WS_TABSTOP } },
                { "RADIOBUTTON", { "Button", BS_RADIOBUTTON } },
                { "AUTORADIOBUTTON", { "Button", BS_AUTORADIOBUTTON } },
                { "GROUPBOX", { "Button", BS_GROUPBOX } },
            };
            static const std::map<std::string, std::pair<const char*, DWORD>> idControls = {
                { "EDITTEXT", { "Edit", ES_LEFT | WS_BORDER | WS_TABSTOP } },
                { "LISTBOX", { "ListBox", LBS_NOTIFY | WS_BORDER } },
                { "COMBOBOX", { "ComboBox", CBS_SIMPLE | WS_TABSTOP } },
                { "SCROLLBAR", { "ScrollBar", 0 } },
            };
            if (m_tok.kind != Tok::Ident)
                fail("control statement expected");
            std::string word = upper(m_tok.text);
            advance();
            DialogItem item;
            item.style = WS_CHILD | WS_VISIBLE;
            if (word == "CONTROL") {
                item.text = controlText();
                comma();
                item.id = number();
                comma();
                item.className = className();
                comma();
                long removed = 0;
                item.style |= static_cast<DWORD>(expression(&removed));
                item.style &= ~static_cast<DWORD>(removed);
                comma();
                rect(item);
                if (accept(",")) {
                    item.exStyle = static_cast<DWORD>(expression());
                    if (accept(","))
                        expression();
                }
                return item;
            }
            if (word == "ICON") {
                item.text = controlText();
                comma();
                item.id = number();
                comma();
                item.className = "Static";
                item.style |= SS_ICON;
                item.x = number();
                comma();
                item.y = number();
                if (accept(",")) {
                    item.cx = number();
                    comma();
                    item.cy = number();
                    optionalStyles(item);
                }
                return item;
            }
            auto t = textControls.find(word);
            if (t != textControls.end()) {
                item.className = t->second.first;
                item.style |= t->second.second;
                item.text = controlText();
                comma();
                item.id = number();
                comma();
                rect(item);
                optionalStyles(item);
                return item;
            }
            auto i = idControls.find(word);
            if (i != idControls.end()) {
                item.className = i->second.first;
                item.style |= i->second.second;
                item.id = number();
                comma();
                rect(item);
                optionalStyles(item);
                return item;
            }
            fail("unknown control statement " + word);
        }

        void dialog(const Token& name)
        {
            DialogTemplate d;
            nameOf(name, &d.name, &d.id);
            d.x = number();
            comma();
            d.y = number();
            comma();
            d.cx = number();
            comma();
            d.cy = number();
            if (accept(","))
                expression(); // help id
            bool styled = false;
            while (!isBegin()) {
                if (m_tok.kind == Tok::End)
                    fail("BEGIN expected");
                std::string word = upper(m_tok.text);
                advance();
                if (word == "STYLE") {
                    d.style = static_cast<DWORD>(expression());
                    styled = true;
                } else if (word == "EXSTYLE") {
                    d.exStyle = static_cast<DWORD>(expression());
                } else if (word == "CAPTION") {
                    d.caption = string();
                    if (!styled)
                        d.style |= WS_CAPTION;
                } else if (word == "FONT") {
                    d.fontSize = number();
                    comma();
                    d.fontFace = string();
                    if (accept(",")) {
                        d.fontWeight = number();
                        if (accept(",")) {
                            d.fontItalic = number() != 0;
                            if (accept(","))
                                number();
                        }
                    }
                    d.style |= DS_SETFONT;
                } else if (word == "MENU") {
                    d.menu = m_tok.text;
                    advance();
                } else if (word == "CLASS") {
                    controlText();
                } else if (word == "LANGUAGE") {
                    expression();
                    comma();
                    expression();
                } else if (word == "CHARACTERISTICS" || word == "VERSION") {
                    expression();
                } else {
                    fail("unknown dialog statement " + word);
                }
            }
            advance();
            while (!isEnd()) {
                if (m_tok.kind == Tok::End)
                    fail("END expected");
                d.items.push_back(control());
            }
            advance();
            m_out.dialogs.push_back(std::move(d));
        }

        std::vector<MenuItem> menuItems()
        {
            expectBegin();
            std::vector<MenuItem> items;
            while (!isEnd()) {
                if (m_tok.kind == Tok::End)
                    fail("END expected");
                std::string word = upper(m_tok.text);
                advance();
                MenuItem item;
                if (word == "POPUP") {
                    item.isPopup = true;
                    item.text = string();
                    while (accept(","))
                        menuOption(item);
                    item.popup = menuItems();
                } else if (word == "MENUITEM") {
                    if (isWord("SEPARATOR")) {
                        advance();
                    } else {
                        item.text = string();
                        comma();
                        item.id = number();
                        while (accept(","))
                            menuOption(item);
                    }
                } else {
                    fail("unknown menu statement " + word);
                }
                items.push_back(std::move(item));
            }
            advance();
            return items;
        }

        void menuOption(MenuItem& item)
        {
            static const std::map<std::string, UINT> options = {
                { "CHECKED", 0x0008 },
                { "GRAYED", 0x0001 },
                { "INACTIVE", 0x0002 },
                { "MENUBARBREAK", 0x0020 },
                { "MENUBREAK", 0x0040 },
                { "HELP", 0x4000 },
            };
            auto it = options.find(upper(m_tok.text));
            if (it == options.end())
                fail("unknown menu option");
            item.flags |= it->second;
            advance();
        }

        void menu(const Token& name)
        {
            MenuTemplate m;
            nameOf(name, &m.name, &m.id);
            while (!isBegin()) {
                if (m_tok.kind == Tok::End)
                    fail("BEGIN expected");
                advance(); // LANGUAGE and the like
            }
            m.items = menuItems();
            m_out.menus.push_back(std::move(m));
        }

        void stringTable()
        {
            while (!isBegin()) {
                if (m_tok.kind == Tok::End)
                    fail("BEGIN expected");
                advance();
            }
            advance();
            while (!isEnd()) {
                if (m_tok.kind == Tok::End)
                    fail("END expected");
                int id = number();
                accept(",");
                m_out.strings[id] = string();
            }
            advance();
        }

        // A resource of another type: a file name on the line, or a BEGIN ... END block.
        void icon(const Token& name)
        {
            IconResource icon;
            nameOf(name, &icon.name, &icon.id);
            while (m_tok.kind == Tok::Ident && !isBegin())
                advance(); // load and memory options
            if (m_tok.kind != Tok::String)
                fail("icon file name expected");
            icon.file = m_tok.text;
            advance();
            m_out.icons.push_back(icon);
        }

        void skipResource()
        {
            int line = m_tok.line;
            while (m_tok.kind != Tok::End && !isBegin()) {
                if (m_tok.kind == Tok::String && m_tok.line == line) {
                    advance();
                    return;
                }
                advance();
            }
            if (m_tok.kind == Tok::End)
                return;
            int depth = 0;
            do {
                if (isBegin())
                    ++depth;
                else if (isEnd())
                    --depth;
                advance();
            } while (depth > 0 && m_tok.kind != Tok::End);
        }

        ResourceScript& m_out;
        Lexer m_lexer;
        Token m_tok;
    };
}

ResourceScript parseResourceScript(const std::string& script, const std::string& header)
{
    ResourceScript out;
    {
        // The header contributes only its #defines.
        Lexer lexer(header, out.symbols);
        while (lexer.next().kind != Tok::End) { }
    }
    Parser parser(script, out);
    parser.parse();
    return out;
}
}
