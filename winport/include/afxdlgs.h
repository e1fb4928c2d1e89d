// MFC's common dialog classes.
#pragma once

#include "afxwin.h"
#include "commdlg.h"
#include "filedialog.h"
#include "fontdialog.h"
#include "printdialog.h"
