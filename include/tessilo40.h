// tessilo40: the one header a host application includes. It declares every exported class,
// function and variable of the library, and the platform headers they need.
#pragma once

#include "tessilo40_api.h"
#include <windows.h>
#include <afx.h>
#include <afxinet.h>

#include "inet/netvaneftp.h"
#include "inet/netvanehttp.h"
#include "ftp/dlgftpitem.h"
