// The converters that property metadata names: each turns attribute text into
// a value of its property (a new object with one reference for the caller),
// or answers null, and conversion goes on with the value type's own.
#pragma once
#include "Framework.h"

class CZMRMarkupContext;
class CZMRMarkupObject;

CZMRMarkupObject* AFXAPI ConvertTextDecorations(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertFontWeight(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertFontQuality(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertSize(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertFontStyle(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertVerticalAlignment(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertHorizontalAlignment(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertTextWrapping(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertTextTrimming(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertTextAlignment(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertOrientation(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertBaselineAlignment(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertCursor(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertVisibility(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
// A string becomes a text block (made through the context) holding one run
// of that text.
CZMRMarkupObject* AFXAPI ConvertContent(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertScrollBarVisibility(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertStretch(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
CZMRMarkupObject* AFXAPI ConvertKeyboardNavigationMode(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
