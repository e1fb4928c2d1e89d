// The screen fonts the views own.
#pragma once

#include <afxwin.h>

// Deletes *font and, with a face name, replaces it by a point font of that size and face.
// 0, or 0x80004005 when the font cannot be made (*font is then null).
long viewFontReplace(CFont** font, int points, const char* face);

class CFontDialog;
// Deletes *font and replaces it by the font chosen in the dialog; 0, or 0x80004005 when the font
// cannot be made (*font is then null).
long viewFontFromDialog(CFont** font, CFontDialog* dialog);
