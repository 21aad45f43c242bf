// CObject: the root of the framework's classes with run-time records:
// IsKindOf, Serialize and the run-time class of the object.
#pragma once

#include "core/CRuntimeClass.h"

class CObject
{
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    // Stores or loads the object's own data; the base class has none.
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass() { return &classCObject; }

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
