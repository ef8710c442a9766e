// IconButton: the image of each state and what a click does in each mode.
#include "controls/icon_button.h"

#include "controls/mode_context_menu.h"
#include "controls_fixture.h"
#include "model/editor_window.h"

namespace Talvo::testing {
namespace {

constexpr UINT kButtonId = 1029;
constexpr UINT kActiveImages = 0xF0;       // the "_a" image of every state
constexpr UINT kNoDisabledImage = 0x70;    // normal, hover and pushed only

class IconButtonTest : public ControlsTest {
 protected:
  // A 26 x 26 plus button at (20, 20) of a fresh parent.
  void CreateButton(IconButton& button, UINT images = kActiveImages) {
    ASSERT_TRUE(button.Create(L"+", WS_CHILD | WS_VISIBLE, CRect(20, 20, 46, 46), CreateParent(), kButtonId));
    ASSERT_TRUE(button.LoadImages(ThemedIconFolder(), L"TalvoPls-26x26", L"bmp", images));
  }
  static std::vector<unsigned char> Picture(const IconButton& button) {
    return winsim::CaptureWindow(button.m_hWnd).rgba;
  }
};

TEST_F(IconButtonTest, PaintsTheImageOfEachStateAsTheMouseComesAndGoes) {
  IconButton button;
  CreateButton(button);
  const auto normal = Picture(button);
  const POINT centre = CentreOf(button.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  const auto hover = Picture(button);
  winsim::MouseDown();
  const auto pushed = Picture(button);
  winsim::MouseUp();
  EXPECT_EQ(Picture(button), hover);
  // The mouse moves onto the parent: the hover ends at once, and comes back with the next visit.
  winsim::MouseMove(300, 300);
  EXPECT_EQ(Picture(button), normal);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_EQ(Picture(button), hover);
  winsim::MouseMove(300, 300);
  button.EnableWindow(FALSE);
  const auto disabled = Picture(button);
  EXPECT_NE(hover, normal);
  EXPECT_NE(pushed, hover);
  EXPECT_NE(disabled, normal);
}

TEST_F(IconButtonTest, AStateWithoutItsImageShowsTheStateBelow) {
  IconButton button;
  CreateButton(button, kNoDisabledImage);
  const auto normal = Picture(button);
  button.EnableWindow(FALSE);
  EXPECT_EQ(Picture(button), normal);
  IconButton missing;
  EXPECT_FALSE(missing.LoadImages(ThemedIconFolder(), L"NoSuchIcon", L"bmp", kActiveImages));
}

TEST_F(IconButtonTest, PlainModeClicksItsParentAndOtherModesDoNot) {
  IconButton button;
  CreateButton(button);
  const POINT centre = CentreOf(button.m_hWnd);
  winsim::Click(centre.x, centre.y);
  ASSERT_EQ(CountParentMessages(WM_COMMAND), 1);
  EXPECT_EQ(ParentMessages()[0].wParam, MAKEWPARAM(kButtonId, BN_CLICKED));

  ParentMessages().clear();
  button.mode = kIconButtonScriptCopy;
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(CountParentMessages(WM_COMMAND), 0);
  ASSERT_EQ(CountParentMessages(WM_CUSTOM_CODE_BUTTON), 1);  // without a grid the page is the parent
  EXPECT_EQ(ParentMessages()[0].lParam, reinterpret_cast<LPARAM>(&button));

  // A press that ends outside the button is no click.
  ParentMessages().clear();
  winsim::MouseMove(centre.x, centre.y);
  winsim::MouseDown();
  winsim::MouseMove(5, 5);
  winsim::MouseUp();
  EXPECT_TRUE(ParentMessages().empty());
}

// A page holding a grid window (class "MFCGridCtrl") that holds the custom-code buttons and a text
// editor with its own buttons.
TEST_F(IconButtonTest, CustomCodeButtonsReportToThePageThatHoldsTheGrid) {
  CWnd* page = CreateParent(500, 300);
  WNDCLASSW gridClass{};
  gridClass.lpfnWndProc = DefWindowProcW;
  gridClass.lpszClassName = L"MFCGridCtrl";
  RegisterClassW(&gridClass);
  HWND grid = CreateWindowExW(0, L"MFCGridCtrl", L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 200, page->m_hWnd, nullptr,
                              nullptr, nullptr);
  HWND editor = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, grid, nullptr, nullptr,
                                nullptr);
  CWnd dropDown;  // stands for the drop-down editor the button belongs to
  IconButton beside(CWnd::FromHandle(grid), 2, 10, &dropDown);
  beside.mode = kIconButtonScriptDelete;
  ASSERT_TRUE(beside.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(250, 10, 266, 26), CWnd::FromHandle(grid), 1));
  constexpr UINT kInsideId = 77;
  IconButton inside;
  inside.mode = kIconButtonScriptEdit;
  ASSERT_TRUE(inside.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(180, 5, 196, 21), CWnd::FromHandle(editor),
                            kInsideId));

