// Identifiers of the library's dialog templates, controls and strings (resources/*.rc).
#pragma once

// The book's modeless message box.
#define IDD_BOOK_MESSAGEBOX 1003
#define IDC_BOOK_MESSAGEBOX_YES 1023
#define IDC_BOOK_MESSAGEBOX_NO 1024
#define IDC_BOOK_MESSAGEBOX_TEXT 1029

// The date, meter reading and inventory threshold dialogs.
#define IDD_MFCDATESEL 1004
#define IDD_MFCDATESELMETERREADING 1006
#define IDD_MFCINVTHRESHOLD 1007
#define IDC_MONTHCALENDAR1 1032
#define IDC_EDIT_CURRENTMETERREADING 1039
#define IDC_EDIT_STARTMETERREADING 1040
#define IDC_EDIT_STARTUOMVOLUME 1041
#define IDC_BUTTON_CALC 1042
#define IDC_CHECK_EDITSTARTMETERREADING 1043
#define IDC_EDIT_THRESHOLD 1044
// The command the date and meter dialogs post to their target window when the user is done.
#define IDC_MFCDATESEL_DONE 1083

// The icons of the FTP workbench's trees and lists (the platform's folder, file, drive, CD drive
// and network drive icons).
#define IDI_FTP_FOLDER 3065
#define IDI_FTP_FILE 3066
#define IDI_FTP_DRIVE 3067
#define IDI_FTP_CDDRIVE 3068
#define IDI_FTP_NETDRIVE 3069
