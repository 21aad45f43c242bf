#include "CZMRControlWorkspaceActions.h"

IMPLEMENT_SERIAL(CZMRControlWorkspaceActions, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlWorkspaceActions::CZMRControlWorkspaceActions()
{
}
