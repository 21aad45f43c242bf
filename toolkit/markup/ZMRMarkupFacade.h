// The markup engine's entry points for the rest of the toolkit: make a
// context, build a tree from markup text, set the default font and colour,
// measure and draw the tree, and give both back. None of them raises: a
// failed build is a null tree, and every null argument gives a neutral result.
#pragma once
#include "Framework.h"

class CZMRMarkupContext;
class CZMRMarkupUIElement;

// A new context with one reference for the caller; null when it cannot be
// made. Without a host window, mouse routing, tooltips and repaints do nothing.
CZMRMarkupContext* AFXAPI NewMarkupContext(HWND hWndHost);
// Gives back the caller's reference and clears the pointer.
void AFXAPI DropMarkupContext(CZMRMarkupContext** ppContext);
// The root of the tree (one reference for the caller), or null.
CZMRMarkupUIElement* AFXAPI BuildMarkupTree(CZMRMarkupContext* pContext, LPCWSTR lpszMarkup);
// Gives back the caller's reference, clears the pointer and answers the
// references left (0 for a null pointer).
long AFXAPI DropMarkupTree(CZMRMarkupUIElement** ppElement);
// The context the element belongs to, borrowed.
CZMRMarkupContext* AFXAPI OwningMarkupContext(CZMRMarkupUIElement* pElement);
// A font replaces the default font; a colour other than -1 the default colour.
void AFXAPI SetMarkupDefaults(CZMRMarkupContext* pContext, HFONT hFont, COLORREF clrText);
// The desired size within the limits (above 0x3FFFFFFF: unbounded).
SIZE AFXAPI MeasureMarkupTree(CZMRMarkupUIElement* pElement, int nMaxWidth, int nMaxHeight);
// Arranges the tree into the rectangle and draws it; always 0.
int AFXAPI DrawMarkupTree(CZMRMarkupUIElement* pElement, HDC hDC, const RECT* lpRect);
