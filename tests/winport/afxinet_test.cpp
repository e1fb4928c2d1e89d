// URL parsing, wildcard matching and exception texts of the platform's internet classes.
#include <gtest/gtest.h>

#include <afxinet.h>

namespace {

struct UrlCase {
    const char* url;
    BOOL ok;
    DWORD service;
    const char* server;
    const char* object;
    INTERNET_PORT port;
};

TEST(AfxParseURL, SplitsUrls)
{
    const UrlCase cases[] = {
        { "ftp://127.0.0.1", TRUE, AFX_INET_SERVICE_FTP, "127.0.0.1", "/", 21 },
        { "ftp://host:2121/pub/a b.txt", TRUE, AFX_INET_SERVICE_FTP, "host", "/pub/a b.txt", 2121 },
        { "FTP://user:pw@host/x", TRUE, AFX_INET_SERVICE_FTP, "host", "/x", 21 },
        { "http://www.example.com/cgi?a=1", TRUE, AFX_INET_SERVICE_HTTP, "www.example.com",
            "/cgi?a=1", 80 },
        { "http://[::1]:8080/", TRUE, AFX_INET_SERVICE_HTTP, "::1", "/", 8080 },
        { "https://secure/", TRUE, AFX_INET_SERVICE_HTTPS, "secure", "/", 443 },
        { "host.only", FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
        { "mailto://x", FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
        { "http://:80/", FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
        { "http://host:99999/", FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
        { "http://host:8x/", FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
        { nullptr, FALSE, AFX_INET_SERVICE_UNK, "", "", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url ? c.url : "(null)");
        DWORD service = 99;
        CString server = "old";
        CString object = "old";
        INTERNET_PORT port = 1;
        EXPECT_EQ(AfxParseURL(c.url, service, server, object, port), c.ok);
        EXPECT_EQ(service, c.service);
        EXPECT_EQ(server, c.server);
        EXPECT_EQ(object, c.object);
        EXPECT_EQ(port, c.port);
    }
}

TEST(CInternetException, MessageIsCutToTheBuffer)
{
    CInternetException* e = new CInternetException(ERROR_INTERNET_TIMEOUT);
    char text[10];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, "The opera");
    EXPECT_FALSE(e->GetErrorMessage(text, 0));
    e->Delete();
    try {
        AfxThrowInternetException(5, ERROR_INTERNET_CANNOT_CONNECT);
    } catch (CInternetException* thrown) {
        char full[256];
        thrown->GetErrorMessage(full, sizeof full);
        EXPECT_EQ(thrown->m_dwContext, 5u);
        EXPECT_STREQ(full, "A connection with the server could not be established");
        thrown->Delete();
    }
}

}
