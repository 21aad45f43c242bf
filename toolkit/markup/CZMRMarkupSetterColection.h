// The setters of a style or of a trigger, in the order written.
#pragma once
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupSetter.h"

class CZMRMarkupSetterColection : public CZMRMarkupCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupSetterColection)
public:
    CZMRMarkupSetterColection() : CZMRMarkupCollection(CZMRMarkupSetter::GetMarkupType()) {}
};
