#include "CZMRControlCustom.h"

IMPLEMENT_SERIAL(CZMRControlCustom, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlCustom::CZMRControlCustom()
{
}
