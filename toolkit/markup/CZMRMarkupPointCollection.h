// The points of a polyline or polygon, with their bounds. Text converts as
// integer pairs separated by commas or spaces ("0,0 10,0 10,10"). The bounds
// always reach back to the origin: right and bottom are the largest x and y.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupPointCollection : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupPointCollection)
public:
    CZMRMarkupPointCollection();

    // A new collection from a string, or null when the text does not parse.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    // FALSE when the text is null or not a list of integer pairs.
    BOOL ParsePoints(LPCWSTR lpszText);
    void AddPoint(POINT pt);

    int GetCount() const { return static_cast<int>(m_arrPoints.GetSize()); }
    const POINT* GetData() const { return m_arrPoints.GetData(); }
    const RECT& GetBounds() const { return m_rcBounds; }

protected:
    // Reads one integer at the cursor and moves past it and its separator.
    static BOOL AFXAPI ReadNumber(LPCWSTR& lpszCursor, int& nResult);

    CArray<POINT, const POINT&> m_arrPoints;
    RECT m_rcBounds;
};
