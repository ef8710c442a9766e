#include "host/plugin.h"

#include <algorithm>

#include "host/core_interface.h"

namespace {
std::vector<FPInterfaceDesc*>& Published() {
  static std::vector<FPInterfaceDesc*> published;
  return published;
}
}  // namespace

FPInterfaceDesc::FPInterfaceDesc(Interface_ID id, const MCHAR* internalName, int descriptionResourceId, ClassDesc* cd,
                                 ULONG flags)
    : id_(id), internal_name_(internalName), description_(descriptionResourceId), cd_(cd), flags_(flags) {
  if (flags & (FP_STATIC | FP_CORE)) Published().push_back(this);
}

FPInterfaceDesc::~FPInterfaceDesc() { std::erase(Published(), this); }

std::vector<FPInterfaceDesc*> PublishedInterfaces() { return Published(); }

FPInterface* GetCOREInterface(Interface_ID id) {
  for (FPInterfaceDesc* desc : Published())
    if (desc->GetID() == id) return desc;
  return nullptr;
}

Interface* GUP::Max() { return GetCOREInterface(); }
