#include "CZMRControlRecentFileList.h"

IMPLEMENT_SERIAL(CZMRControlRecentFileList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlRecentFileList::CZMRControlRecentFileList()
{
}
