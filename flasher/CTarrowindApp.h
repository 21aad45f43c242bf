// CTarrowindApp: starts the flasher once per session and runs its main dialog.
#pragma once

#include "Framework.h"

class CTarrowindApp : public CWinApp
{
public:
    CTarrowindApp();
    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

extern CTarrowindApp theApp;
