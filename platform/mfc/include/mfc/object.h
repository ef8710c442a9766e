// CObject and run-time class information: class names, base chains, dynamic creation and
// checked down-casts, as the class library provides them through its DECLARE_/IMPLEMENT_ macros.
#pragma once

#include <windows.h>

class CObject;

// Describes one class: its name, size, base class and, for dynamically creatable classes,
// a factory. One static instance per class, made by the IMPLEMENT_ macros.
struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                     // 0xFFFF: not serializable (always, here)
  CObject* (*m_pfnCreateObject)();    // null when the class is not dynamically creatable
  CRuntimeClass* m_pBaseClass;        // null only for CObject
  CRuntimeClass* m_pNextClass;        // the list of every class, for lookup by name

  // A new object of the class, or null when the class is not creatable.
  CObject* CreateObject();
  // Whether this class is pBaseClass or derives from it.
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // The class of that name (among the classes of the program), or null.
  static CRuntimeClass* FromName(LPCSTR lpszClassName);
  static CRuntimeClass* FromName(LPCWSTR lpszClassName);
  // A new object of the named class, or null when there is no such creatable class.
  static CObject* CreateObject(LPCSTR lpszClassName);
  static CObject* CreateObject(LPCWSTR lpszClassName);
};

// Adds a class to the list that FromName searches; one static instance per IMPLEMENT_ macro.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
 public:                                          \
  static CRuntimeClass class##class_name;         \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                         \
  CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), wSchema,           \
                                                 pfnNew, RUNTIME_CLASS(base_class_name), nullptr};    \
  static AFX_CLASSINIT afxClassInit_##class_name(RUNTIME_CLASS(class_name));                          \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                      \
  CObject* class_name::CreateObject() { return new class_name; }              \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// The root of the class hierarchy.
class CObject {
 public:
  static CRuntimeClass classCObject;
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = default;

  BOOL IsKindOf(const CRuntimeClass* pClass) const;

 protected:
  CObject() = default;

 public:
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// The object when it is of the class (or derived from it), else null.
CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))

// A down-cast the caller knows to be right; null stays null.
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define TRACE(...) ((void)0)
