// MFC's core: strings and the Win32 API underneath.
#pragma once

#include "windows.h"
#include "afxstr.h"
#include "afxexcept.h"
#include "afxfile.h"
