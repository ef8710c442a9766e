// The program's visual manager: installed as the class library's painter, host colours on buttons and
// tabs in both themes, repainting on the host's colour change; and the screenshot sheet of every
// control of the toolkit's first half in both themes.
#include "controls/visual_manager.h"

#include <cairo.h>
#include <max.h>

#include "controls/cell_icon_button.h"
#include "controls/context_menu.h"
#include "controls/edit.h"
#include "controls/icon_button.h"
#include "controls/label.h"
#include "controls/menu_button.h"
#include "controls/picture.h"
#include "controls/picture_multi.h"
#include "controls/tab_content.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using VisualManagerTest = ControlsTest;

TEST_F(VisualManagerTest, PaintsButtonsInHostColoursAndRepaintsOnColourChange) {
  EXPECT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(TalvoVisualManager)));
  CWnd* page = CreateParent();
  CMFCButton button;
  ASSERT_TRUE(button.Create(L"OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), page, 1));
  const COLORREF lightFace = winsim::CaptureWindow(button.m_hWnd).Pixel(5, 5);
  EXPECT_EQ(winsim::CaptureWindow(button.m_hWnd).Pixel(0, 0), HostColor(kAppWorkspace));

  // The host's colour-change notification alone repaints the button in the dark palette.
  hostsim::SetTheme(kDarkTheme);
  const COLORREF darkFace = winsim::CaptureWindow(button.m_hWnd).Pixel(5, 5);
  EXPECT_NE(darkFace, lightFace);
  EXPECT_EQ(darkFace, BlendColors(HostColor(kWindow), HostColor(kBackground), 110));
  EXPECT_EQ(CMFCVisualManager::GetInstance()->GetButtonTextColor(&button, 0), HostColor(kControlText));
  EXPECT_EQ(CMFCVisualManager::GetInstance()->GetButtonTextColor(&button, ODS_DISABLED), HostDisabledTextColor());
}

TEST_F(VisualManagerTest, ActiveTabOpensInTheWindowColourUnderAnAccentLine) {
  CWnd* page = CreateParent(400, 200);
  CMFCTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(CMFCTabCtrl::STYLE_FLAT, CRect(0, 0, 400, 200), page, 1, CMFCTabCtrl::LOCATION_TOP));
  CStatic first, second;
  first.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 2);
  second.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 3);
  tabs.AddTab(&first, L"Profiles");
  tabs.AddTab(&second, L"Functions");
  tabs.SetActiveTab(0);
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  EXPECT_EQ(manager->GetTabBackColor(&tabs, TRUE), HostColor(kWindow));
  EXPECT_EQ(manager->GetTabBackColor(&tabs, FALSE), HostColor(kBackground));
  EXPECT_NE(manager->GetTabTextColor(&tabs, 1, FALSE), manager->GetTabTextColor(&tabs, 0, TRUE));
  LOGFONTW logFont{};
  manager->GetMenuFont()->GetLogFont(&logFont);
  EXPECT_EQ(std::wstring(logFont.lfFaceName), std::wstring(GetCOREInterface()->GetAppLogFont().lfFaceName));
}

// ---- The screenshot sheet ----

struct Tile {
  std::string caption;
  winsim::Image image;
};

constexpr int kCaptionHeight = 16;
constexpr int kGap = 10;

