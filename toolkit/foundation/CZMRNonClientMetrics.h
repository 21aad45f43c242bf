// The system's non-client metrics in the form without the padded border
// width, read when the record is built.
#pragma once
#include "core/Core.h"

class CZMRNonClientMetrics : public NONCLIENTMETRICSW
{
public:
    enum { RecordSize = sizeof(NONCLIENTMETRICSW) - sizeof(int) };   // 500 bytes

    CZMRNonClientMetrics()
    {
        ZeroMemory(static_cast<NONCLIENTMETRICSW*>(this), sizeof(NONCLIENTMETRICSW));
        cbSize = RecordSize;
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, RecordSize, static_cast<NONCLIENTMETRICSW*>(this), 0);
    }
};
