// BookSQL: connecting its statement, creating its three pages and showing the log.
#include "sqlpages/booksql.h"
#include "app/tessilo.h"
#include "sqlpages/bookpagesql.h"
#include "sqlpages/bookpagesqlrslt.h"
#include "sqlpages/bookpagesqlset.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <afx.h>

#include <cstdlib>
#include <vector>

bookMfcSQLBookSQL::bookMfcSQLBookSQL(long* result)
    : bookMfcSQL(result)
    , m_book(nullptr)
{
}

bookMfcSQLBookSQL::bookMfcSQLBookSQL(char* connect, BookSQL* owner, long* result)
    : bookMfcSQL(connect, result)
    , m_book(owner)
{
}

long bookMfcSQLBookSQL::MfcSQLExecStrPre(CEdit* edit, long* count)
{
    m_show.reset();
    return m_book ? m_book->MfcSQLExecStrPre(edit, count) : E_UNEXPECTED;
}

long bookMfcSQLBookSQL::MfcSQLOutput(
    char* text, STR_BINDING* binding, long* row, long column, void* hstmt)
{
    long rc = bookMfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
    if (!m_book || !binding || binding->next || !row)
        return rc;
    BookPageSQLRslt* page = m_book->bookSQLGetResultPage();
    if (m_show.due(*row + 1, page ? page->PageRsltGetView() : nullptr)) {
        flushRow(); // the row's cells wait to be written in one piece
        ResultShow::show(*m_book);
    }
    return rc;
}

long bookMfcSQLBookSQL::MfcSQLExecStrPost(CEdit* edit, long* count, long result)
{
    return m_book ? m_book->MfcSQLExecStrPost(edit, count, result) : E_UNEXPECTED;
}

void BookSQL::clearFields()
{
    m_queryNumber = m_resultNumber = m_settingsNumber = m_fourthNumber = -1;
    m_queryPage = nullptr;
    m_resultPage = nullptr;
    m_settingsPage = nullptr;
    m_fourthPage = nullptr;
    m_statement = nullptr;
    m_pageCount = 0;
    m_connectStrType = 1;
    m_connectFromProfile = 0;
}

BookSQL::BookSQL(CWnd* parent)
    : book(parent)
{
    clearFields();
    bookSQLSetPageNumbers(0, 1, 2, 3);
    CString type
        = TessiloApp.getProfileString("ConnectStrType", CTessiloApp::ConnectBuiltInTemplate(0));
    if (!type.IsEmpty())
        m_connectStrType = std::atoi(type);
}

BookSQL::BookSQL(CWnd* parent, unsigned int id, long* result)
    : book(parent, id, result)
{
    clearFields();
    long status = Connect();
    if (result)
        *result = status;
    if (status != 0)
        return;
    bookSQLSetPageNumbers(0, 1, 2, 3);
    long pages = 0;
    bookSQLSetBookPages(&pages);
    if (result)
        *result = pages;
    if (pages == 0)
        bookToPage(static_cast<unsigned int>(bookGetPageCurrentIdx()));
}

BookSQL::BookSQL(CWnd* parent, unsigned int id, long* result, int query, int resultPage,
    int settings, int fourth)
    : book(parent, id, result)
{
    clearFields();
    long status = bookInit(id, query, resultPage, settings, fourth);
    if (result)
        *result = status;
}

BookSQL::~BookSQL() { BookSQL::MfcSQLDeInit(); }

long BookSQL::MfcSQLDeInit()
{
    for (unsigned int p = 0; p < m_pageCount; ++p) {
        int number = static_cast<int>(p);
        if (m_resultPage && number == m_resultNumber) {
            delete m_resultPage;
            m_resultPage = nullptr;
        }
        if (m_settingsPage && number == m_settingsNumber) {
            delete m_settingsPage;
            m_settingsPage = nullptr;
        }
        if (m_queryPage && number == m_queryNumber) {
            delete m_queryPage;
            m_queryPage = nullptr;
        }
        if (m_fourthPage && number == m_fourthNumber) {
            delete m_fourthPage;
            m_fourthPage = nullptr;
        }
    }
    delete m_statement;
    m_statement = nullptr;
    return 0;
}

