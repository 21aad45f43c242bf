// CRecordingSiteFrame: a framework frame window that hosts command bars in
// tests and records the private messages the bars send their site (10325 to
// 10343) and the status-bar text messages, with their parameters, in the
// order they came. A test may answer a message in its own way (return 1 for
// a right click, destroy the sender, ...). The frame deletes itself when its
// window goes.
#pragma once

#include "Framework.h"
#include <functional>
#include <vector>

class CRecordingSiteFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CRecordingSiteFrame)
public:
    struct CMessage
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
        CString strText;      // WM_SETMESSAGESTRING: the text
        UINT nChar;           // 10330: the key record
        UINT nFlags;
        CPoint pt;            // 10329: the click point
    };

    // A visible frame at rc (screen coordinates); null when it cannot be made.
    static CRecordingSiteFrame* Create(const RECT& rc = {0, 0, 600, 400});

    // The recorded messages of one number (0: all).
    std::vector<CMessage> Messages(UINT nMessage = 0) const;
    void Clear() { m_messages.clear(); }

    std::vector<CMessage> m_messages;
    // Answers a site message; without one the frame answers 0. Status texts
    // always go on to the frame.
    std::function<LRESULT(const CMessage&)> m_answer;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
