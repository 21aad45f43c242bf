#include "window/CProgressCtrl.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
