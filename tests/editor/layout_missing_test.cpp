// The keyboard view of a profile whose layout is gone: blank keys, never the captions of the layout the
// main document names, whose key numbers mean other keys.
#include "editor/layout.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/controls_fixture.h"
#include "model/talvo.h"

namespace Talvo::testing {
namespace {

class LayoutMissingTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
  }
  void TearDown() override {
    view_.reset();
    GetTalvo().Clear();
    ControlsTest::TearDown();
  }
  std::unique_ptr<Layout> view_;
};

TEST_F(LayoutMissingTest, AProfileWhoseLayoutIsGoneGetsBlankKeys) {
  Talvo& root = GetTalvo();
  root.GetMainDocument()->SetSelectedLayout(L"US-ISO");
  root.GetCurrentProfile()->SetLayout(L"Gone");
  CWnd* parent = CreateParent(1340, 470, 40, 40);
  view_ = std::make_unique<Layout>();
  Layout* view = view_.get();
  ASSERT_TRUE(view->Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 1327, 461), parent, 1028));
  ASSERT_TRUE(view->BuildKeys());
  ASSERT_EQ(view->GetKeyButtonCount(), 104);  // no ISO layout's 105 keys
  for (int key = 0; key < view->GetKeyButtonCount(); ++key) {
    EXPECT_TRUE(view->GetKeyButton(key)->GetCaption().empty()) << key;
    EXPECT_TRUE(view->GetKeyButton(key)->secondText.empty()) << key;
  }
}

}  // namespace
}  // namespace Talvo::testing
