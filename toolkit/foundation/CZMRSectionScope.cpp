#include "CZMRSectionScope.h"

CZMRSectionScope::~CZMRSectionScope()
{
    if (m_pSection)
        m_pSection->InternalRelease();
}
