#include "engine/class_descs.h"

#include "engine/gutility.h"
#include "model/string_table.h"

namespace Talvo {

namespace {

constexpr int kVisualInterfaceNameString = 223;  // "Quillon Visual Interface"

EditorOpener editorOpener = nullptr;
ClassDesc2* installedVisualInterfaceDesc = nullptr;

// The utility-panel plug-in: opening it in the panel opens the editor window.
class TalvoUtility : public UtilityObj {
 public:
  void BeginEditParams(Interface* /*ip*/, IUtil* /*iu*/) override {
    if (editorOpener) editorOpener();
  }
  void EndEditParams(Interface* /*ip*/, IUtil* /*iu*/) override {}
  void DeleteThis() override {}  // one static instance
};

class TalvoUtilityDesc : public ClassDesc2 {
 public:
  int IsPublic() override { return TRUE; }
  void* Create(BOOL /*loading*/) override {
    static TalvoUtility utility;
    return static_cast<UtilityObj*>(&utility);
  }
  const MCHAR* ClassName() override { return _M("Quillon"); }
  SClass_ID SuperClassID() override { return UTILITY_CLASS_ID; }
  Class_ID ClassID() override { return kUtilityClassID; }
  const MCHAR* Category() override { return _M("Quillon"); }
  const MCHAR* InternalName() override { return _M("QuillonUtility"); }
};

class GUtilityDesc : public ClassDesc2 {
 public:
  int IsPublic() override { return FALSE; }
  void* Create(BOOL /*loading*/) override { return static_cast<GUP*>(new GUtility); }
  const MCHAR* ClassName() override { return _M("Quillon Global Utility"); }
  SClass_ID SuperClassID() override { return GUP_CLASS_ID; }
  Class_ID ClassID() override { return kGUtilityClassID; }
  const MCHAR* Category() override { return _M(""); }
  const MCHAR* InternalName() override { return _M("QuillonGUP"); }
};

// The helper object's identity without the object, for as long as the overlay has not installed the
// real descriptor: nothing can be created through it.
class MinimalVisualInterfaceDesc : public ClassDesc2 {
 public:
  int IsPublic() override { return FALSE; }
  void* Create(BOOL /*loading*/) override { return nullptr; }
  BOOL OkToCreate(Interface* /*ip*/) override { return FALSE; }
  const MCHAR* ClassName() override {
    const MCHAR* name = GetString(kVisualInterfaceNameString);
    return name ? name : _M("");
  }
  SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
  Class_ID ClassID() override { return kVisualInterfaceClassID; }
  const MCHAR* Category() override { return _M("Geometry"); }
  const MCHAR* InternalName() override { return _M("Talvo Icon"); }
};

}  // namespace

ClassDesc2* GetUtilityDesc() {
  static TalvoUtilityDesc desc;
  return &desc;
}

ClassDesc2* GetGUtilityDesc() {
  static GUtilityDesc desc;
  return &desc;
}

ClassDesc2* GetVisualInterfaceDesc() {
  static MinimalVisualInterfaceDesc minimal;
  return installedVisualInterfaceDesc ? installedVisualInterfaceDesc : &minimal;
}

void SetVisualInterfaceDesc(ClassDesc2* desc) { installedVisualInterfaceDesc = desc; }

void SetEditorOpener(EditorOpener opener) { editorOpener = opener; }

}  // namespace Talvo
