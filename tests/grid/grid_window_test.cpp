// The grid window: its window class, binding a page's custom control, the default look and destruction.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

using GridWindowTest = GridTest;

TEST_F(GridWindowTest, RegistersItsWindowClassOnceForDialogTemplates) {
  CGridCtrl first;
  CGridCtrl second;  // a second grid finds the class registered
  WNDCLASSW windowClass{};
  ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), kGridWindowClass, &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(windowClass.hCursor, ::LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1)));
  // The run-time class is creatable by name, as the pages' templates expect.
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

TEST_F(GridWindowTest, StartsEmptyWithTheDefaultLook) {
  CGridCtrl grid;
  EXPECT_EQ(grid.GetRowCount(), 0);
  EXPECT_EQ(grid.GetColumnCount(), 0);
  EXPECT_EQ(grid.GetFixedRowCount(), 0);
  EXPECT_EQ(grid.GetFixedColumnCount(), 0);
  EXPECT_EQ(grid.GetGridLineColor(), RGB(192, 192, 192));
  EXPECT_EQ(grid.GetGridLines(), GVL_BOTH);
  EXPECT_TRUE(grid.IsEditable());
  EXPECT_TRUE(grid.IsSelectable());
  EXPECT_TRUE(grid.GetHandleTabKey());
  EXPECT_TRUE(grid.GetDoubleBuffering());
  EXPECT_TRUE(grid.GetTitleTips());  // until a window is bound
  EXPECT_TRUE(grid.IsDrawingAllowed());
  EXPECT_EQ(grid.GetAutoSizeStyle(), GVS_BOTH);
  EXPECT_FALSE(grid.GetFocusCell().IsValid());
  EXPECT_EQ(grid.GetDefaultCellType(), RUNTIME_CLASS(CGridCell));

  // The fixed default cells are apart from the normal one, on the 3D face.
  CGridCellBase* normal = grid.GetDefaultCell(FALSE, FALSE);
  for (auto [fixedRow, fixedCol] : {std::pair{TRUE, FALSE}, {FALSE, TRUE}, {TRUE, TRUE}}) {
    CGridCellBase* fixed = grid.GetDefaultCell(fixedRow, fixedCol);
    EXPECT_NE(fixed, normal);
    EXPECT_EQ(fixed->GetBackClr(), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(fixed->GetGrid(), &grid);
  }
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
