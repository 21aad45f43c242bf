// The object that owns the command bars of one frame window (its site): the
// shared actions, the paint-manager and image-manager overrides of its bars,
// the options, customize mode and its selection, and command usage.
#pragma once
#include "Framework.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRControlAction;
class CZMRControlActions;
class CZMRControlDragHelper;
class CZMRPaintManager;
class CZMRImageManager;

// The run-time classes the bars are created from; an application may
// replace an entry before any bar is made.
struct ZMR_BAR_CLASSES
{
    CRuntimeClass* pPopupBarClass;
    CRuntimeClass* pPopupToolBarClass;
};

class CZMRBarManager : public CCmdTarget
{
public:
    // The options shared by the manager's bars.
    struct COptions
    {
        COptions() : bDirtyState(FALSE) {}
        BOOL bDirtyState;                        // bar visibility, customize mode or command use changed
        CMap<UINT, UINT, BOOL, BOOL> mapUsedCommands;   // commands executed, for rarely-used hiding
    };

    CZMRBarManager();
    ~CZMRBarManager() override;

    CWnd* GetSite() const { return m_pSite; }
    void SetSite(CWnd* pSite) { m_pSite = pSite; }
    COptions* GetOptions() { return &m_options; }

    // The override, else the current paint manager (the Default theme made
    // when there is none).
    CZMRPaintManager* GetPaintManager() const;
    CZMRImageManager* GetImageManager() const;
    // Hold one reference on the override.
    void SetPaintManager(CZMRPaintManager* pPaintManager);
    void SetImageManager(CZMRImageManager* pImageManager);
    // The current paint manager, made as the Default theme on first use.
    static CZMRPaintManager* GetGlobalPaintManager();

    // ------------------------------------------------------------ actions

    CZMRControlActions* GetActions() const { return m_pActions; }
    // The action of an id, created when missing.
    CZMRControlAction* GetAction(int nId);
    // The action of an id, or none.
    CZMRControlAction* FindAction(int nId) const;
    // Controls added with an id get an action of their own.
    BOOL IsActionsEnabled() const { return m_bEnableActions; }
    void EnableActions(BOOL bEnable = TRUE) { m_bEnableActions = bEnable; }

    // ------------------------------------------------------------ customize mode

    BOOL IsCustomizeMode() const { return m_pCustomizeMode != nullptr; }
    // The object that started customize mode, or none to end it.
    void SetCustomizeMode(CCmdTarget* pCustomizeMode);
    // Every control may be customized, whatever its bar says.
    BOOL IsCustomizeAll() const { return m_bCustomizeAll; }
    void SetCustomizeAll(BOOL bCustomizeAll) { m_bCustomizeAll = bCustomizeAll; }
    CZMRControl* GetCustomizeSelection() const { return m_pCustomizeSelection; }
    // Holds one reference on the selected control; the site hears of a change.
    void SetCustomizeSelection(CZMRControl* pControl);
    // Tells the site (ZMR_WM_CUSTOMIZESELECTION) which control is selected now.
    void NotifyCustomizeSelection();
    CZMRControlDragHelper* GetDragHelper() const { return m_pDragHelper; }
    // Takes over the caller's helper.
    void SetDragHelper(CZMRControlDragHelper* pDragHelper);

    // ------------------------------------------------------------ tracking and command use

    // Closes every tracked bar.
    void CancelTracking();
    // Marks a command as used, when it is one the manager tracks.
    void RecordCommandUse(int nId);
    virtual BOOL IsCommandTracked(int nId) const;

    // A bar of a class that must derive from the required one, given the
    // manager; the framework's memory exception when it cannot be made.
    static CZMRCommandBar* CreateBar(CRuntimeClass* pClass, CRuntimeClass* pRequired, CZMRBarManager* pBarManager);
    static ZMR_BAR_CLASSES m_classes;

protected:
    CZMRControlDragHelper* m_pDragHelper;
    CZMRPaintManager* m_pPaintManager;
    CZMRImageManager* m_pImageManager;
    CZMRControl* m_pCustomizeSelection;
    CCmdTarget* m_pCustomizeMode;
    COptions m_options;
    CWnd* m_pSite;
    CZMRControlActions* m_pActions;
    BOOL m_bEnableActions;
    BOOL m_bCustomizeAll;
};