  POINT point = CentreOf(beside.m_hWnd);
  winsim::Click(point.x, point.y);
  point = CentreOf(inside.m_hWnd);
  winsim::Click(point.x, point.y);
  ASSERT_EQ(ParentMessages().size(), 2u);
  EXPECT_EQ(ParentMessages()[0].message, WM_CUSTOM_CODE_BUTTON);
  EXPECT_EQ(ParentMessages()[0].lParam, reinterpret_cast<LPARAM>(&beside));
  EXPECT_EQ(ParentMessages()[1].message, WM_CELL_EDIT_BUTTON);
  EXPECT_EQ(ParentMessages()[1].wParam, kInsideId);
  EXPECT_EQ(ParentMessages()[1].lParam, reinterpret_cast<LPARAM>(&inside));
}

// A case page that tells its add-case button which menu to open.
class FakeCasePage : public CWnd, public iModeMenuPage {
 public:
  FakeCasePage() {
    CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr);
  }
  ModeMenuRequest GetModeMenuRequest() const override { return request; }
  ModeMenuRequest request;
};

TEST_F(IconButtonTest, AddCaseAndModeButtonsOpenTheirMenuForTheEditorWindow) {
  SetEditorWindow(CreateParent(300, 200, 600, 100)->m_hWnd);
  FakeCasePage page;
  IconButton addCase;
  addCase.mode = kIconButtonAddCase;
  ASSERT_TRUE(addCase.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 36, 36), &page, kButtonId));
  const POINT centre = CentreOf(addCase.m_hWnd);
  page.request = {ModeMenuItems::SubObjectCases, true};
  winsim::AnswerPopupMenu(ID_ADD_EDGE_MODE);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_ADD_VERTEX_MODE, ID_ADD_EDGE_MODE, ID_ADD_POLYGON_MODE}));

  // The tab strip's mode button always offers the modifier cases.
  IconButton modeButton;
  modeButton.mode = kIconButtonModeMenu;
  ASSERT_TRUE(modeButton.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(50, 10, 62, 22), &page, kButtonId + 1));
  const POINT modeCentre = CentreOf(modeButton.m_hWnd);
  winsim::AnswerPopupMenu(ID_ADD_OBJECT_MODE);
  winsim::Click(modeCentre.x, modeCentre.y);
  EXPECT_EQ(OfferedCommands().front(), static_cast<UINT>(ID_ADD_EDITABLE_POLY));
  ASSERT_EQ(CountParentMessages(WM_COMMAND), 2);
  EXPECT_EQ(LOWORD(ParentMessages()[0].wParam), ID_ADD_EDGE_MODE);
  EXPECT_EQ(LOWORD(ParentMessages()[1].wParam), ID_ADD_OBJECT_MODE);
  SetEditorWindow(nullptr);
}

}  // namespace
}  // namespace Talvo::testing
