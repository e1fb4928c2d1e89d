// A small RTF reader and writer for the formats the rich edit control keeps: font face and size,
// bold, italic, underline, strike-out, colour, protection, and paragraph alignment.
#pragma once

#include <QTextCharFormat>
#include <string>

class QTextDocument;
class QTextCursor;

namespace winport {
// The property that marks protected text in the control's documents.
extern const int kRtfProtected;

// Writes [from, to) of the document as RTF (to < 0: the end).
std::string writeRtf(const QTextDocument& document, int from, int to);
// True when the bytes begin with an RTF header ("{\rtf").
bool looksLikeRtf(const std::string& data);
// Reads RTF into `out` (an empty document whose default font is the control's): false, with the
// reason, when the data is not complete RTF (unbalanced groups, no header); `out` is then
// unusable.
bool readRtf(const std::string& data, QTextDocument& out, std::string* error);
// The length of the first complete RTF group in the data (the header's group), or 0 while it is
// incomplete: a reader of a stream stops there.
size_t rtfGroupEnd(const std::string& data);
}
