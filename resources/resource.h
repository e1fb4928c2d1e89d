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

// The FTP transfer engine: progress dialog, directory structures, FTP log and record viewer.
#define IDD_DLGFTPPROGRESS 1009
#define IDD_DLGDIRSTRUCT 1013
#define IDD_DLGFTPLOG 3018
#define IDD_DLGFTPLOGVIEW 3019
#define IDC_EDIT_FROM 3045
#define IDC_EDIT_TO 3046
#define IDC_PROGRESS_FTP 3047
#define IDC_STATIC_FTPINPROGRESS 3048
#define IDC_BUTTON_PUT 3049
#define IDC_BUTTON_GET 3050
#define IDC_BUTTON_TRANSFER 3051
#define IDC_BUTTON_CANCELTRANSFER 3052
#define IDC_BUTTON_RELOAD 3083
#define IDC_BUTTON_CLEARLOG 3094
#define IDC_RADIO_ALL 3095
#define IDC_RADIO_GET 3096
#define IDC_RADIO_PUT 3097
#define IDC_BUTTON_VIEW 3098
#define IDC_LIST_FTPLOG 3099
#define IDC_BUTTON_LOADLOG 3100
#define IDC_BUTTON_SAVELOG 3101
#define IDC_EDIT_LOGACTION 3102
#define IDC_EDIT_LOGDATE 3103
#define IDC_EDIT_LOGSTATUS 3104
#define IDC_EDIT_LOGHOST 3105
#define IDC_EDIT_LOGUSERID 3106
#define IDC_EDIT_LOGPASSWORD 3107
#define IDC_EDIT_LOGTYPES 3108
#define IDC_EDIT_LOGSIZES 3109
#define IDC_EDIT_LOGPATHS 3110
#define IDC_EDIT_LOGSUBDIRS 3111
#define IDC_EDIT_LOGSELECTED 3112
#define IDC_BUTTON_CREATEDIRSTRUCT 3113
#define IDC_BUTTON_CREATEDIRSTRUCTFTP 3114
#define IDC_LIST_DIRSTRUCT 3115
#define IDC_STATIC_DIRSTRUCTPATH 3116

// The icons of the FTP workbench's trees and lists (the platform's folder, file, drive, CD drive
// and network drive icons).
#define IDI_FTP_FOLDER 3065
#define IDI_FTP_FILE 3066
#define IDI_FTP_DRIVE 3067
#define IDI_FTP_CDDRIVE 3068
#define IDI_FTP_NETDRIVE 3069
