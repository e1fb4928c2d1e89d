// MFC's application and window classes. Each family has its own header, gathered here.
#pragma once

#include "afx.h"
#include "windows.h"
#include "atltypes.h"
#include "ccmdtarget.h"
#include "cwnd.h"
#include "cwinthread.h"
#include "cdialog.h"
#include "cmenu.h"
#include "cfont.h"
#include "cdc.h"
#include "cbutton.h"
#include "cstatic.h"
#include "cedit.h"
#include "clistbox.h"
#include "ccombobox.h"
#include "cwinapp.h"
