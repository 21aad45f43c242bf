// Shows one picture inside markup. "Source" names it as a bitmap file
// ("file://" and a path), a bitmap or icon resource of the program
// ("res://" and a name), or a command id of the image manager, so that markup
// shows the same icons as the command bars. The picture is an image-manager
// icon, loaded again at every measure.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRImageManager;
class CZMRImageManagerIcon;

class CZMRMarkupImage : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupImage)
public:
    CZMRMarkupImage();
    ~CZMRMarkupImage() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pSourceProperty;

    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    // Loads the source, then desires the icon's size.
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;

    CZMRImageManager* GetImageManager() const { return m_pImageManager; }
    CZMRImageManagerIcon* GetIcon() const { return m_pIcon; }

protected:
    void LoadSource();
    void ReleasePicture();
    // A new private manager (mask colour green) holding the bitmap as the
    // icon of command 0; the bitmap is deleted.
    void SetBitmapPicture(HBITMAP hBitmap, BOOL bAlpha);
    // Takes the manager's icon of the command (one reference), when it has one.
    void TakeIcon(UINT nCommand);

    CZMRImageManager* m_pImageManager;   // one reference
    CZMRImageManagerIcon* m_pIcon;       // one reference
};
