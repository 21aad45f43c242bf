// Makes the toolkit's resource module the framework's current resource
// handle for one load, when there is such a module; restores it on every path.
#pragma once
#include "core/Core.h"

class CZMRResourceHandleScope
{
public:
    CZMRResourceHandleScope();
    ~CZMRResourceHandleScope();
    CZMRResourceHandleScope(const CZMRResourceHandleScope&) = delete;
    CZMRResourceHandleScope& operator=(const CZMRResourceHandleScope&) = delete;

private:
    HINSTANCE m_hPrevious;
};
