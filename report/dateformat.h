// Date texts of reports. A driver's timestamp text, year first ("2007-03-05 10:20:30.5" or with
// "/" between the date parts), becomes a long form with the month name, a raw form that keeps the
// time, or a short numeric form. The report classes offer these under their own member names.
//
// Every form writes *out only when the text holds a complete date part followed by a blank;
// otherwise *out is left as it was. All return 0.
#pragma once

#include <afx.h>
#include "tessilo40_api.h"

class TESSILO40_API dateFormat {
public:
    // The six fields of a timestamp text, each as written (leading zeros kept).
    struct Fields {
        CString year, month, day, hours, minutes, seconds;
        bool dateComplete = false; // year, month and day were each closed by their separator
    };

    // Reads the text once: year and month end at "/" or "-", the day at a blank, hours and
    // minutes at ":", the seconds (with any fraction) at ":" or the end. A NULL text gives no
    // fields. shortYear cuts the year to its last two characters when its separator is reached.
    static Fields dateFormatSplit(const char* text, bool shortYear = false);

    // "January".."December" for 1..12, "??" for any other number.
    static const char* dateFormatMonthName(int month);

    // "March 05,2007": month name, blank and day, comma and year (parts only when present).
    static int dateFormatLong(const char* text, CString* out);
    // numeric != 0: "03/05/2007 10:20:30"; numeric == 0: "March 05 2007 10:20:30".
    static int dateFormatRaw(const char* text, CString* out, int numeric);
    // "03/05/07".
    static int dateFormatShort(const char* text, CString* out);
    // Layout forms: as dateFormatLong and dateFormatShort, but every separator is written even for
    // empty fields, and the short form keeps all digits of the year ("03/05/2007").
    static int dateFormatLayoutLong(const char* text, CString* out);
    static int dateFormatLayoutShort(const char* text, CString* out);
};
