// COleClientItem: an embedded or linked object inside a COleDocument. It
// holds the object's IOleObject interface and its state (empty, loaded,
// open, active in place, active with its user interface).
#pragma once

#include "window/CCmdTarget.h"
#include <ole2.h>

class COleDocument;
class CMenu;

class COleClientItem : public CCmdTarget
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    enum ItemState
    {
        emptyState = 0,
        loadedState = 1,
        openState = 2,
        activeState = 3,
        activeUIState = 4
    };

    // The document holds the item from now on (none: a loose item).
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    // Releases the object and leaves the document.
    ~COleClientItem() override;

    COleDocument* GetDocument() const { return m_pDocument; }
    UINT GetItemState() const { return m_nItemState; }
    void SetItemState(UINT nItemState) { m_nItemState = nItemState; }

    // The object, with one reference held by the item (none while empty).
    LPOLEOBJECT m_lpObject;

protected:
    COleDocument* m_pDocument;
    UINT m_nItemState;
};

// Makes the item at position iMenuItem of the menu the verb entry of the
// object: "&Object" disabled without an object; a single verb as one item
// ("Verb Type &Object"); several as a popup "Type &Object" of the verbs.
// Verb n takes the command nIDVerbMin + n, up to nIDVerbMax; verbs that are
// negative or not meant for the container's menu are left out. With
// nIDConvert a "&Convert..." entry closes the verbs' popup.
void AFXAPI AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin,
                              UINT nIDVerbMax = 0, UINT nIDConvert = 0);
