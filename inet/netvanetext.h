// Texts shared by the FTP and HTTP sessions: the status-log line of a status code, and the
// URL-style encoding of text.
#pragma once

#include <afx.h>

// The line logged for a status code; empty for a code the log does not name.
CString NetvaneStatusLine(DWORD status);
// Letters and digits stay, a blank becomes "+", every other byte "%" and two lower-case hex
// digits.
CString NetvaneEncode(const CString& text);
// The reverse: "%hh" gives that byte, "+" a blank, anything else itself.
CString NetvaneDecode(const CString& text);
