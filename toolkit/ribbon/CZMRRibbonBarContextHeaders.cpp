// The context headers of the ribbon's caption band. For now every
// arrangement only clears them.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonContextHeaderList.h"

void CZMRRibbonBar::RepositionContextHeaders()
{
    m_pContextHeaders->RemoveAll();
}
