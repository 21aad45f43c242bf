// A grid of items on a bar or a popup, scrolled and picked from.
#pragma once
#include "CZMRControlPopup.h"

class CZMRControlGallery : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRControlGallery)
public:
    CZMRControlGallery();
};
