// BookSQL: a ready-made book for working with the database. It owns one report-writing statement
// object and its "Query", "Result" and "Settings" pages: SQL typed on the query page runs through
// the statement into the result page's view; the settings page edits the report and database
// preferences. bookMfcSQLBookSQL is that statement: a report writer that hands its book the
// pre- and post-run hooks.
#pragma once

#include "book/book.h"
#include "report/bookmfcsql.h"
#include "sqlpages/resultshow.h"
#include "tessilo40_api.h"

class BookSQL;
class BookPageSQL;
class BookPageSQLRslt;
class BookPageSQLSet;

class TESSILO40_API bookMfcSQLBookSQL : public bookMfcSQL {
public:
    // Connects from the profile; no book.
    explicit bookMfcSQLBookSQL(long* result);
    bookMfcSQLBookSQL(char* connect, BookSQL* owner, long* result);
    bookMfcSQLBookSQL(const bookMfcSQLBookSQL& other) = default;
    bookMfcSQLBookSQL& operator=(const bookMfcSQLBookSQL& other) = default;
    ~bookMfcSQLBookSQL() override = default;

    // The book's hooks; without a book every run from an edit control is refused (0x8000FFFF).
    long MfcSQLExecStrPre(CEdit* edit, long* count) override;
    long MfcSQLExecStrPost(CEdit* edit, long* count, long result) override;
    // The report writer's output; when a row is complete, the result view is shown as the rows
    // come (ResultShow).
    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;

    BookSQL* bookMfcSQLGetBook() const { return m_book; }

private:
    BookSQL* m_book;
    ResultShow m_show;
};

class TESSILO40_API BookSQL : public book {
public:
    // Neither connects nor creates pages.
    explicit BookSQL(CWnd* parent);
    // Creates the window, connects and creates the three pages; the first failure in *result.
    BookSQL(CWnd* parent, unsigned int id, long* result);
    // Creates the window and connects with the given page numbers; the caller creates the pages
    // with bookSQLSetBookPages.
    BookSQL(CWnd* parent, unsigned int id, long* result, int query, int resultPage, int settings,
        int fourth);
    ~BookSQL() override;
    BookSQL(const BookSQL&) = delete;
    BookSQL& operator=(const BookSQL&) = delete;

    // Shows the log file's text in the result page, its last 30 lines in view.
    void bookViewLog() override;

    using book::bookInit;

    // The operations the SQL book adds, in slot order.
    virtual long MfcSQLDeInit();
    virtual long bookInit(unsigned int id, int query, int resultPage, int settings, int fourth);
    virtual long MfcSQLExecStrPre(CEdit* edit, long* count);
    virtual long MfcSQLExecStrPost(CEdit* edit, long* count, long result);
    virtual long Connect();
    virtual CString ConnectGetConnectStr();
    virtual void bookShow(int show);
    virtual long bookSQLSetBookPages(long* result);
    virtual long bookSQLSetPageNumbers(int query, int resultPage, int settings, int fourth);
    virtual CString GetODBCConnectStr();
    virtual CString GetODBCDatabaseName();

    // The open dialog for an existing database file ("*.mdb"); FileGetDBPath also accepts a new
    // name. `file` and `directory` are 260-byte buffers; 0 also when cancelled.
    long FileGetDB(char* file, char* directory);
    long FileGetDBPath(char* file, char* directory);

    BookPageSQL* bookSQLGetQueryPage() const { return m_queryPage; }
    BookPageSQLRslt* bookSQLGetResultPage() const { return m_resultPage; }
    BookPageSQLSet* bookSQLGetSettingsPage() const { return m_settingsPage; }
    bookMfcSQLBookSQL* bookSQLGetStatement() const { return m_statement; }
    int bookSQLGetQueryPageNumber() const { return m_queryNumber; }
    int bookSQLGetResultPageNumber() const { return m_resultNumber; }
    int bookSQLGetSettingsPageNumber() const { return m_settingsNumber; }
    // 1 makes Connect use the profile's connect string directly.
    void bookSQLSetConnectFromProfile(int on) { m_connectFromProfile = on; }

protected:
    int m_queryNumber;
    BookPageSQL* m_queryPage;
    int m_resultNumber;
    BookPageSQLRslt* m_resultPage;
    int m_settingsNumber;
    BookPageSQLSet* m_settingsPage;
    bookMfcSQLBookSQL* m_statement;
    int m_fourthNumber;
    bookpage* m_fourthPage;
    unsigned int m_pageCount;
    int m_connectStrType;
    int m_connectFromProfile;

private:
    void clearFields();
    long fileGetDB(char* file, char* directory, DWORD flags);
};
