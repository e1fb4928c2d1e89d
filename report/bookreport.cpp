// bookReport: the layout columns, the writer's hooks and the continuation lines.
#include "report/bookreport.h"
#include "db/mfcsql.h"

#include <afxcmn.h>

#include <cstdlib>
#include <cstring>

bookReport::bookReport() { std::memset(m_columns, 0, sizeof m_columns); }

bookReport::~bookReport() { reportLineDestroy(); }

long bookReport::reportSupplyTitle(STR_BINDING*, void*) { return 0; }

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
