// MFC's common dialog classes.
#pragma once

#include "afxwin.h"
#include "commdlg.h"
#include "cfiledialog.h"
#include "cfontdialog.h"
#include "cprintdialog.h"
