#include "CZMRControlGallery.h"

IMPLEMENT_SERIAL(CZMRControlGallery, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRControlGallery::CZMRControlGallery()
{
    m_controlType = zmrControlGallery;
}
