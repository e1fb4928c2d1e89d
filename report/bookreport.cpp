// bookReport: the layout columns, the writer's hooks and the continuation lines.
#include "report/bookreport.h"
#include "app/tessilo.h"
#include "db/mfcsql.h"
#include "report/bookmfcsql.h"
#include "report/dateformat.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesql.h"
#include "views/bookrichedit.h"

#include <afxcmn.h>

#include <cstdlib>
#include <new>
#include <cstring>

bookReport::bookReport() { std::memset(m_columns, 0, sizeof m_columns); }

bookReport::bookReport(BookSQL* owner, bookMfcSQL* writer, long* result)
    : m_book(owner)
    , m_writer(writer)
{
    std::memset(m_columns, 0, sizeof m_columns);
    if (m_writer)
        m_writer->MfcSQLWantFieldWrapping(0);
    if (result)
        *result = m_book && m_writer && m_richEdit ? 0 : E_UNEXPECTED;
}

bookReport::~bookReport() { bookReport::Destroy(); }

void bookReport::Destroy()
{
    reportLineDestroy();
    delete[] m_sql;
    m_sql = nullptr;
    m_sqlLength = 0;
    if (m_writer && m_writer->MfcSQLGetBookReport() == this)
        m_writer->MfcSQLSetBookReport(nullptr);
    delete m_font;
    m_font = nullptr;
}

long bookReport::reportSupplyTitle(STR_BINDING* bindings, void* hstmt)
{
    if (!m_writer)
        return 0;
    unsigned long sum = 0;
    long index = 0;
    for (STR_BINDING* binding = bindings; binding; binding = binding->next, ++index) {
        char name[100] = {};
        SQLRETURN rc
            = SQLColAttribute(static_cast<SQLHSTMT>(hstmt), static_cast<SQLUSMALLINT>(index + 1),
                SQL_DESC_NAME, name, sizeof name, nullptr, nullptr);
        if (rc != SQL_SUCCESS)
            m_writer->SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        if (bookReportColumn* layout = reportColumn(index)) {
            layout->active = 0;
            layout->width = layout->boundWidth = static_cast<unsigned>(binding->displayWidth);
            layout->decimals = m_writer->m_ODBCItem.decimalPlaces;
            layout->currency = 0;
            sum += layout->width;
        }
        if (m_writer->m_titleText)
            m_writer->MfcSQLOutputTitle(name, binding, index);
    }
    for (long c = 0; c < index && c < BOOKREPORT_COLUMNS; ++c)
        m_columns[c].share = sum ? static_cast<double>(m_columns[c].width) / sum : 0.0;
    return index;
}

long bookReport::reportSupplyTitle(CDC*, CPrintInfo*, long) { return 0; }
long bookReport::MfcSQLExecStrPre(CEdit*, long*) { return 0; }
long bookReport::MfcSQLExecStrPost(CEdit*, long*, long) { return 0; }

long bookReport::reportReset()
{
    std::memset(m_columns, 0, sizeof m_columns);
    m_file[0] = '\0';
    delete[] m_sql;
    m_sql = nullptr;
    m_sqlLength = 0;
    return 0;
}

long bookReport::reportSetFieldWrapping(int on)
{
    m_fieldWrapping = on;
    if (m_writer)
        m_writer->MfcSQLWantFieldWrapping(on);
    return 0;
}

long bookReport::reportSetFile(char* name)
{
    std::strncpy(m_file, name ? name : "", sizeof m_file - 1);
    m_file[sizeof m_file - 1] = '\0';
    return 0;
}

long bookReport::reportSetExecStr(char* sql, long length)
{
    delete[] m_sql;
    m_sql = nullptr;
    m_sqlLength = 0;
    if (!sql || length < 0)
        return E_UNEXPECTED;
    m_sql = new (std::nothrow) char[static_cast<size_t>(length) + 10]();
    if (!m_sql)
        return E_FAIL;
    std::memcpy(m_sql, sql, static_cast<size_t>(length));
    m_sqlLength = length;
    return 0;
}

long bookReport::reportExec(long* result)
{
    BookPageSQL* query = m_book ? m_book->bookSQLGetQueryPage() : nullptr;
    if (!m_writer || !query)
        return 0;
    return query->PageQueryOk(0, result);
}

long bookReport::reportExecFromSQL(CString sql, long* result)
{
    long rc = reportSetExecStr(const_cast<char*>(sql.GetString()), sql.GetLength());
    if (rc != 0)
        return rc == E_UNEXPECTED ? rc : E_FAIL;
    BookPageSQL* query = m_book ? m_book->bookSQLGetQueryPage() : nullptr;
    if (query && query->PageQueryGetEdit().GetSafeHwnd()) {
        query->PageQueryGetEdit().SetWindowText(m_sql);
        rc = reportExec(result);
        if (rc == 0)
            query->PageQueryGetEdit().SetWindowText("");
    }
    delete[] m_sql;
    m_sql = nullptr;
    m_sqlLength = 0;
    return rc;
}

CString bookReport::reportFilePath()
{
    CString drive = TessiloApp.getProfileString("InstallDrive", "C:").Left(2);
    CString name = m_file;
    int colon = name.Find(':');
    if (colon >= 0)
        name = name.Mid(colon + 1);
    CString path = drive;
    if (drive.Find('\\') < 0 && (name.IsEmpty() || name[0] != '\\'))
        path += "\\";
    return path + name;
}