// Lays tiles out in rows, each under its caption, and saves the sheet as a PNG.
void SaveSheet(const std::vector<std::pair<std::string, std::vector<Tile>>>& rows, const std::string& path) {
  int width = 0, height = kGap;
  for (const auto& [title, tiles] : rows) {
    int rowWidth = kGap, rowHeight = 0;
    for (const Tile& tile : tiles) {
      rowWidth += std::max(tile.image.width, 8 * static_cast<int>(tile.caption.size())) + kGap;
      rowHeight = std::max(rowHeight, tile.image.height);
    }
    width = std::max(width, rowWidth);
    height += kCaptionHeight * 2 + rowHeight + kGap;
  }
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  int y = kGap;
  for (const auto& [title, tiles] : rows) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, kGap, y + 12);
    cairo_show_text(cr, title.c_str());
    y += kCaptionHeight;
    int x = kGap, rowHeight = 0;
    for (const Tile& tile : tiles) {
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_move_to(cr, x, y + 12);
      cairo_show_text(cr, tile.caption.c_str());
      std::vector<unsigned char> bgra(static_cast<size_t>(tile.image.width) * tile.image.height * 4);
      for (size_t i = 0; i + 3 < tile.image.rgba.size(); i += 4) {
        bgra[i] = tile.image.rgba[i + 2];
        bgra[i + 1] = tile.image.rgba[i + 1];
        bgra[i + 2] = tile.image.rgba[i];
        bgra[i + 3] = 255;
      }
      cairo_surface_t* picture = cairo_image_surface_create_for_data(
          bgra.data(), CAIRO_FORMAT_RGB24, tile.image.width, tile.image.height, tile.image.width * 4);
      cairo_set_source_surface(cr, picture, x, y + kCaptionHeight);
      cairo_paint(cr);
      cairo_surface_destroy(picture);
      x += std::max(tile.image.width, 8 * static_cast<int>(tile.caption.size())) + kGap;
      rowHeight = std::max(rowHeight, tile.image.height);
    }
    y += kCaptionHeight + rowHeight + kGap;
  }
  cairo_destroy(cr);
  cairo_surface_write_to_png(sheet, path.c_str());
  cairo_surface_destroy(sheet);
}

// Paints a button's owner-drawn face in a state, for states a test can't hold (pushed while a menu
// is open): the drawing goes straight into the window, which is then captured.
winsim::Image CaptureDrawnState(CButton& button, UINT state) {
  button.UpdateWindow();
  CClientDC dc(&button);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
  item.hwndItem = button.m_hWnd;
  item.hDC = dc.m_hDC;
  item.itemState = state;
  button.GetClientRect(&item.rcItem);
  button.DrawItem(&item);
  return winsim::CaptureWindow(button.m_hWnd);
}

// Normal, hover, pushed and disabled captures of a button driven by the mouse.
std::vector<Tile> MouseStates(const std::string& name, CButton& button) {
  std::vector<Tile> tiles;
  winsim::MouseMove(1, 1);
  tiles.push_back({name, winsim::CaptureWindow(button.m_hWnd)});
  const POINT centre = CentreOf(button.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  tiles.push_back({"hover", winsim::CaptureWindow(button.m_hWnd)});
  winsim::MouseDown();
  tiles.push_back({"pushed", winsim::CaptureWindow(button.m_hWnd)});
  winsim::MouseMove(1, 1);
  winsim::MouseUp();
  button.EnableWindow(FALSE);
  tiles.push_back({"disabled", winsim::CaptureWindow(button.m_hWnd)});
  button.EnableWindow(TRUE);
  return tiles;
}

// A menu for the sheet: an ordinary, a selected and a greyed item drawn into a static.
class SheetMenu : public ContextMenu {
 public:
  BOOL Build() override {
    if (!CreatePopupMenu()) return FALSE;
    AppendStringItem(3012, 224);
    AppendStringItem(3030, 268);
    AppendStringItem(3013, 225, MF_GRAYED);
    return TRUE;
  }
};

winsim::Image CaptureMenu(CWnd* parent) {
  SheetMenu menu;
  menu.Build();
  menu.MakeOwnerDrawn();
  CStatic canvas;
  canvas.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 160, 3 * ContextMenu::kItemHeight), parent, 99);
  canvas.UpdateWindow();
  CClientDC dc(&canvas);
  const UINT ids[] = {3012, 3030, 3013};
  const UINT states[] = {0, ODS_SELECTED, ODS_GRAYED};
  for (int i = 0; i < 3; ++i) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = ids[i];
    item.itemState = states[i];
    item.hDC = dc.m_hDC;
    item.rcItem = {0, i * ContextMenu::kItemHeight, 160, (i + 1) * ContextMenu::kItemHeight};
    menu.DrawItem(&item);
  }
  winsim::Image image = winsim::CaptureWindow(canvas.m_hWnd);
  canvas.DestroyWindow();
  return image;
}

