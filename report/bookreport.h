// bookReport: the report layout an owner attaches to a statement (MfcSQLSetBookReport). The
// statement marks every title block it hands to the rich-edit view with the layout's report number,
// and asks the view for the titles of that report.
#pragma once

#include "tessilo40_api.h"

class TESSILO40_API bookReport {
public:
    // The number of the report being written; -1 = none (the default, and whenever the layout is
    // attached to or detached from a statement).
    long reportGetID() const { return m_reportID; }
    void reportSetID(long id) { m_reportID = id; }

private:
    long m_reportID = -1;
};
