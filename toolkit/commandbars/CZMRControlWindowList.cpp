#include "CZMRControlWindowList.h"

IMPLEMENT_SERIAL(CZMRControlWindowList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlWindowList::CZMRControlWindowList()
{
}
