// The grid window: creation by class name for dialog templates, and destruction with its window.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

using GridWindowTest = GridTest;

TEST_F(GridWindowTest, IsCreatableByNameAndBindsACustomControlWithAClientEdge) {
  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CGridCtrl"));
  EXPECT_NE(dynamic_cast<CGridCtrl*>(byName.get()), nullptr);
  CGridCtrl* grid = MakeGrid();
  EXPECT_NE(grid->GetExStyle() & WS_EX_CLIENTEDGE, 0U);
  const HWND window = grid->m_hWnd;
  grids_.clear();
  EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace Talvo::testing
