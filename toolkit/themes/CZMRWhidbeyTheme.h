// The Office 2003 look in flatter, greyer tones: its colours follow the
// system's visual-style colour scheme (blue, olive, silver) whatever colour
// scheme the application chose, and separators have no highlight line.
#pragma once
#include "CZMROffice2003Theme.h"

class CZMRWhidbeyTheme : public CZMROffice2003Theme
{
public:
    CZMRWhidbeyTheme();

    void RefreshMetrics() override;
    int GetThemeKind() override;
};
