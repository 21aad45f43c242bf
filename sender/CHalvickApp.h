// The Merrowick application: runs the main dialog once, then ends.
#pragma once

#include "Framework.h"

class CHalvickApp : public CWinApp
{
public:
    CHalvickApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CHalvickApp theApp;
