// Shared set-up of the keyboard view and switch-layout dialog tests: the control toolkit's fixture (window
// system, class library, host with the project's icons, program visual manager) with the documents loaded
// from a fresh data folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "controls/controls_fixture.h"
#include "editor/layout.h"
#include "model/talvo.h"

// Readable rectangles in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

namespace Talvo::testing {

class LayoutViewTest : public ControlsTest {
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

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }

  // Makes the current profile use the layout of that name.
  void UseLayout(const std::wstring& name) { Profile().SetLayout(name); }

  // A keyboard view of the given client size in a test parent, as the profiles page holds it.
  Layout& MakeView(int width = 1317, int height = 451) {
    CWnd* parent = CreateParent(width + 20, height + 20, 40, 40);
    view_ = std::make_unique<Layout>();
    EXPECT_TRUE(view_->Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + width, 10 + height), parent, 1028));
    return *view_;
  }

  // A button's window rectangle in the view's client coordinates.
  CRect PlacementOf(const KeyButton& button) const {
    CRect rect;
    button.GetWindowRect(&rect);
    view_->ScreenToClient(&rect);
    return rect;
  }

  std::unique_ptr<Layout> view_;
};

}  // namespace Talvo::testing
