// Identifiers of the library's dialog templates, controls and strings (resources/*.rc).
#pragma once

// The book's modeless message box.
#define IDD_BOOK_MESSAGEBOX 1003
#define IDC_BOOK_MESSAGEBOX_YES 1023
#define IDC_BOOK_MESSAGEBOX_NO 1024
#define IDC_BOOK_MESSAGEBOX_TEXT 1029
