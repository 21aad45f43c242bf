// The registration table of the markup engine: one row per markup class, in
// the order that fixes the property indexes. Each type is put at the front of
// the list of all types, and the properties are registered from the front of
// that list with base types first, so CZMRMarkupObject's own properties come
// first and every other index follows from this order. A new markup class
// gets its row here, at its place in the order.
#include "CZMRMarkupType.h"
#include "CZMRMarkupBold.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupBorder.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupBrushKey.h"
#include "CZMRMarkupCanvas.h"
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupColorKey.h"
#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupColumnDefinitionCollection.h"
#include "CZMRMarkupDefinitionCollection.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDouble.h"
#include "CZMRMarkupEllipse.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupFrameworkContentElement.h"
#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupGradientStop.h"
#include "CZMRMarkupGrid.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupHyperlink.h"
#include "CZMRMarkupImage.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupInlineUIContainer.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupItalic.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupLine.h"
#include "CZMRMarkupLineBreak.h"
#include "CZMRMarkupLinearGradientBrush.h"
#include "CZMRMarkupObjectProperty.h"
#include "CZMRMarkupPanel.h"
#include "CZMRMarkupPoint.h"
#include "CZMRMarkupPointCollection.h"
#include "CZMRMarkupPolygon.h"
#include "CZMRMarkupPolyline.h"
#include "CZMRMarkupRectangle.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupRowDefinition.h"
#include "CZMRMarkupRowDefinitionCollection.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupShape.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupSpan.h"
#include "CZMRMarkupStackPanel.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupTextBlock.h"
#include "CZMRMarkupTextElement.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupUIElement.h"
#include "CZMRMarkupUnderline.h"
#include "CZMRMarkupWrapPanel.h"

#include <cstdlib>

