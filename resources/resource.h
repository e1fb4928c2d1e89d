// Identifiers of the library's dialog templates and their controls (resources/*.rc).
#pragma once

// The book's modeless message box.
#define IDD_BOOK_MESSAGEBOX 1003
#define IDC_BOOKMSG_YES 1023
#define IDC_BOOKMSG_NO 1024
#define IDC_BOOKMSG_TEXT 1029
