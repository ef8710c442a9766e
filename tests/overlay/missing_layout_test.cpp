// A profile whose layout is gone has no key numbers to read: a held key shows no overlay, even while the
// main document names a layout that exists.
#include "form_fixture.h"
#include "overlay/overlay_preference.h"

namespace Talvo::testing {
namespace {

TEST_F(FormTest, AProfileWhoseLayoutIsGoneShowsNoOverlay) {
  const std::wstring layout = Layout().GetName();
  GetTalvo().GetMainDocument()->SetSelectedLayout(layout);
  Profile().SetLayout(L"Gone");
  Press('Q');
  EXPECT_EQ(Form(), nullptr);
  OverlayPreference preference;
  EXPECT_FALSE(ResolvePreference('Q', 3, L"Q", preference));
  EXPECT_TRUE(preference.rowA.names.empty());

  // With its layout back, the same key shows it.
  Profile().SetLayout(layout);
  Press('Q');
  EXPECT_NE(Form(), nullptr);
}

}  // namespace
}  // namespace Talvo::testing
