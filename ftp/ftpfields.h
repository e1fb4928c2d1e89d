// Copying text into the fixed, zero-terminated text fields of the workbench's records.
#pragma once

#include <afxwin.h>

#include <cstring>

namespace ftpfields {
// Copies at most N - 1 characters and always terminates.
template <size_t N> void copy(char (&field)[N], const char* text)
{
    std::strncpy(field, text ? text : "", N - 1);
    field[N - 1] = '\0';
}

// The dialog item's text into the field (cut to fit).
template <size_t N> void readItem(HWND dialog, int id, char (&field)[N])
{
    field[0] = '\0';
    ::GetDlgItemTextA(dialog, id, field, static_cast<int>(N));
}
}
