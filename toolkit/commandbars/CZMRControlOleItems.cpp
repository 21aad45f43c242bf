#include "CZMRControlOleItems.h"

IMPLEMENT_SERIAL(CZMRControlOleItems, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlOleItems::CZMRControlOleItems()
{
}
