// The stored state of all the manager's bars: the bars under their classes
// (popup bars included, numbered so that their controls find them again),
// the rows of the four dock bars and each tool bar's docked and floating
// places, so that a whole layout comes back after a restart.
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRCommandBarList.h"
#include "CZMRToolBar.h"
#include "CZMRDockBar.h"
#include "CZMRDockContext.h"
#include "CZMREnumeratorScope.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"
#include <vector>

namespace
{
// Where a tool bar sits, besides its own keys.
struct CBarPlace
{
    BOOL bInList = FALSE;      // one of the manager's bars, not only a popup
    BOOL bVisible = TRUE;
    CRect rcWindow;            // the floating window
    CRect rcDocked;            // the dock context's remembered places
    int nLastSide = 0;
    CPoint ptFloating;
};

void ExchangePlace(CZMRPropExchange* pPX, CBarPlace& place)
{
    PropExchangeBool(pPX, L"InManager", &place.bInList, FALSE);
    PropExchangeBool(pPX, L"Visible", &place.bVisible, TRUE);
    PropExchangeRect(pPX, L"WindowRect", &place.rcWindow, CRect(0, 0, 0, 0));
    PropExchangeRect(pPX, L"DockedRect", &place.rcDocked, CRect(0, 0, 0, 0));
    PropExchangeInt(pPX, L"LastSide", &place.nLastSide, 0);
    CSize szFloating(place.ptFloating.x, place.ptFloating.y);
    PropExchangeSize(pPX, L"FloatingPosition", &szFloating, CSize(0, 0));
    place.ptFloating = CPoint(szFloating.cx, szFloating.cy);
}

const LPCTSTR DockSections[4] = {L"DockBarTop", L"DockBarBottom", L"DockBarLeft", L"DockBarRight"};
}

