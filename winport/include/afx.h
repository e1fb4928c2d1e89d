// MFC's core: strings, exceptions, files, times, collections and the Win32 API underneath.
#pragma once

#include "windows.h"
#include "afxstr.h"
#include "afxexcept.h"
#include "afxfile.h"
#include "afxtime.h"
#include "afxcoll.h"
