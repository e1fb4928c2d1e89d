// Range formatting of rich text onto a device context (EM_FORMATRANGE).
#pragma once

#include <richedit.h>

class QTextDocument;

namespace winport {
// Lays out [chrg.cpMin, chrg.cpMax) of the document inside the record's rectangle (twips) with the
// metrics of the record's device context and, when `render` is set, draws the part that fits.
// Returns the first character that did not fit; a line taller than the rectangle is placed anyway
// so that every call makes progress.
LONG formatRange(const QTextDocument& document, const FORMATRANGE& range, bool render);
}
