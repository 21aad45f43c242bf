// A handler of routed events. The application gives delegates to a context
// under a name, markup event attributes name them, and each element keeps the
// delegates of its events in its handler lists.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupRoutedEventArgs;

class CZMRMarkupDelegate : public CZMRMarkupObject
{
public:
    // Runs for one raised event: pSender is the element whose list holds the
    // delegate. Marking the record handled stops the event.
    virtual void OnEvent(CZMRMarkupObject* pSender, CZMRMarkupRoutedEventArgs* pArgs) = 0;
};
