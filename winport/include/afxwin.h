// MFC's application and window classes. Each family has its own header, gathered here.
#pragma once

#include "afx.h"
#include "afxwinapp.h"
