// Printing from the command line without a dialog: the job's printer and PDF file, and the
// report views that print on it.
#pragma once

#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <string>

struct PrintJob {
    std::string printer; // as the system spells it
    std::string output; // the "PDF" printer's file
    int pages = 0;
};

// The printer to use: the named one, else the profile's default, else the system's; empty when
// the named printer does not exist or there is none.
std::string printJobChoosePrinter(const std::string& named);
// TRUE when a file can be created at the native path.
bool printJobWritable(const std::string& native);

// The plain report view printing on the job's printer (3/4-inch margins) and counting pages.
class PrintJobEdit : public bookEdit {
public:
    explicit PrintJobEdit(PrintJob& job)
        : m_job(job)
    {
    }
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

private:
    PrintJob& m_job;
};

// The rich-edit report view printing on the job's printer and counting pages.
class PrintJobRichEdit : public bookRichEdit {
public:
    explicit PrintJobRichEdit(PrintJob& job)
        : m_job(job)
    {
    }
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

private:
    PrintJob& m_job;
};
