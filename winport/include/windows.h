// The Win32 API as far as the library uses it. Sub-headers group it by family.
#pragma once

#include "wintypes.h"
#include "winerror.h"
#include "winsync.h"
#include "winbase.h"
#include "wintime.h"
#include "libloaderapi.h"
#include "winuser.h"
#include "wingdi.h"
#include "winspool.h"
#include "commctrl.h"
