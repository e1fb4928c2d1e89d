// MFC's common-control classes.
#pragma once

#include "afxwin.h"
#include "commctrl.h"
#include "tabctrl.h"
#include "monthcalctrl.h"
#include "richeditctrl.h"
#include "listctrl.h"