long bookReport::reportExecFromFile(long* result)
{
    if (!m_file[0])
        return E_UNEXPECTED;
    CFile file;
    if (!file.Open(reportFilePath(), CFile::modeRead | CFile::shareDenyNone))
        return 0;
    size_t length = static_cast<size_t>(file.GetLength());
    char* text = new (std::nothrow) char[length + 10]();
    if (!text)
        return E_FAIL;
    UINT read = file.Read(text, static_cast<UINT>(length));
    file.Close();
    text[read] = '\0';
    long rc = reportExecFromSQL(CString(text), result);
    delete[] text;
    return rc;
}

long bookReport::reportCreateFont(int points, char* face)
{
    delete m_font;
    m_font = nullptr;
    if (!face)
        return 0;
    m_font = new CFont;
    if (!m_font->CreatePointFont(points * 10, face)) {
        delete m_font;
        m_font = nullptr;
        return E_FAIL;
    }
    if (m_richEdit && m_richEdit->GetSafeHwnd())
        m_richEdit->SetFont(m_font);
    return 0;
}

long bookReport::reportAdjustBindingSize(STR_BINDING* binding, long width, long unused)
{
    return m_writer ? m_writer->reportAdjustBindingSize(binding, width, unused) : E_UNEXPECTED;
}

long bookReport::reportFormatDate(char* text, CString* out)
{
    return dateFormat::dateFormatLayoutLong(text, out);
}

long bookReport::reportFormatDateShort(char* text, CString* out)
{
    return dateFormat::dateFormatLayoutShort(text, out);
}

long bookReport::reportOutput(char*, STR_BINDING* binding, long*, long column, void*)
{
    bookReportColumn* layout = reportColumn(column);
    if (layout && binding && !binding->isCharacter)
        layout->totalling = 1;
    return 0;
}

long bookReport::reportOutputLast(char*, STR_BINDING*, long*, long, void*) { return 0; }

bookReportColumn* bookReport::reportColumn(long column)
{
    return column >= 0 && column < BOOKREPORT_COLUMNS ? &m_columns[column] : nullptr;
}

long bookReport::reportLineCreate(long count, long width, int renew)
{
    if (count < 0 || width < 0)
        return E_INVALIDARG;
    _bookReportLine** link = &m_lines;
    for (long i = 0; i < count; ++i) {
        _bookReportLine* line = *link;
        if (!line) {
            line = static_cast<_bookReportLine*>(std::calloc(1, sizeof(_bookReportLine)));
            if (!line)
                break; // the chain ends early
            line->number = static_cast<int>(++m_lineCount);
            *link = line;
        } else if (renew || line->width != width) {
            std::free(line->text);
            line->text = nullptr;
        }
        if (!line->text) {
            line->text = static_cast<char*>(std::malloc(static_cast<size_t>(width) + 1));
            if (!line->text) {
                *link = line->next;
                std::free(line);
                break;
            }
            line->width = static_cast<int>(width);
        }
        link = &line->next;
    }
    return reportLineClear();
}

long bookReport::reportLineDestroy()
{
    while (m_lines) {
        _bookReportLine* next = m_lines->next;
        std::free(m_lines->text);
        std::free(m_lines);
        m_lines = next;
    }
    return 0;
}

long bookReport::reportColumnInsert(long column)
{
    bookReportColumn* layout = reportColumn(column);
    if (!m_lines || !layout || !layout->continuation)
        return 0;
    long length = static_cast<long>(std::strlen(layout->continuation));
    while (length > 0 && layout->continuation[length - 1] == ' ')
        --length;
    layout->continuationLength = length;
    long width = static_cast<long>(layout->width);
    const char* rest = layout->continuation;
    for (_bookReportLine* line = m_lines; line && length > 0 && width > 0; line = line->next) {
        long room = line->width - layout->start;
        if (room <= 0)
            break;
        long piece = length < width ? length : width;
        if (piece > room)
            piece = room;
        std::memcpy(line->text + layout->start, rest, static_cast<size_t>(piece));
        line->used = 1;
        rest += piece;
        length -= piece;
    }
    layout->continuation = nullptr;
    layout->continuationLength = 0;
    return 0;
}

long bookReport::reportLineInsert(CRichEditCtrl* control)
{
    if (!control)
        return E_UNEXPECTED;
    long start = 0;
    long end = 0;
    control->GetSel(start, end);
    for (_bookReportLine* line = m_lines; line && line->used; line = line->next) {
        if (reportLineIsClear(line))
            continue;
        long length = control->GetTextLengthEx(GTL_DEFAULT);
        control->SetSel(length, length);
        CString text("\r\n");
        text += line->text;
        control->ReplaceSel(text);
        line->printed = 1;
    }
    control->SetSel(start, end);
    return 0;
}

long bookReport::reportLineClear()
{
    for (_bookReportLine* line = m_lines; line; line = line->next) {
        if (line->text) {
            std::memset(line->text, ' ', static_cast<size_t>(line->width));
            line->text[line->width] = '\0';
        }
        line->used = 0;
    }
    return 0;
}

int bookReport::reportLineIsClear(const _bookReportLine* line)
{
    if (!line || !line->text)
        return 1;
    for (int i = 0; i < line->width; ++i)
        if (line->text[i] != ' ')
            return 0;
    return 1;
}
