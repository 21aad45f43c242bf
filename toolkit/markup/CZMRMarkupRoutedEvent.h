// The registered description of an event that elements raise: registered like
// a property (it is found by name in markup), but it has no store slot, and
// its metadata flag 1 makes it bubble up the logical tree.
#pragma once
#include "CZMRMarkupDependencyProperty.h"

class CZMRMarkupRoutedEvent : public CZMRMarkupDependencyProperty
{
public:
    enum { routeBubble = CZMRMarkupPropertyMetadata::flagInherits };

    BOOL IsEvent() const override;
    BOOL IsBubbling() const;

    // A new event entered in the registry under (name, owner type); flags 0
    // give a direct event without metadata.
    static CZMRMarkupRoutedEvent* AFXAPI RegisterRoutedEvent(LPCWSTR lpszName, DWORD dwFlags,
                                                             CZMRMarkupType* pOwnerType);
};
