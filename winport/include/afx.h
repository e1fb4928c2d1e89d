// MFC's core: strings, times, collections and the Win32 API underneath.
#pragma once

#include "windows.h"
#include "afxstr.h"
#include "afxtime.h"
#include "afxcoll.h"
