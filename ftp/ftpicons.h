// The workbench's icons (folder, file and drives) in the image lists of its dialogs.
#pragma once

#include <afxcmn.h>

// Creates the list of square icons of the size unless it exists; false when it cannot.
bool ftpIconsCreate(CImageList& images, int size);
// Adds the library's icon at the size; its index in the list, -1 when it cannot be loaded.
int ftpIconsAdd(CImageList& images, int iconId, int size);
