// Run-time class records: every registered class knows its name, its base and, for
// dynamic creation, how to make a new object of itself.
#pragma once

#include "diagnostics.h"
#include "platform/windows_types.h"

class CObject;
class CArchive;

class CDumpContext {};

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const { return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    virtual void Serialize(CArchive& ar) {}
    virtual void AssertValid() const {}
    virtual void Dump(CDumpContext& dc) const {}
    bool IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

void AfxAssertValidObject(const CObject* pObject, const char* file, int line);

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_name, create)                                            \
    const CRuntimeClass class_name::class##class_name = {#class_name, create, RUNTIME_CLASS(base_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                                    \
        return RUNTIME_CLASS(class_name);                                                                \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name) IMPLEMENT_RUNTIMECLASS(class_name, base_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name) \
    CObject* class_name::CreateObject()            \
    {                                              \
        return new class_name;                     \
    }                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_name, class_name::CreateObject)

// The checked down-cast: asserts in debug builds that the object is of the class.
template <class T>
T* AfxStaticDownCast(const CRuntimeClass* pClass, CObject* pObject)
{
    ASSERT(pObject == nullptr || pObject->IsKindOf(pClass));
    (void)pClass;
    return static_cast<T*>(pObject);
}
#define STATIC_DOWNCAST(class_name, object) AfxStaticDownCast<class_name>(RUNTIME_CLASS(class_name), object)
