// GDI objects behind HFONT and HDC handles.
#pragma once

#include <windows.h>

#include <QFont>

namespace winport {
// The Qt font for a log font (screen: 96 dpi, so one log unit is one pixel).
QFont fontFromLogFont(const LOGFONTA& logFont);
// The log font of a font handle (a stock font included); false for an unknown handle.
bool logFontOf(HFONT font, LOGFONTA* logFont);
// The Qt font of a handle; the default GUI font for NULL or an unknown handle.
QFont qtFontOf(HFONT font);
// The default GUI font's handle (8-point "MS Shell Dlg").
HFONT defaultGuiFont();
// A log font built from a Qt font (for font dialogs).
LOGFONTA logFontFromQt(const QFont& font);
}
