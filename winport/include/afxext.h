// MFC's extension classes: the window classes, the common controls, the edit view and
// printing.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "ceditview.h"
#include "afxview.h"
