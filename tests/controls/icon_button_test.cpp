// IconButton: the image of each state and what a click does in each mode.
#include "controls/icon_button.h"

#include "controls/mode_context_menu.h"
#include "controls_fixture.h"
#include "model/editor_window.h"

namespace Talvo::testing {
namespace {

constexpr UINT kButtonId = 1029;

class IconButtonTest : public ControlsTest {
 protected:
  // A 26 x 26 button at (20, 20) of a fresh parent.
  void CreateButton(IconButton& button, UINT id = kButtonId) {
    parent_ = CreateParent();
    ASSERT_TRUE(button.Create(L"+", WS_CHILD | WS_VISIBLE, CRect(20, 20, 46, 46), parent_, id));
  }
  CWnd* parent_ = nullptr;
};

TEST_F(IconButtonTest, ChoosesTheImageOfEachState) {
  IconButton button;
  CreateButton(button);
  const std::wstring folder = ThemedIconFolder();
  EXPECT_TRUE(button.LoadImages(folder, L"TalvoPls-26x26", L"bmp", 16 | 32 | 64 | 128));
  EXPECT_EQ(button.ImagePath(4), folder + L"TalvoPls-26x26_n_a.bmp");
  EXPECT_TRUE(button.ImagePath(0).empty());  // not asked for

  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Normal);
  EXPECT_EQ(button.ImageSlotFor(IconButton::Look::Normal), 4);
  const POINT centre = CentreOf(button.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Hover);
  EXPECT_EQ(button.ImageSlotFor(button.CurrentLook()), 5);
  winsim::MouseDown();
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Pushed);
  EXPECT_EQ(button.ImageSlotFor(button.CurrentLook()), 6);
  winsim::MouseUp();
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Hover);
  // The mouse moves onto the parent: the hover ends at once, and comes back with the next visit.
  winsim::MouseMove(300, 300);
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Normal);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Hover);
  winsim::MouseMove(300, 300);
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Normal);
  button.EnableWindow(FALSE);
  EXPECT_EQ(button.CurrentLook(), IconButton::Look::Disabled);
  EXPECT_EQ(button.ImageSlotFor(button.CurrentLook()), 7);

  // The painted image is the state's image: the disabled plus differs from the normal one.
  const winsim::Image disabled = winsim::CaptureWindow(button.m_hWnd);
  button.EnableWindow(TRUE);
  const winsim::Image normal = winsim::CaptureWindow(button.m_hWnd);
  EXPECT_NE(disabled.rgba, normal.rgba);
}

TEST_F(IconButtonTest, MissingStatesFallBackToTheStateBelow) {
  IconButton button;
  CreateButton(button);
  // Only the normal picture, as the grid's case cells load it alone in some builds.
  EXPECT_TRUE(button.LoadImages(ThemedIconFolder(), L"TalvoPls-20x20", L"bmp", 1));
  for (auto state : {IconButton::Look::Normal, IconButton::Look::Hover, IconButton::Look::Pushed,
                     IconButton::Look::Disabled}) {
    EXPECT_EQ(button.ImageSlotFor(state), 0);
  }
  // The back and forward buttons' flags 112: no disabled image, so disabled shows the normal one.
  EXPECT_TRUE(button.LoadImages(ThemedIconFolder(), L"TalvoBck-26x26", L"bmp", 112));
  EXPECT_EQ(button.ImageSlotFor(IconButton::Look::Disabled), 4);
  EXPECT_EQ(button.ImageSlotFor(IconButton::Look::Pushed), 6);
  // A name that has no files loads nothing and says so.
  IconButton empty;
  EXPECT_FALSE(empty.LoadImages(ThemedIconFolder(), L"NoSuchIcon", L"bmp", 0xFF));
  EXPECT_EQ(empty.ImageSlotFor(IconButton::Look::Normal), -1);
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
  // Without a grid the page is the parent.
  ASSERT_EQ(CountParentMessages(WM_CUSTOM_CODE_BUTTON), 1);
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
  HWND editor = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, grid,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(MAKELONG(2, 10))), nullptr, nullptr);
  CWnd dropDown;  // stands for the drop-down editor the button belongs to
  IconButton beside(CWnd::FromHandle(grid), 2, 10, &dropDown);
  beside.mode = kIconButtonScriptDelete;
  ASSERT_TRUE(beside.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(250, 10, 266, 26), CWnd::FromHandle(grid),
                            MAKELONG(2, 114)));
  IconButton inside;
  inside.mode = kIconButtonScriptEdit;
  ASSERT_TRUE(inside.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(180, 5, 196, 21), CWnd::FromHandle(editor), 77));

  POINT point = CentreOf(beside.m_hWnd);
  winsim::Click(point.x, point.y);
  point = CentreOf(inside.m_hWnd);
  winsim::Click(point.x, point.y);
  ASSERT_EQ(ParentMessages().size(), 2u);
  EXPECT_EQ(ParentMessages()[0].message, WM_CUSTOM_CODE_BUTTON);
  EXPECT_EQ(ParentMessages()[0].lParam, reinterpret_cast<LPARAM>(&beside));
  EXPECT_EQ(beside.value, &dropDown);
  EXPECT_EQ(ParentMessages()[1].message, WM_CELL_EDIT_BUTTON);
  EXPECT_EQ(ParentMessages()[1].wParam, 77u);
  EXPECT_EQ(ParentMessages()[1].lParam, reinterpret_cast<LPARAM>(&inside));
}

