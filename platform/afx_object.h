// CObject and CRuntimeClass: the root class with run-time class names.
// DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC give a class its name and base; the
// framework cannot create such a class by name.
#pragma once

#include <windows.h>

// Construction order of static objects: the framework's own first, then the
// program's globals in the order they are defined, and everything without a
// priority (the component's back buffer) last.
#define AFX_STATIC_FRAMEWORK __attribute__((init_priority(20000)))
#define AFX_STATIC_PROGRAM __attribute__((init_priority(30000)))

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  const CRuntimeClass* m_pBaseClass;

  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
 public:
  static const CRuntimeClass classCObject;

  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();

  BOOL IsKindOf(const CRuntimeClass* pClass) const;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                  \
 public:                                             \
  static const CRuntimeClass class##class_name;      \
  const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                  \
  const CRuntimeClass class_name::class##class_name = {                                 \
      #class_name, static_cast<int>(sizeof(class class_name)),                          \
      RUNTIME_CLASS(base_class_name)};                                                  \
  const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
