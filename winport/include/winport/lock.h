// Holds a critical section for one scope (entered on construction, left on destruction).
#pragma once

#include "winsync.h"

class CriticalSectionHold {
public:
    explicit CriticalSectionHold(LPCRITICAL_SECTION section)
        : m_section(section)
    {
        EnterCriticalSection(m_section);
    }
    ~CriticalSectionHold() { LeaveCriticalSection(m_section); }
    CriticalSectionHold(const CriticalSectionHold&) = delete;
    CriticalSectionHold& operator=(const CriticalSectionHold&) = delete;

private:
    LPCRITICAL_SECTION m_section;
};
