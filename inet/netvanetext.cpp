#include "inet/netvanetext.h"

#include <cstdio>

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
