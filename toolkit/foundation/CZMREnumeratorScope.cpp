#include "CZMREnumeratorScope.h"

CZMREnumeratorScope::~CZMREnumeratorScope()
{
    delete m_pEnumerator;
}
