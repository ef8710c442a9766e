// Turning a single-tap page into an "Unwrap UVW" page from the mode button's menu: the page is an Unwrap UVW
// page at once, so its level menu and level ring leave out the border and element levels.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/mode_context_menu.h"
#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "frame_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

using ModifierCasePageTest = FrameTest;

TEST_F(ModifierCasePageTest, AnUnwrapCaseMakesAnUnwrapPageAtOnce) {
  XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
  Frame& frame = OpenFrame();
  frame.GetTabs().SetActiveTab(1);
  FunctionEditorTabs& strip = DYNAMIC_DOWNCAST(FunctionsTab, frame.GetTabs().GetPageAt(1))->GetEditorTabs();
  strip.SetActiveTab(1);
  winsim::PumpMessages();
  FunctionEditorTab* page = strip.GetPage(0);
  ASSERT_NE(page, nullptr);
  ASSERT_FALSE(page->GetModeMenuRequest().withoutBorderAndElement);

  frame.SendMessage(WM_COMMAND, ID_ADD_UNWRAP_UVW, 0);
  winsim::PumpMessages();
  ASSERT_EQ(strip.GetPage(0), page);
  EXPECT_EQ(page->GetPageName(), kInputUnwrapUVW);
  EXPECT_TRUE(page->GetModeMenuRequest().withoutBorderAndElement);

  // Levels the document declares that an Unwrap UVW page has no place for stay out of its ring.
  for (const wchar_t* level : {L"edge", L"border", L"element"}) ASSERT_TRUE(function->AddMode(kInputUnwrapUVW, level));
  page->RebuildLevelList(function);
  const std::list<std::wstring>& ring = page->GetLevelRing();
  EXPECT_NE(std::find(ring.begin(), ring.end(), L"edge"), ring.end());
  EXPECT_EQ(std::find(ring.begin(), ring.end(), L"border"), ring.end());
  EXPECT_EQ(std::find(ring.begin(), ring.end(), L"element"), ring.end());
}

}  // namespace
}  // namespace Talvo::testing
