// The letters of keyboard tips, from the captions and the texts the tips
// were given: one letter per caption (its access letter, else its first),
// and a second character for every tip whose letter others share.
#pragma once
#include "Framework.h"
#include <vector>

class CZMRKeyboardTipLetters
{
public:
    struct CTip
    {
        CString strCaption;
        CString strExplicit;   // wins over the caption's letter
        CString strText;       // the tip's own text; the result
        BOOL bRemoved = FALSE; // no text and no caption: the tip goes
    };

    // Fills in the text of every tip, in list order.
    static void Assign(std::vector<CTip>& tips);

    // The first letter of a caption: the character after its first "&" that
    // is not part of "&&", else its first character.
    static TCHAR GetCaptionLetter(const CString& strCaption);
};
