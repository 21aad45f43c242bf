// The demo's dialog: a name bound to an edit box, a button that greets it.
#pragma once

#include "Framework.h"

class CDemoDlg : public CDialog
{
public:
    CDemoDlg();

    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnGreet();
    DECLARE_MESSAGE_MAP()
};
