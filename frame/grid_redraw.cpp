#include "frame/grid_redraw.h"

#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "editing/wheel_events_tab.h"
#include "frame/frame.h"

namespace Talvo {

namespace {

// The grid of the active page of an editor strip whose tab 0 is the "+" tab; null on the "+" tab.
template <typename Strip>
CGridCtrl* ActiveEditorGrid(Strip& strip) {
  if (strip.GetSafeHwnd() == nullptr || strip.GetTabsNum() <= 1) return nullptr;
  auto* page = strip.GetPage(strip.GetActiveTab() - 1);
  return page != nullptr ? &page->GetGrid() : nullptr;
}

}  // namespace

void RedrawActiveGrid() {
  Frame* frame = *GetFrame();
  if (frame == nullptr) return;
  WindowTabs& tabs = frame->GetTabs();
  WindowTab* active = tabs.GetPageAt(tabs.GetActiveTab());
  CGridCtrl* grid = nullptr;
  if (auto* functions = DYNAMIC_DOWNCAST(FunctionsTab, active))
    grid = ActiveEditorGrid(functions->GetEditorTabs());
  else if (auto* wheelEvents = DYNAMIC_DOWNCAST(WheelEventsTab, active))
    grid = ActiveEditorGrid(wheelEvents->GetEditorTabs());
  if (grid != nullptr && grid->GetSafeHwnd() != nullptr) grid->PlaceCellEditors();
}

}  // namespace Talvo
