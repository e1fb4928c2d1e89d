// The URL-style encoding of text that the FTP and HTTP sessions offer.
#pragma once

#include <afx.h>

// Letters and digits stay, a blank becomes "+", every other byte "%" and two lower-case hex
// digits.
CString NetvaneEncode(const CString& text);
// The reverse: "%hh" gives that byte, "+" a blank, anything else itself.
CString NetvaneDecode(const CString& text);
