// tessilo40: the one header a host application includes. It declares every exported class,
// function and variable of the library, and the platform headers they need.
#pragma once

#include "tessilo40_api.h"
#include <windows.h>
#include <objbase.h>
#include <commctrl.h>
#include <afx.h>
#include <afxcoll.h>
#include <afxwin.h>
#include <afxinet.h>
#include <afxcmn.h>
#include <afxdlgs.h>

#include "app/tessilo.h"
#include "app/keyvaluepairlist.h"
#include "book/book.h"
#include "book/bookpage.h"
#include "book/booklogfile.h"
#include "book/bookperiod.h"
#include "book/bookdecimal.h"
#include "db/mfcsql.h"
#include "db/mfcsqlexec.h"
#include "db/sqlquery.h"
#include "db/sqlquerycommon.h"
#include "db/orlamocdatabase.h"
#include "db/tessiloappinterface.h"
#include "dialogs/mfcdatesel.h"
#include "dialogs/mfcdateselmeterreading.h"
#include "dialogs/mfcinvthreshold.h"
#include "report/dateformat.h"
#include "views/bookedit.h"
#include "views/booklist.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"
#include "views/booktree.h"
#include "inet/netvanefindfile.h"
#include "inet/netvaneftp.h"
#include "inet/netvaneftpsess.h"
#include "inet/netvanehttp.h"
#include "inet/netvanehttpsess.h"
#include "ftp/dlgftpitem.h"
