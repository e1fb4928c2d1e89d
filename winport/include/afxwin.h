// MFC's application and window classes. Each family has its own header, gathered here.
#pragma once

#include "afx.h"
#include "windows.h"
#include "atltypes.h"
#include "cmdtarget.h"
#include "cwnd.h"
#include "cwinthread.h"
#include "cdialog.h"
#include "cfont.h"
#include "cdc.h"
#include "stdctrls.h"
#include "afxwinapp.h"
