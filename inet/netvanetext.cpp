#include "inet/netvanetext.h"

#include <wininet.h>

#include <cstdio>

CString NetvaneStatusLine(DWORD status)
{
    switch (status) {
    case INTERNET_STATUS_RESOLVING_NAME:
        return "INTERNET_STATUS_RESOLVING_NAME";
    case INTERNET_STATUS_NAME_RESOLVED:
        return "INTERNET_STATUS_NAME_RESOLVED";
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
        return "INTERNET_STATUS_CONNECTING_TO_SERVER";
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
        return "INTERNET_STATUS_CONNECTED_TO_SERVER";
    case INTERNET_STATUS_SENDING_REQUEST:
        return "INTERNET_STATUS_SENDING_REQUEST";
    case INTERNET_STATUS_REQUEST_SENT:
        return "INTERNET_STATUS_REQUEST_SENT";
    case INTERNET_STATUS_RECEIVING_RESPONSE:
        return "INTERNET_STATUS_RECEIVING_RESPONSE";
    case INTERNET_STATUS_RESPONSE_RECEIVED:
        return "INTERNET_STATUS_RESPONSE_RECEIVED";
    case INTERNET_STATUS_CLOSING_CONNECTION:
        return "INTERNET_STATUS_CLOSING_CONNECTION";
    case INTERNET_STATUS_CONNECTION_CLOSED:
        return "INTERNET_STATUS_CONNECTION_CLOSED";
    case INTERNET_STATUS_HANDLE_CREATED:
        return "INTERNET_STATUS_HANDLE_CREATED";
    case INTERNET_STATUS_HANDLE_CLOSING:
        return "INTERNET_STATUS_HANDLE_CLOSING";
    case INTERNET_STATUS_REQUEST_COMPLETE:
        return "INTERNET_STATUS_REQUEST_COMPLETE";
    default:
        return CString();
    }
}

CString NetvaneEncode(const CString& text)
{
    CString encoded;
    for (int i = 0; i < text.GetLength(); ++i) {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
            encoded += static_cast<char>(ch);
        } else if (ch == ' ') {
            encoded += '+';
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02x", ch);
            encoded += hex;
        }
    }
    return encoded;
}

CString NetvaneDecode(const CString& text)
{
    CString decoded;
    int length = text.GetLength();
    for (int i = 0; i < length;) {
        char ch = text[i];
        if (ch == '%') {
            // Up to two hex digits, as far as the text goes; the scan moves on by three.
            CString digits = text.Mid(i + 1, 2);
            unsigned value = 0;
            if (std::sscanf(digits.GetString(), "%2x", &value) == 1)
                decoded += static_cast<char>(value);
            i += 3;
        } else {
            decoded += ch == '+' ? ' ' : ch;
            ++i;
        }
    }
    return decoded;
}