std::vector<std::pair<std::string, std::vector<Tile>>> ThemeRows(CWnd* page, const std::string& theme) {
  std::vector<std::pair<std::string, std::vector<Tile>>> rows;
  const std::wstring icons = ThemedIconFolder();
  const std::wstring darkIcons = std::wstring(GetCOREInterface()->GetDir(APP_ICONS_DIR)) + L"IconsDark/";

  IconButton add;
  add.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 40, 40), page, 1029);
  add.LoadImages(icons, L"TalvoPls-26x26", L"bmp", 0xFF);
  IconButton back;
  back.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(50, 10, 80, 40), page, 1027);
  back.LoadImages(icons, L"TalvoBck-26x26", L"bmp", 112);
  IconButton script;
  script.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(90, 10, 108, 28), page, 1030);
  script.LoadImages(darkIcons, L"Talvo_ScriptSave_h16", L"bmp", 0xFF);
  IconButton plain;
  plain.Create(L"Apply", WS_CHILD | WS_VISIBLE, CRect(120, 10, 190, 34), page, 1031);
  std::vector<Tile> buttons = MouseStates("IconButton +", add);
  for (Tile& tile : MouseStates("IconButton <", back)) buttons.push_back(std::move(tile));
  rows.push_back({theme + ": IconButton (add-case and back images)", std::move(buttons)});
  std::vector<Tile> more = MouseStates("script button", script);
  for (Tile& tile : MouseStates("no images", plain)) more.push_back(std::move(tile));
  CellIconButton cellPlus(page, CRect(200, 10, 220, 30), 0, 7, 1, 2, L"");
  cellPlus.LoadImages(icons, L"TalvoPls-20x20", L"bmp", 0xF1);
  CellIconButton cellDot(page, CRect(230, 10, 250, 30), 0, 8, 1, 2, L"");
  cellDot.LoadImages(icons, L"TalvoDot-20x20", L"bmp", 0xF1);
  more.push_back({"cell +", winsim::CaptureWindow(cellPlus.m_hWnd)});
  more.push_back({"cell dot", winsim::CaptureWindow(cellDot.m_hWnd)});
  rows.push_back({theme + ": script IconButton, IconButton without images, CellIconButton", std::move(more)});

  MenuButton menu;
  menu.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(10, 50, 130, 74), page, 4000);
  menu.AddItem(L"US");
  std::vector<Tile> menus;
  winsim::MouseMove(1, 1);
  menus.push_back({"MenuButton", winsim::CaptureWindow(menu.m_hWnd)});
  const POINT centre = CentreOf(menu.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  menus.push_back({"hover", winsim::CaptureWindow(menu.m_hWnd)});
  menus.push_back({"pushed", CaptureDrawnState(menu, ODS_SELECTED)});
  winsim::MouseMove(1, 1);
  menu.EnableWindow(FALSE);
  menus.push_back({"disabled", winsim::CaptureWindow(menu.m_hWnd)});
  CMFCButton push;
  push.Create(L"OK", WS_CHILD | WS_VISIBLE, CRect(140, 50, 220, 74), page, 1);
  menus.push_back({"push button", winsim::CaptureWindow(push.m_hWnd)});
  menus.push_back({"hover", CaptureDrawnState(push, ODS_HOTLIGHT)});
  menus.push_back({"pushed", CaptureDrawnState(push, ODS_SELECTED)});
  push.EnableWindow(FALSE);
  menus.push_back({"disabled", winsim::CaptureWindow(push.m_hWnd)});
  menus.push_back({"ContextMenu", CaptureMenu(page)});
  rows.push_back({theme + ": MenuButton, push button (visual manager), ContextMenu", std::move(menus)});

  Label label, header, faint;
  label.Create(L"Keyboard Layout:", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(10, 90, 150, 110), page, 4011);
  header.height = 28;
  header.Create(L"Vertex Mode", WS_CHILD | WS_VISIBLE, CRect(10, 120, 230, 160), page, 1055);
  faint.Create(L"Add element type case", WS_CHILD | WS_VISIBLE, CRect(10, 170, 200, 190), page, 1056);
  faint.EnableWindow(FALSE);
  Edit edit, disabledEdit;
  edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(240, 90, 400, 112), page, 1014);
  edit.SetWindowText(L"Default Profile");
  disabledEdit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(240, 120, 400, 142), page, 1015);
  disabledEdit.SetWindowText(L"Disabled");
  disabledEdit.EnableWindow(FALSE);
  rows.push_back({theme + ": Label (right, header 28, disabled), Edit (normal, disabled)",
                  {{"Label", winsim::CaptureWindow(label.m_hWnd)},
                   {"header", winsim::CaptureWindow(header.m_hWnd)},
                   {"disabled", winsim::CaptureWindow(faint.m_hWnd)},
                   {"Edit", winsim::CaptureWindow(edit.m_hWnd)},
                   {"disabled", winsim::CaptureWindow(disabledEdit.m_hWnd)}}});

  Picture logo, marker, markerActive;
  logo.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 200, 110, 250), page, 1072);
  logo.LoadImages(icons, L"TalvoLogo", L"bmp", 10);
  logo.active = true;
  logo.Invalidate();
  marker.Create(L"", WS_CHILD | WS_VISIBLE, CRect(120, 200, 150, 230), page, 1037);
  marker.LoadImages(icons, L"Talvo_1", L"bmp", 15);
  marker.shown = true;
  marker.Invalidate();
  markerActive.Create(L"", WS_CHILD | WS_VISIBLE, CRect(160, 200, 190, 230), page, 1038);
  markerActive.LoadImages(icons, L"Talvo_2", L"bmp", 15);
  markerActive.active = true;
  markerActive.Invalidate();
  PictureMulti level;
  level.Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 200, 232, 232), page, 1056);
  level.LoadImages(icons, {L"TalvoTap1-24x24", L"TalvoTap2-24x24", L"TalvoTap3-24x24"}, L"bmp");
  level.SetImage(1);
  TabContent view;
  view.Create(L"", WS_CHILD | WS_VISIBLE, CRect(240, 200, 400, 260), page, 1028);
  CMFCTabCtrl tabs;
  tabs.Create(CMFCTabCtrl::STYLE_FLAT, CRect(410, 200, 700, 300), page, 1, CMFCTabCtrl::LOCATION_TOP);
  Label first, second, third;  // pages in the host's panel colour
  first.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 2);
  second.Create(L" Functions page", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 3);
  third.Create(L"", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 4);
  tabs.AddTab(&first, L"Profiles");
  tabs.AddTab(&second, L"Functions");
  tabs.AddTab(&third, L"Wheel Events");
  tabs.SetActiveTab(1);
  rows.push_back({theme + ": Picture (logo active, marker shown, marker active), PictureMulti, TabContent, tabs",
                  {{"logo", winsim::CaptureWindow(logo.m_hWnd)},
                   {"marker", winsim::CaptureWindow(marker.m_hWnd)},
                   {"active", winsim::CaptureWindow(markerActive.m_hWnd)},
                   {"PictureMulti", winsim::CaptureWindow(level.m_hWnd)},
                   {"TabContent", winsim::CaptureWindow(view.m_hWnd)},
                   {"tabs", winsim::CaptureWindow(tabs.m_hWnd)}}});
  return rows;
}

TEST_F(VisualManagerTest, ScreenshotSheetOfEveryControlInBothThemes) {
  CWnd* page = CreateParent(720, 320, 0, 0);
  auto rows = ThemeRows(page, "light");
  SetTheme(kDarkTheme);
  for (auto& row : ThemeRows(page, "dark")) rows.push_back(std::move(row));
  const std::filesystem::path path = ControlsTestOutput() / "controls_sheet_1.png";
  SaveSheet(rows, path.string());
  EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace Talvo::testing
