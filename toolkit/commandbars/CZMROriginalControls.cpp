#include "CZMROriginalControls.h"

IMPLEMENT_DYNCREATE(CZMROriginalControls, CZMRControls)

CZMROriginalControls::CZMROriginalControls()
{
    m_bOriginalControls = TRUE;
}
