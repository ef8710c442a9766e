#include "overlay/visual_interface_desc.h"

#include <afxwin.h>

#include "engine/class_descs.h"
#include "model/string_table.h"
#include "overlay/visual_interface.h"

namespace Talvo {

namespace {

constexpr int kClassNameString = 223;  // "Quillon Visual Interface"

}  // namespace

VisualInterfaceDesc& VisualInterfaceDesc::Instance() {
  static VisualInterfaceDesc desc;
  return desc;
}

void* VisualInterfaceDesc::Create(BOOL /*loading*/) { return static_cast<HelperObject*>(new VisualInterface); }

const MCHAR* VisualInterfaceDesc::ClassName() {
  const MCHAR* name = GetString(kClassNameString);
  return name ? name : _M("");
}

Class_ID VisualInterfaceDesc::ClassID() { return kVisualInterfaceClassID; }

HINSTANCE VisualInterfaceDesc::HInstance() { return AfxGetInstanceHandle(); }

}  // namespace Talvo
