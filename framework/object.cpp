#include "object.h"

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass)
            return true;
    return false;
}

void AfxAssertValidObject(const CObject* pObject, const char* file, int line)
{
    if (pObject == nullptr)
        AfxAssertFailed("object is not null", file, line);
    pObject->AssertValid();
}
