#include "CZMRKeyboardTipLetters.h"

TCHAR CZMRKeyboardTipLetters::GetCaptionLetter(const CString& strCaption)
{
    for (int i = 0; i + 1 < strCaption.GetLength(); i++)
    {
        if (strCaption[i] != L'&')
            continue;
        if (strCaption[i + 1] != L'&')
            return strCaption[i + 1];
        i++;   // "&&" is a plain "&"
    }
    return strCaption[0];
}

void CZMRKeyboardTipLetters::Assign(std::vector<CTip>& tips)
{
    // One letter for every tip without a text of its own.
    for (size_t i = tips.size(); i-- > 0;)
    {
        CTip& tip = tips[i];
        if (!tip.strText.IsEmpty())
            continue;
        if (tip.strCaption.IsEmpty())
        {
            tip.bRemoved = TRUE;
            continue;
        }
        tip.strCaption.MakeUpper();
        tip.strText = CString(GetCaptionLetter(tip.strCaption));
        if (!tip.strExplicit.IsEmpty())
            tip.strText = tip.strExplicit;
    }

    // Tips that share a first letter get a second character each.
    for (size_t i = 0; i < tips.size(); i++)
    {
        if (tips[i].bRemoved)
            continue;
        const TCHAR chFirst = tips[i].strText[0];
        std::vector<CTip*> group;
        CString strUsed = L"& ";
        for (size_t j = i; j < tips.size(); j++)
        {
            CTip& tip = tips[j];
            if (tip.bRemoved || tip.strText[0] != chFirst)
                continue;
            group.push_back(&tip);
            if (tip.strText.GetLength() >= 2)
                strUsed += tip.strText[1];
        }
        if (group.size() < 2)
            continue;
        int nCounter = 1;
        for (CTip* pTip : group)
        {
            if (pTip->strText.GetLength() >= 2)
                continue;
            const CString& strCaption = pTip->strCaption;
            const int nLength = strCaption.GetLength();
            TCHAR chSecond = 0;
            // The letter after a space, as in the second word.
            for (int k = 0; k + 1 < nLength && !chSecond; k++)
            {
                if (strCaption[k] == L' ' && strUsed.Find(strCaption[k + 1]) == -1)
                    chSecond = strCaption[k + 1];
            }
            // Else the next letter of the caption not taken yet.
            if (!chSecond)
            {
                int k = nLength > 0 && strCaption[0] == L'&' ? 1 : 0;
                if (k < nLength && strCaption[k] == chFirst)
                    k++;
                for (; k < nLength && !chSecond; k++)
                {
                    if (strUsed.Find(strCaption[k]) == -1)
                        chSecond = strCaption[k];
                }
            }
            // Else a digit: only the first digit of the count is used.
            if (!chSecond)
            {
                CString strCount;
                strCount.Format(L"%i", nCounter++);
                chSecond = strCount[0];
            }
            CString strSecond(chSecond);
            strSecond.MakeUpper();
            pTip->strText += strSecond;
            strUsed += strSecond;
        }
    }
}
