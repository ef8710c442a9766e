// WheelEventsEditorTabs: the tab strip of the wheel-events page. Tab 0 is an
// empty "+" page labelled "+" that shows only its icon (the label is its
// tooltip and its entry in the tab list) and is never chosen while a category
// page exists;
// after it comes one WheelEventsEditorTab per category of the current
// wheel-events set, in the events map's order. The pages point into the current
// set's in-memory model, so the page rebuilds the strip whenever it changes,
// replaces or re-reads the current set.
#pragma once

#include <afxtabctrl.h>

#include <memory>
#include <vector>

#include "editing/wheel_events_editor_dymmy_tab.h"
#include "editing/wheel_events_editor_tab.h"
#include "pagebase/plus_tab_images.h"

struct NotifyInfo;

namespace Talvo {

class WheelEventsEditorTabs : public CMFCTabCtrl {
  DECLARE_DYNAMIC(WheelEventsEditorTabs)
 public:
  static constexpr UINT kControlId = 136;

  WheelEventsEditorTabs() = default;
  ~WheelEventsEditorTabs() override;  // deletes the pages, the image list's
                                      // images and the theme registration

  // Creates the strip over the owner's client area (the wheel-events page) and
  // builds the pages. False when the window can't be created.
  bool Init(CWnd* owner);
  // Places the strip in the owner: at (10, 134), 19 pixels narrower and 143
  // lower than its client area. The owner calls it from its WM_SIZE.
  void Reposition();
  // Destroys every page and makes the "+" page and one page per category of the
  // current set; the last category becomes active.
  void Rebuild();
  // Removes every tab and destroys every page, the "+" page included.
  void RemoveAllPages();
  // Refuses the "+" tab while a category page exists (it is chosen from the tab list then).
  BOOL SetActiveTab(int iTab) override;

  // The category pages (tab index − 1); null outside the list.
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  WheelEventsEditorTab* GetPage(int index) const;
  WheelEventsEditorDymmyTab* GetPlusPage() const { return plus_.get(); }
  CWnd* GetOwnerPage() const { return owner_; }

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void AddPlusPage();
  void AddCategoryPage(const std::wstring& category);
  // The host switched its theme: the pages follow it.
  void FollowHostTheme();

  CWnd* owner_ = nullptr;
  std::unique_ptr<WheelEventsEditorDymmyTab> plus_;
  std::vector<std::unique_ptr<WheelEventsEditorTab>> pages_;
  PlusTabImages images_{[this] { FollowHostTheme(); }};
};

}  // namespace Talvo
