// MFC's common-control classes.
#pragma once

#include "afxwin.h"
#include "commctrl.h"
#include "ctabctrl.h"
#include "cmonthcalctrl.h"
#include "cprogressctrl.h"
#include "cricheditctrl.h"
#include "clistctrl.h"
#include "ctreectrl.h"