// The editor window stand-in: records the commands its menus send.
class FakeEditorWindow : public CWnd {
 public:
  FakeEditorWindow() {
    CreateEx(0, AfxRegisterWndClass(0), L"Editor", WS_POPUP | WS_VISIBLE, 600, 100, 300, 200, nullptr, nullptr);
    SetEditorWindow(m_hWnd);
  }
  ~FakeEditorWindow() override { SetEditorWindow(nullptr); }
  std::vector<UINT> commands;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    commands.push_back(LOWORD(wParam));
    return TRUE;
  }
};

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
  FakeEditorWindow editor;
  FakeCasePage page;
  IconButton addCase;
  addCase.mode = kIconButtonAddCase;
  ASSERT_TRUE(addCase.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 36, 36), &page, kButtonId));
  const POINT centre = CentreOf(addCase.m_hWnd);

  page.request = {ModeMenuItems::Levels, false};
  winsim::AnswerPopupMenu(ID_MODE_POLYGON);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_MODE_VERTEX, ID_MODE_EDGE, ID_MODE_POLYGON, ID_MODE_BORDER, ID_MODE_ELEMENT}));
  EXPECT_EQ(winsim::ModalLog().back().items[2].text, L"Polygon Mode");
  EXPECT_EQ(editor.commands, std::vector<UINT>{ID_MODE_POLYGON});

  page.request = {ModeMenuItems::Levels, true};  // an "Unwrap UVW" page
  winsim::AnswerPopupMenu(0);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_MODE_VERTEX, ID_MODE_EDGE, ID_MODE_POLYGON}));

  page.request = {ModeMenuItems::SubObjectCases, false};
  winsim::AnswerPopupMenu(ID_ADD_BORDER_MODE);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_ADD_VERTEX_MODE, ID_ADD_EDGE_MODE, ID_ADD_POLYGON_MODE,
                                                 ID_ADD_BORDER_MODE, ID_ADD_ELEMENT_MODE}));
  EXPECT_EQ(winsim::ModalLog().back().items[3].text, L"Add Border Mode");

  // The tab strip's mode button always offers the modifier cases.
  IconButton modeButton;
  modeButton.mode = kIconButtonModeMenu;
  ASSERT_TRUE(modeButton.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(50, 10, 62, 22), &page, 3200));
  const POINT modeCentre = CentreOf(modeButton.m_hWnd);
  winsim::AnswerPopupMenu(ID_ADD_OBJECT_MODE);
  winsim::Click(modeCentre.x, modeCentre.y);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_ADD_EDITABLE_POLY, ID_ADD_EDIT_POLY, ID_ADD_UNWRAP_UVW, ID_ADD_OBJECT_MODE}));
  EXPECT_EQ(editor.commands, (std::vector<UINT>{ID_MODE_POLYGON, ID_ADD_BORDER_MODE, ID_ADD_OBJECT_MODE}));
}

}  // namespace
}  // namespace Talvo::testing
