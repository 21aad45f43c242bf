// The window layer of the framework.
#pragma once

#include "core/Core.h"
#include <commctrl.h>
#include "window/MessageMap.h"
#include "window/CCmdTarget.h"
#include "window/CGdiObject.h"
#include "window/CDC.h"
#include "window/CMenu.h"
#include "window/CImageList.h"
#include "window/CWnd.h"
#include "window/CDataExchange.h"
#include "window/CDialog.h"
#include "window/CButton.h"
#include "window/CEdit.h"
#include "window/CStatic.h"
#include "window/CProgressCtrl.h"
#include "window/CHeaderCtrl.h"
#include "window/CListCtrl.h"
#include "window/CWinThread.h"
#include "window/CWinApp.h"
#include "window/CFileDialog.h"
