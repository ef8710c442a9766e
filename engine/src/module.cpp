#include "engine/module.h"

#include "engine/class_descs.h"

const MCHAR* LibDescription() { return _M("Quillon keyboard productivity plug-in"); }

int LibNumberClasses() { return 3; }

ClassDesc* LibClassDesc(int index) {
  switch (index) {
    case 0:
      return Talvo::GetUtilityDesc();
    case 1:
      return Talvo::GetGUtilityDesc();
    case 2:
      return Talvo::GetVisualInterfaceDesc();
    default:
      return nullptr;
  }
}

ULONG LibVersion() { return kTalvoLibVersion; }
