// MFC's core: strings, exceptions, files, times, collections and the Win32 API underneath.
#pragma once

#include "windows.h"
#include "afxstr.h"
#include "cexception.h"
#include "cfileexception.h"
#include "cfile.h"
#include "cfilefind.h"
#include "atltime.h"
#include "afxcoll.h"
