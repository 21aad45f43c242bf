// The demo program: runs its dialog modally; the process exit code is the
// dialog's result (IDOK 1, IDCANCEL 2), so that a driver can check it.
#pragma once

#include "Framework.h"

class CDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    INT_PTR m_nResult = -1;
};
