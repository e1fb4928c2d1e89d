// MFC's extension classes: the window classes, the common controls and the edit view.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "ceditview.h"