void CZMRBarManager::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    ZMR_PROPEXCHANGE_PARAM param = {this, FALSE};
    if (!pPX->m_pOwnerContext)
        pPX->m_pOwnerContext = &param;
    struct CRestore
    {
        CZMRPropExchange* pPX;
        ZMR_PROPEXCHANGE_PARAM* pParam;
        ~CRestore()
        {
            if (pPX->m_pOwnerContext == pParam)
                pPX->m_pOwnerContext = nullptr;
        }
    } restore{pPX, &param};

    if (!pPX->IsLoading())
    {
        // The manager's bars first, then the popups they reach.
        CZMRCommandBarList list;
        DWORD nBarId = 0x1000000;
        for (int i = 0; i < GetCount(); i++)
            m_arrBars[i]->NumberBarsForSave(nBarId, &list, static_cast<ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext));
        {
            CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Bar"));
            POSITION pos = enumerator->GetPosition(DWORD(list.GetCount()));
            for (int i = 0; i < list.GetCount() && pos; i++)
            {
                CZMRCommandBar* pBar = list.GetAt(i);
                CZMRSectionScope section(enumerator->GetNext(pos));
                CObject* pObject = pBar;
                if (!section || !section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRCommandBar)))
                    continue;
                pBar->DoPropExchange(section);
                CBarPlace place;
                place.bInList = GetBarIndex(pBar) != -1;
                place.bVisible = pBar->IsVisible();
                if (CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pBar))
                {
                    if (pToolBar->GetSafeHwnd())
                        pToolBar->GetWindowRect(&place.rcWindow);
                    if (CZMRDockContext* pContext = pToolBar->GetDockContext())
                    {
                        place.rcDocked = pContext->GetDockedRect();
                        place.nLastSide = pContext->GetLastSide();
                        place.ptFloating = pContext->GetFloatingPosition();
                    }
                }
                ExchangePlace(section, place);
            }
        }
        // The rows: 1-based indexes of the saved bars, 0 ends a row.
        for (int nSide = 0; nSide < 4; nSide++)
        {
            CZMRDockBar* pDock = m_pDocks[nSide];
            CZMRSectionScope section(pPX->GetSection(DockSections[nSide]));
            int nCount = pDock ? pDock->GetArrayCount() - 1 : 0;
            PropExchangeInt(section, L"Count", &nCount, 0);
            for (int i = 0; i < nCount; i++)
            {
                CZMRToolBar* pBar = pDock->GetArrayAt(i + 1);
                int nEntry = 0;
                for (int j = 0; pBar && j < list.GetCount() && !nEntry; j++)
                    nEntry = list.GetAt(j) == pBar ? j + 1 : 0;
                CString strKey;
                strKey.Format(L"Entry%d", i);
                PropExchangeInt(section, strKey, &nEntry, 0);
            }
        }
        return;
    }

    // Everything is read before anything changes: a state that cannot be
    // read leaves the bars as they are.
    CZMRCommandBarList loaded;
    std::vector<CBarPlace> places;
    {
        CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Bar"));
        POSITION pos = enumerator->GetPosition();
        while (pos)
        {
            CZMRSectionScope section(enumerator->GetNext(pos));
            CObject* pObject = nullptr;
            if (!section || !section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRCommandBar)) || !pObject)
                AfxThrowArchiveException(CArchiveException::badClass);
            auto* pBar = static_cast<CZMRCommandBar*>(pObject);
            loaded.Add(pBar);
            pBar->InternalRelease();
            pBar->DoPropExchange(section);
            CBarPlace place;
            ExchangePlace(section, place);
            places.push_back(place);
        }
    }
    std::vector<std::vector<CZMRToolBar*>> rows(4);
    for (int nSide = 0; nSide < 4; nSide++)
    {
        CZMRSectionScope section(pPX->GetSection(DockSections[nSide]));
        int nCount = 0;
        PropExchangeInt(section, L"Count", &nCount, 0);
        for (int i = 0; i < nCount; i++)
        {
            CString strKey;
            strKey.Format(L"Entry%d", i);
            int nEntry = 0;
            PropExchangeInt(section, strKey, &nEntry, 0);
            if (nEntry < 0 || nEntry > loaded.GetCount())
                AfxThrowArchiveException(CArchiveException::badIndex);
            CZMRToolBar* pBar = nEntry ? DYNAMIC_DOWNCAST(CZMRToolBar, loaded.GetAt(nEntry - 1)) : nullptr;
            if (nEntry && (!pBar || !places[nEntry - 1].bInList))
                AfxThrowArchiveException(CArchiveException::badIndex);
            rows[nSide].push_back(pBar);
        }
    }
    for (int i = 0; i < loaded.GetCount(); i++)
        loaded.GetAt(i)->RelinkBarsAfterLoad(&loaded);

    // The stored bars take the place of the list's.
    HideKeyboardTips();
    CancelTracking();
    SetCustomizeSelection(nullptr);
    while (GetCount() > 0)
    {
        CZMRCommandBar* pBar = m_arrBars[GetCount() - 1];
        if (CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pBar))
        {
            if (CZMRDockBar* pDock = pToolBar->GetDockBar())
                pDock->RemoveCommandBar(pToolBar);
        }
        OnBarRemoved(pBar);
        pBar->OnDestroyBar();
        m_arrBars.RemoveAt(GetCount() - 1);
        pBar->InternalRelease();
    }
    for (int i = 0; i < loaded.GetCount(); i++)
    {
        if (!places[i].bInList)
            continue;
        CZMRCommandBar* pBar = loaded.GetAt(i);
        pBar->InternalAddRef();
        AddBar(pBar);
        CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pBar);
        if (!pToolBar)
            continue;
        if (CZMRDockContext* pContext = pToolBar->GetDockContext())
        {
            pContext->SetDockedRect(places[i].rcDocked);
            pContext->SetLastSide(places[i].nLastSide);
            pContext->SetFloatingPosition(places[i].ptFloating);
        }
        pToolBar->SetVisible(places[i].bVisible);
        if (pToolBar->GetPosition() == zmrBarFloating && pToolBar->SetDockState(m_pSite, TRUE))
        {
            const CRect& rc = places[i].rcWindow;
            pToolBar->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    for (int nSide = 0; nSide < 4; nSide++)
    {
        if (!m_pDocks[nSide])
            continue;
        for (CZMRToolBar* pBar : rows[nSide])
        {
            if (pBar)
                pBar->SetDockState(m_pSite, FALSE);
        }
        m_pDocks[nSide]->RestoreRows(rows[nSide]);
    }
    // A docked bar no row names is put at the end of its side.
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, m_arrBars[i]);
        if (pToolBar && !pToolBar->GetDockBar() && pToolBar->GetPosition() >= zmrBarTop &&
            pToolBar->GetPosition() <= zmrBarRight)
            DockToolBarSide(pToolBar, pToolBar->GetPosition());
    }
    m_options.bDirtyState = FALSE;
    RecalcFrameLayout();
}
