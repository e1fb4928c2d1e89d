// The report views' letterhead supplies: nothing of their own, an owner overrides them.
#include "views/bookedit.h"
#include "views/bookrichedit.h"

long bookEdit::bookEditSupplyLetterHead(CString*, CPrintInfo*) { return 0; }
long bookEdit::bookEditSupplyLetterHeadFont(LOGFONTA*, long*) { return 0; }
long bookEdit::bookEditSupplyAlignment(unsigned int*) { return 0; }

long bookRichEdit::bookEditSupplyLetterHead(CString*, CPrintInfo*) { return 0; }
long bookRichEdit::bookEditSupplyLetterHeadFont(LOGFONTA*, long*) { return 0; }
long bookRichEdit::bookEditSupplyAlignment(unsigned int*) { return 0; }
