#include "CZMRControlToolbars.h"

IMPLEMENT_SERIAL(CZMRControlToolbars, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlToolbars::CZMRControlToolbars()
{
}
