#include <gtest/gtest.h>

// The umbrella header must sit with the Windows API stand-in without clashes.
#include "max.h"
#include "windows.h"

namespace {

class DemoDesc : public ClassDesc2 {
 public:
  int IsPublic() override { return 0; }
  void* Create(BOOL) override { return nullptr; }
  const MCHAR* ClassName() override { return L"Demo"; }
  SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
  Class_ID ClassID() override { return Class_ID(1, 2); }
  const MCHAR* Category() override { return L"Geometry"; }
};

TEST(PluginTest, StaticInterfacesArePublishedWhileTheyExist) {
  constexpr Interface_ID id(0x6a1c4f20, 0x2b7d51e9);
  DemoDesc desc;
  EXPECT_EQ(GetCOREInterface(id), nullptr);
  {
    FPStaticInterface published(id, L"Quillon", 0, &desc, FP_CORE);
    FPInterfaceDesc mixin(Interface_ID(7, 7), L"Mixin", 0, &desc, FP_MIXIN);
    FPInterface* found = GetCOREInterface(id);
    ASSERT_EQ(found, &published);
    EXPECT_EQ(found->GetDesc()->internal_name(), MSTR(L"Quillon"));
    EXPECT_EQ(PublishedInterfaces().size(), 1u);
    EXPECT_EQ(GetCOREInterface(Interface_ID(7, 7)), nullptr) << "mix-in interfaces are not published";
  }
  EXPECT_EQ(GetCOREInterface(id), nullptr);
}

}  // namespace
