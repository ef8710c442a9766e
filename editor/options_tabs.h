// OptionsTabs: the tab control of the options dialog. It owns the option pages (the "General" page, an
// OptionsEditorTab, from the start), shows one of them in its display area and switches pages when the
// user clicks another tab.
#pragma once

#include <afxcmn.h>

#include <memory>
#include <vector>

#include "editor/options_tab.h"

namespace Talvo {

class OptionsEditorTab;

class OptionsTabs : public CTabCtrl {
  DECLARE_DYNAMIC(OptionsTabs)
 public:
  OptionsTabs();
  ~OptionsTabs() override;  // deletes the pages

  // Appends a page (its window is made later, as a child of this control); returns its index.
  int AddPage(std::unique_ptr<OptionsTab> page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  // The page at an index, null outside the list.
  OptionsTab* GetPage(int index) const;
  // The "General" page (index 0).
  OptionsEditorTab* GetEditorTab() const;
  int GetShownPage() const { return shown_; }

  // Moves a page into the display area below the tabs, on top of its siblings, and shows it.
  void PlacePage(int index);

 protected:
  // After the control's own handling: a click that selected another tab shows that tab's page.
  void OnLButtonDown(UINT nFlags, CPoint point);
  // The strip, the tabs and the display area's frame in the host theme's colours.
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  std::vector<std::unique_ptr<OptionsTab>> pages_;
  int shown_ = 0;
};

}  // namespace Talvo
