// CObject and run-time class records: class name, schema, dynamic creation by
// name (used by the archive to rebuild objects) and the kind-of test.
#pragma once

#include "framework/core/WinTypes.h"

class CObject;
class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF for classes that cannot be archived
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBase) const;
    bool IsSerializable() const { return m_wSchema != 0xFFFF && m_pfnCreateObject != nullptr; }

    // The archivable class registered under this exact name, or null.
    static const CRuntimeClass* FromName(const char* pszClassName);
    static void Register(const CRuntimeClass* pClass);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* pClass) const;
    bool IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define CORV_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, pfn)                                     \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), \
                                                         schema, pfn, RUNTIME_CLASS(base_name)};            \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_name) \
    CORV_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                 \
    CObject* class_name::CreateObject() { return new class_name; } \
    CORV_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, class_name::CreateObject)

// Archivable classes register themselves by name so that an archive can
// create them from the class name it reads.
#define IMPLEMENT_SERIAL(class_name, base_name, schema)                                  \
    CObject* class_name::CreateObject() { return new class_name; }                       \
    CORV_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, class_name::CreateObject) \
    static const struct class_name##Registrar {                                          \
        class_name##Registrar() { CRuntimeClass::Register(RUNTIME_CLASS(class_name)); }  \
    } s_register##class_name;
