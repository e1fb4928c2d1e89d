// orlamoCDatabase: the suite's database object, held by executors only as a pointer. Its presence
// lets an executor turn timestamps into CTime values.
#pragma once

#include "tessilo40_api.h"
#include <afxstr.h>

class TESSILO40_API orlamoCDatabase {
public:
    orlamoCDatabase() = default;
    explicit orlamoCDatabase(const CString& connect)
        : m_connect(connect)
    {
    }
    virtual ~orlamoCDatabase() = default;

    const CString& GetConnect() const { return m_connect; }

private:
    CString m_connect;
};
