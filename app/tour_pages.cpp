// Pages in states the plain page tour does not reach: the keyboard view with a learning-interface key, an
// undefined key and active quick slots, then on the ISO layout (chosen through the switch-layout dialog);
// the function editor on an Unwrap UVW page and on a classic function; a key page's viewer at "more than
// 2" selected; the wheel-events page with a set's attribute rows open and a spin editor's slider.
#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>

#include "editing/function_viewer_tab.h"
#include "editing/function_viewer_tabs.h"
#include "editing/wheel_events_editor_tab.h"
#include "editing/wheel_events_editor_tabs.h"
#include "editing/wheel_events_tab.h"
#include "editor/assignment_tab.h"
#include "frame/frame.h"
#include "grid/tree_grid_cell.h"
#include "grid/tree_grid_ctrl.h"
#include "model/vocabulary.h"
#include "resources/dialogs/function_viewer_tab.h"
#include "resources/dialogs/layout_switch_dlg.h"
#include "tour_windows.h"
#include "user_story_gestures.h"

namespace tour {

namespace {

constexpr int kMoreThanTwo = 3;
constexpr int kTreeColumn = 1;
constexpr int kAttributeDepth = 2;  // object class, category

bool SaveEditor(const TourData& data, const Shots& shots, const std::string& name) {
  return SaveWindow(data.frame->m_hWnd, shots.File("page", name));
}

// Chooses a layout in the "Layouts" menu and keeps the assignments in the dialog that asks; with `name`,
// the dialog is saved as "dialog-<name>" first.
bool SwitchLayout(const TourData& data, const Shots& shots, const wchar_t* layout, const char* name) {
  bool asked = false;
  bool saved = true;
  winsim::AnswerPopupMenuItem(layout);
  winsim::AnswerModalDialog(Talvo::IDD_LAYOUT_SWITCH, [&](HWND dialog) {
    asked = true;
    if (name != nullptr) saved = SaveWindow(dialog, shots.File("dialog", name));
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(Talvo::IDC_LAYOUT_SWITCH_MOVE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, Talvo::IDC_LAYOUT_SWITCH_MOVE)));
  });
  Talvo::ClickWindow(data.frame->GetLayoutsButton().m_hWnd);
  MouseAway();
  if (!asked) {
    winsim::ResetModalResponder();
    std::fprintf(stderr, "quillon-host: choosing a layout did not ask how the profile follows\n");
  }
  return asked && saved;
}

bool ShootKeyboards(const TourData& data, const Shots& shots) {
  data.frame->GetTabs().ActivatePage(0);
  winsim::PumpMessages();
  return SaveEditor(data, shots, "keyboard") && SwitchLayout(data, shots, L"US-ISO", "layout-switch") &&
         SaveEditor(data, shots, "keyboard-iso") && SwitchLayout(data, shots, L"US-ANSI", nullptr);
}

bool ShootFunctionPages(const TourData& data, const Shots& shots) {
  if (ShowFunctionPage(*data.frame, data.functionId, Talvo::kInputUnwrapUVW) == nullptr ||
      !SaveEditor(data, shots, "unwrap-uvw"))
    return false;
  return ShowFunctionPage(*data.frame, data.classicId, Talvo::kInputClassic) != nullptr &&
         SaveEditor(data, shots, "classic");
}

// The key page of the tour's key, its viewer stepped up to "more than 2" selected.
bool ShootViewer(const TourData& data, const Shots& shots) {
  Talvo::WindowTabs& tabs = data.frame->GetTabs();
  const int index = tabs.FindAssignmentTab(data.functionKey);
  auto* page = index >= 0 ? dynamic_cast<Talvo::AssignmentTab*>(tabs.GetPageAt(index)) : nullptr;
  if (page == nullptr) return false;
  tabs.ActivatePage(index);
  winsim::PumpMessages();
  Talvo::FunctionViewerTabs* viewer = page->GetViewer();
  auto* shown = dynamic_cast<Talvo::FunctionViewerTab*>(viewer->GetActiveWnd());
  for (int step = 0; shown != nullptr && step < kMoreThanTwo && shown->GetSelectionIndex() < kMoreThanTwo; ++step)
    Talvo::ClickWindow(::GetDlgItem(shown->m_hWnd, Talvo::IDC_VIEWER_MORE_SELECTED));
  if (shown == nullptr || shown->GetSelectionIndex() != kMoreThanTwo) {
    std::fprintf(stderr, "quillon-host: the viewer does not reach \"more than 2\" selected\n");
    return false;
  }
  return SaveEditor(data, shots, "viewer-more-than-2");
}

// The wheel-events page with the attribute rows of its first entry open, and the slider of a spin editor there.
bool ShootWheelEvents(const TourData& data, const Shots& shots) {
  data.frame->GetTabs().ActivatePage(2);
  winsim::PumpMessages();
  auto* wheel = dynamic_cast<Talvo::WheelEventsTab*>(data.frame->GetTabs().GetPageAt(2));
  auto* page =
      wheel != nullptr ? dynamic_cast<Talvo::WheelEventsEditorTab*>(wheel->GetEditorTabs().GetActiveWnd()) : nullptr;
  if (page == nullptr) return false;
  Talvo::CTreeGridCtrl& grid = page->GetGrid();
  // An object class opens to its categories, the first category to its attribute rows.
  int from = 0;
  for (int level = 0; level < kAttributeDepth; ++level) {
    for (int row = from; row < grid.GetRowCount(); ++row) {
      auto* cell = dynamic_cast<Talvo::CTreeCell*>(grid.GetCell(row, kTreeColumn));
      if (cell == nullptr || cell->GetNode() == nullptr || !(cell->GetNode()->m_nFlags & Talvo::CTreeNode::kCollapsed))
        continue;
      // The user's click on the row's expand box.
      RECT box{};
      grid.GetCellRect(row, kTreeColumn, &box);
      cell->GetTreeRect(&box);
      cell->GetExpandBoxRect(&box);
      Talvo::ClickClientPoint(grid.m_hWnd, {(box.left + box.right) / 2, (box.top + box.bottom) / 2});
      from = row + 1;
      break;
    }
  }
  winsim::PumpMessages();
  return SaveEditor(data, shots, "wheel-events-attributes") && ShootSpinPopup(shots, grid);
}

}  // namespace

bool ShootPages(const TourData& data, const Shots& shots) {
  FrontEditor(data);
  return ShootKeyboards(data, shots) && ShootFunctionPages(data, shots) && ShootViewer(data, shots) &&
         ShootWheelEvents(data, shots);
}

}  // namespace tour
