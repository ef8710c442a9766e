// Run-time class information and the list of every class for lookup by name.
#include <cstring>
#include <string>

#include "mfc/object.h"

namespace {

// Head of the list of classes; filled during static initialisation by AFX_CLASSINIT objects.
CRuntimeClass*& FirstClass() {
  static CRuntimeClass* first = nullptr;
  return first;
}

}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};
static AFX_CLASSINIT afxClassInit_CObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  pNewClass->m_pNextClass = FirstClass();
  FirstClass() = pNewClass;
}

CObject* CRuntimeClass::CreateObject() {
  return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
    if (cls == pBaseClass) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  for (CRuntimeClass* cls = FirstClass(); cls != nullptr; cls = cls->m_pNextClass) {
    if (std::strcmp(cls->m_lpszClassName, lpszClassName) == 0) return cls;
  }
  return nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCWSTR lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  // Class names are plain ASCII identifiers; anything wider cannot name a class.
  std::string narrow;
  for (const wchar_t* p = lpszClassName; *p != L'\0'; ++p) {
    if (*p > 0x7F) return nullptr;
    narrow += static_cast<char>(*p);
  }
  return FromName(narrow.c_str());
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  CRuntimeClass* cls = FromName(lpszClassName);
  return cls != nullptr ? cls->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR lpszClassName) {
  CRuntimeClass* cls = FromName(lpszClassName);
  return cls != nullptr ? cls->CreateObject() : nullptr;
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
  return pObject != nullptr && pObject->IsKindOf(pClass) ? pObject : nullptr;
}