long BookSQL::bookInit(unsigned int, int query, int resultPage, int settings, int fourth)
{
    clearFields();
    long status = Connect();
    if (status != 0)
        return status;
    bookSQLSetPageNumbers(query, resultPage, settings, fourth);
    return 0;
}

long BookSQL::MfcSQLExecStrPre(CEdit*, long*) { return 0; }

long BookSQL::MfcSQLExecStrPost(CEdit*, long*, long) { return 0; }

long BookSQL::Connect()
{
    CString connect;
    if (m_connectFromProfile == 0)
        connect = ConnectGetConnectStr();
    long result = 0;
    if (connect.IsEmpty() && !m_statement) {
        m_statement = new bookMfcSQLBookSQL(&result);
        if (result == 0)
            TessiloApp.writeProfileString("ConnectStr", m_statement->m_ODBCItem.connect);
    } else if (!connect.IsEmpty() && !m_statement) {
        m_statement = new bookMfcSQLBookSQL(const_cast<char*>(connect.GetString()), this, &result);
    }
    if (!m_statement || result != 0) {
        delete m_statement;
        m_statement = nullptr;
        return E_FAIL;
    }
    return 0;
}

CString BookSQL::ConnectGetConnectStr() { return TessiloApp.ConnectGetConnectStr(); }

void BookSQL::bookShow(int show) { book::bookShow(show); }

long BookSQL::bookSQLSetBookPages(long* result)
{
    long local = 0;
    if (!result)
        result = &local;
    for (unsigned int p = 0; p < m_pageCount; ++p) {
        int number = static_cast<int>(p);
        long status = 0;
        if (number == m_queryNumber && !m_queryPage) {
            m_queryPage = new BookPageSQL(this, const_cast<char*>("Query"), p, &status);
            if (status != 0) {
                delete m_queryPage;
                m_queryPage = nullptr;
                *result = E_FAIL;
            }
        } else if (number == m_resultNumber && !m_resultPage) {
            m_resultPage = new BookPageSQLRslt(this, const_cast<char*>("Result"), p, &status);
            if (status != 0) {
                delete m_resultPage;
                m_resultPage = nullptr;
                *result = E_FAIL;
            }
        } else if (number == m_settingsNumber && !m_settingsPage) {
            m_settingsPage = new BookPageSQLSet(this, const_cast<char*>("Settings"), p, &status);
            if (status != 0) {
                delete m_settingsPage;
                m_settingsPage = nullptr;
                *result = E_FAIL;
            }
        }
    }
    return *result;
}

long BookSQL::bookSQLSetPageNumbers(int query, int resultPage, int settings, int fourth)
{
    if (!m_queryPage)
        m_queryNumber = query;
    if (!m_resultPage)
        m_resultNumber = resultPage;
    if (!m_settingsPage)
        m_settingsNumber = settings;
    if (!m_fourthPage)
        m_fourthNumber = fourth;
    m_pageCount = 4;
    return 0;
}

CString BookSQL::GetODBCConnectStr()
{
    return m_statement ? CString(m_statement->m_ODBCItem.connect) : CString();
}

CString BookSQL::GetODBCDatabaseName()
{
    CString connect = GetODBCConnectStr();
    int at = connect.Find("DBQ=");
    if (at < 0)
        return CString();
    CString name = connect.Mid(at + 4);
    int end = name.Find(';');
    if (end >= 0)
        name = name.Left(end);
    int dot = name.Find('.');
    if (dot >= 0)
        name = name.Left(dot);
    return name;
}

void BookSQL::bookViewLog()
{
    if (!m_queryPage || m_queryPage->PageQueryOKSet() != 0)
        return;
    if (bookLogGetFile().IsEmpty())
        bookLogSetFile();
    CWnd* view = m_resultPage ? m_resultPage->PageRsltGetView() : nullptr;
    CFile file;
    if (view && file.Open(bookLogGetFile(), CFile::modeRead | CFile::shareDenyNone)) {
        size_t length = static_cast<size_t>(file.GetLength());
        std::vector<char> text(length + 2, '\0');
        UINT read = file.Read(text.data(), static_cast<UINT>(length));
        text[read] = '\0';
        view->SetWindowText(text.data());
        file.Close();
    }
    m_queryPage->PageQueryOKSetDone(0);
    if (m_resultPage) {
        m_resultPage->bookpageChange();
        m_resultPage->PageRsltScrollToEnd(30);
    }
}
