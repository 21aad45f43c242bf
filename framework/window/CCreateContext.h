// CCreateContext: what a frame needs to make its view when it is created:
// the view's class, the document it shows and the template both come from.
// It travels as the creation parameter of the frame's window.
#pragma once

#include "core/Core.h"

class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
