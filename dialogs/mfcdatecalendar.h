// The month calendar of the date and meter dialogs (control 1032): the day it shows, the day it
// has selected, the day states it asks for and the command that tells the host the user is done.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>
#include <atltime.h>

namespace mfcdatecalendar {

// Creates the dialog from the library's template, shows it and, given a date, selects it; FALSE
// (and no window) when the template cannot be found or loaded.
BOOL open(CDialog& dialog, UINT templateId, CWnd* parent, const CTime* date);

// Moves the calendar's today mark to the day of `date` and selects it.
void show(HWND dialog, CTime date);

// The calendar's selected day at 00:00:00; false (and *day unchanged) without a selection.
bool selectedDay(HWND dialog, CTime* day);

// Answers a day-state request: the first entries of `states` (as many as the calendar asks for,
// at most 12) are cleared and handed to the calendar, so that no day is bold.
void clearDayStates(NMHDR* header, MONTHDAYSTATE (&states)[12]);

// Posts command 1083 to the target window with the given control handle (nothing without one).
void notify(HWND target, HWND control);

} // namespace mfcdatecalendar
