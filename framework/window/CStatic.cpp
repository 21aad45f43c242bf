#include "window/CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