namespace
{
struct CMarkupTypeRow
{
    CZMRMarkupType** ppType;        // the class's type slot
    LPCWSTR lpszTag;
    LPCWSTR lpszClassName;
    CZMRMarkupType::PFNCREATEOBJECT pfnCreate;
    CZMRMarkupType::PFNGETBASETYPE pfnGetBaseType;
    CZMRMarkupType::PFNREGISTER pfnRegister;
};

#define MARKUP_TYPE_ROW(theClass, lpszTag, baseClass, pfnRegister)                                        \
    {&theClass::m_pMarkupType, lpszTag, L## #theClass, &theClass::CreateMarkupObject, &baseClass::GetMarkupType, \
     pfnRegister}
#define MARKUP_OWN_REGISTRATION(theClass) &theClass::RegisterMarkupProperties
#define MARKUP_NO_REGISTRATION &CZMRMarkupType::EmptyCallback

const CMarkupTypeRow g_rows[] = {
    MARKUP_TYPE_ROW(CZMRMarkupDependencyProperty, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupType, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    {&CZMRMarkupObject::m_pMarkupType, nullptr, L"CZMRMarkupObject", &CZMRMarkupObject::CreateMarkupObject, nullptr,
     MARKUP_OWN_REGISTRATION(CZMRMarkupObject)},
    MARKUP_TYPE_ROW(CZMRMarkupThickness, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupInt, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupDouble, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupEnum, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupBool, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupColor, L"Color", CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupString, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupCollection, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupBrush, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupSolidColorBrush, L"SolidColorBrush", CZMRMarkupBrush,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupSolidColorBrush)),
    MARKUP_TYPE_ROW(CZMRMarkupPoint, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupGradientStop, L"GradientStop", CZMRMarkupObject,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupGradientStop)),
    MARKUP_TYPE_ROW(CZMRMarkupLinearGradientBrush, L"LinearGradientBrush", CZMRMarkupBrush,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupLinearGradientBrush)),
    MARKUP_TYPE_ROW(CZMRMarkupVisual, nullptr, CZMRMarkupInputElement, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupUIElement, nullptr, CZMRMarkupVisual, MARKUP_OWN_REGISTRATION(CZMRMarkupUIElement)),
    MARKUP_TYPE_ROW(CZMRMarkupInputElement, nullptr, CZMRMarkupObject,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupInputElement)),
    MARKUP_TYPE_ROW(CZMRMarkupResourceDictionary, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupSetter, L"Setter", CZMRMarkupObject, MARKUP_OWN_REGISTRATION(CZMRMarkupSetter)),
    MARKUP_TYPE_ROW(CZMRMarkupSetterColection, nullptr, CZMRMarkupCollection, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupStyle, L"Style", CZMRMarkupObject, MARKUP_OWN_REGISTRATION(CZMRMarkupStyle)),
    MARKUP_TYPE_ROW(CZMRMarkupTrigger, L"Trigger", CZMRMarkupObject, MARKUP_OWN_REGISTRATION(CZMRMarkupTrigger)),
    MARKUP_TYPE_ROW(CZMRMarkupTriggerCollection, nullptr, CZMRMarkupCollection, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupTextBlock, L"TextBlock", CZMRMarkupFrameworkElement,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupTextBlock)),
    MARKUP_TYPE_ROW(CZMRMarkupStackPanel, L"StackPanel", CZMRMarkupPanel, MARKUP_OWN_REGISTRATION(CZMRMarkupStackPanel)),
    MARKUP_TYPE_ROW(CZMRMarkupWrapPanel, L"WrapPanel", CZMRMarkupPanel, MARKUP_OWN_REGISTRATION(CZMRMarkupWrapPanel)),
    MARKUP_TYPE_ROW(CZMRMarkupShape, nullptr, CZMRMarkupFrameworkElement, MARKUP_OWN_REGISTRATION(CZMRMarkupShape)),
    MARKUP_TYPE_ROW(CZMRMarkupPointCollection, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupPolygon, L"Polygon", CZMRMarkupShape, MARKUP_OWN_REGISTRATION(CZMRMarkupPolygon)),
    MARKUP_TYPE_ROW(CZMRMarkupPolyline, L"Polyline", CZMRMarkupShape, MARKUP_OWN_REGISTRATION(CZMRMarkupPolyline)),
    MARKUP_TYPE_ROW(CZMRMarkupRectangle, L"Rectangle", CZMRMarkupShape, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupEllipse, L"Ellipse", CZMRMarkupShape, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupLine, L"Line", CZMRMarkupShape, MARKUP_OWN_REGISTRATION(CZMRMarkupLine)),
    MARKUP_TYPE_ROW(CZMRMarkupFrameworkContentElement, L"FrameworkContentElement", CZMRMarkupInputElement,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupFrameworkContentElement)),
    MARKUP_TYPE_ROW(CZMRMarkupTextElement, L"TextElement", CZMRMarkupFrameworkContentElement,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupTextElement)),
    MARKUP_TYPE_ROW(CZMRMarkupInline, nullptr, CZMRMarkupTextElement, MARKUP_OWN_REGISTRATION(CZMRMarkupInline)),
    MARKUP_TYPE_ROW(CZMRMarkupRun, L"Run", CZMRMarkupInline, MARKUP_OWN_REGISTRATION(CZMRMarkupRun)),
    MARKUP_TYPE_ROW(CZMRMarkupLineBreak, L"LineBreak", CZMRMarkupRun, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupInlineCollection, nullptr, CZMRMarkupCollection, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupSpan, L"Span", CZMRMarkupInline, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupBold, L"Bold", CZMRMarkupSpan, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupHyperlink, L"Hyperlink", CZMRMarkupSpan, MARKUP_OWN_REGISTRATION(CZMRMarkupHyperlink)),
    MARKUP_TYPE_ROW(CZMRMarkupItalic, L"Italic", CZMRMarkupSpan, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupUnderline, L"Underline", CZMRMarkupSpan, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupInlineUIContainer, L"InlineUIContainer", CZMRMarkupInline, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupPanel, L"Panel", CZMRMarkupFrameworkElement, MARKUP_OWN_REGISTRATION(CZMRMarkupPanel)),
    MARKUP_TYPE_ROW(CZMRMarkupImage, L"Image", CZMRMarkupFrameworkElement, MARKUP_OWN_REGISTRATION(CZMRMarkupImage)),
    MARKUP_TYPE_ROW(CZMRMarkupGridLength, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    // The definitions report the plain object as their base: the definition
    // base has no type of its own.
    MARKUP_TYPE_ROW(CZMRMarkupColumnDefinition, L"ColumnDefinition", CZMRMarkupObject,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupColumnDefinition)),
    MARKUP_TYPE_ROW(CZMRMarkupRowDefinition, L"RowDefinition", CZMRMarkupObject,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupRowDefinition)),
    MARKUP_TYPE_ROW(CZMRMarkupDefinitionCollection, nullptr, CZMRMarkupCollection, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupRowDefinitionCollection, nullptr, CZMRMarkupDefinitionCollection,
                    MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupColumnDefinitionCollection, nullptr, CZMRMarkupDefinitionCollection,
                    MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupGrid, L"Grid", CZMRMarkupPanel, MARKUP_OWN_REGISTRATION(CZMRMarkupGrid)),
    MARKUP_TYPE_ROW(CZMRMarkupCanvas, L"Canvas", CZMRMarkupPanel, MARKUP_OWN_REGISTRATION(CZMRMarkupCanvas)),
    // The border reports the framework element as its base: the decorator
    // has no type of its own.
    MARKUP_TYPE_ROW(CZMRMarkupBorder, L"Border", CZMRMarkupFrameworkElement, MARKUP_OWN_REGISTRATION(CZMRMarkupBorder)),
    MARKUP_TYPE_ROW(CZMRMarkupFrameworkElement, L"FrameworkElement", CZMRMarkupUIElement,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupFrameworkElement)),
    MARKUP_TYPE_ROW(CZMRMarkupObjectProperty, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupColorKey, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupBrushKey, nullptr, CZMRMarkupObject, MARKUP_NO_REGISTRATION),
    MARKUP_TYPE_ROW(CZMRMarkupKeyboardNavigation, L"KeyboardNavigation", CZMRMarkupObject,
                    MARKUP_OWN_REGISTRATION(CZMRMarkupKeyboardNavigation)),
};

enum { tableNotBuilt, tableBuilding, tableBuilt };
int g_nTableState = tableNotBuilt;

void __cdecl ReleaseTypesAtExit()
{
    CZMRMarkupType::ReleaseTypes();
}

// The types exist from static initialisation on, as the program starts.
struct CBuildAtStartup
{
    CBuildAtStartup() { CZMRMarkupType::BuildTypeTable(); }
} g_buildAtStartup;
}

void AFXAPI CZMRMarkupType::BuildTypeTable()
{
    // The rows only store their callbacks, so a class asking for its type
    // while the table is being built gets null and never recurses.
    if (g_nTableState != tableNotBuilt)
        return;
    g_nTableState = tableBuilding;
    for (const CMarkupTypeRow& row : g_rows)
    {
        *row.ppType = new CZMRMarkupType(row.lpszTag, row.lpszClassName, row.pfnCreate, row.pfnGetBaseType,
                                         row.pfnRegister);
    }
    g_nTableState = tableBuilt;
    atexit(ReleaseTypesAtExit);
}
