// The class descriptor of the helper object. The class is not public: the host lists it in no creation
// panel, and it is made only when the host loads or asks for one. InstallVisualInterface() hands it to
// the module's class-descriptor entry (LibClassDesc(2)).
#pragma once

#include <max.h>

namespace Talvo {

class VisualInterfaceDesc : public ClassDesc2 {
 public:
  // The one descriptor, made on first use.
  static VisualInterfaceDesc& Instance();

  int IsPublic() override { return FALSE; }
  // A new VisualInterface, as the host's helper object (HelperObject*).
  void* Create(BOOL loading = FALSE) override;
  int BeginCreate(Interface* /*ip*/) override { return 0; }
  int EndCreate(Interface* /*ip*/) override { return 0; }
  BOOL OkToCreate(Interface* /*ip*/) override { return TRUE; }
  const MCHAR* ClassName() override;
  SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
  Class_ID ClassID() override;
  const MCHAR* Category() override { return _M("Geometry"); }
  const MCHAR* InternalName() override { return _M("Talvo Icon"); }
  HINSTANCE HInstance() override;

 private:
  VisualInterfaceDesc() = default;
};

}  // namespace Talvo
