// MFC's extension classes: the window classes plus the common controls.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
