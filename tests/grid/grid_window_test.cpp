// The grid window: creation by class name, binding a page's custom control, and destruction.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

using GridWindowTest = GridTest;

// The run-time class is creatable by name, as the pages' templates expect.
TEST_F(GridWindowTest, IsCreatableByNameForDialogTemplates) {
  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CGridCtrl"));
  EXPECT_NE(dynamic_cast<CGridCtrl*>(byName.get()), nullptr);
}

TEST_F(GridWindowTest, BindingACustomControlAddsTheClientEdgeAndKeepsItsPlace) {
  CGridCtrl* grid = MakeGrid(CRect(20, 30, 320, 230));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(grid->m_hWnd), grid);
  EXPECT_FALSE(grid->GetTitleTips());
  EXPECT_NE(grid->GetExStyle() & WS_EX_CLIENTEDGE, 0U);
  CRect rect;
  grid->GetWindowRect(&rect);
  parent_->ScreenToClient(&rect);
  EXPECT_EQ(rect, CRect(20, 30, 320, 230));
  EXPECT_EQ(grid->GetDlgCtrlID(), static_cast<int>(kGridId));
}

TEST_F(GridWindowTest, DestroyingTheGridDestroysItsWindowAndCells) {
  auto grid = std::make_unique<CGridCtrl>();
  HWND control = ::CreateWindowExW(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent_->m_hWnd,
                                   nullptr, nullptr, nullptr);
  ASSERT_TRUE(grid->SubclassWindow(control));
  Fill(*grid, 3, 3);
  grid.reset();
  EXPECT_FALSE(::IsWindow(control));
}

}  // namespace
}  // namespace Talvo::testing
