// AfxParseURL: "scheme://[user[:password]@]server[:port][/object]".
#include <afxinet.h>

#include <strings.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

struct Scheme {
    const char* name;
    DWORD service;
    INTERNET_PORT port;
};

const Scheme kSchemes[] = {
    { "ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT },
    { "http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT },
    { "https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT },
    { "gopher", AFX_INET_SERVICE_GOPHER, 70 },
    { "file", AFX_INET_SERVICE_FILE, INTERNET_INVALID_PORT_NUMBER },
};

}

BOOL AfxParseURL(
    LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port)
{
    serviceType = AFX_INET_SERVICE_UNK;
    server.Empty();
    object.Empty();
    port = INTERNET_INVALID_PORT_NUMBER;
    if (!url)
        return FALSE;
    std::string text = url;
    size_t separator = text.find("://");
    if (separator == std::string::npos)
        return FALSE;
    std::string scheme = text.substr(0, separator);
    const Scheme* known = nullptr;
    for (const auto& entry : kSchemes) {
        if (strcasecmp(entry.name, scheme.c_str()) == 0)
            known = &entry;
    }
    if (!known)
        return FALSE;
    std::string rest = text.substr(separator + 3);
    size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    std::string path = slash == std::string::npos ? "/" : rest.substr(slash);
    size_t at = authority.rfind('@');
    if (at != std::string::npos)
        authority = authority.substr(at + 1);
    std::string host = authority;
    std::string portText;
    if (!authority.empty() && authority[0] == '[') {
        size_t close = authority.find(']');
        if (close == std::string::npos)
            return FALSE;
        host = authority.substr(1, close - 1);
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != ':')
                return FALSE;
            portText = authority.substr(close + 2);
        }
    } else {
        size_t colon = authority.find(':');
        if (colon != std::string::npos) {
            host = authority.substr(0, colon);
            portText = authority.substr(colon + 1);
        }
    }
    INTERNET_PORT number = known->port;
    if (!portText.empty()) {
        if (portText.size() > 5 || portText.find_first_not_of("0123456789") != std::string::npos)
            return FALSE;
        unsigned long value = std::stoul(portText);
        if (value == 0 || value > 65535)
            return FALSE;
        number = static_cast<INTERNET_PORT>(value);
    }
    if (host.empty() && known->service != AFX_INET_SERVICE_FILE)
        return FALSE;
    serviceType = known->service;
    server = host.c_str();
    object = path.c_str();
    port = number;
    return TRUE;
}
