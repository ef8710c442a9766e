// FunctionViewerTabs: the tab strip of a key-assignment page's function viewer. It owns one read-only
// FunctionViewerTab per case input of the function assigned to the page's key, rebuilt whenever the
// assignment may have changed, and an image list from the host's icon file that follows the host theme.
#pragma once

#include <afxtabctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "editing/function_viewer_tab.h"
#include "pagebase/plus_tab_images.h"

struct NotifyInfo;

namespace Talvo {

class FunctionViewerTabs : public CMFCTabCtrl {
  DECLARE_DYNAMIC(FunctionViewerTabs)
 public:
  static constexpr UINT kControlId = 136;

  FunctionViewerTabs() = default;
  ~FunctionViewerTabs() override;  // deletes the pages, the image list and the theme registration

  // Creates the strip over the owner's client area (the key-assignment page, which should carry
  // iFunctionViewerOwner) and builds the pages. False when the window cannot be created.
  bool Init(CWnd* owner);
  // Places the strip below the owner's keyboard view: at (10, 80), 19 pixels narrower and 89 lower than
  // the owner's client area.
  void Reposition();
  // Destroys every page and makes one page per case input of the shown function.
  void Rebuild();
  // Raises the refill flag of every page that shows that input (the function was edited there).
  void MarkPagesNamed(const std::wstring& pageName);

  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  // The page at a tab index; null outside the list.
  FunctionViewerTab* GetPage(int index) const;
  CWnd* GetOwnerPage() const { return owner_; }

 protected:
  BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  void AddPage(const std::wstring& pageName, const std::wstring& label);
  void DestroyPages();
  // The host switched its theme: the pages follow it.
  void FollowHostTheme();

  CWnd* owner_ = nullptr;
  std::vector<std::unique_ptr<FunctionViewerTab>> pages_;
  PlusTabImages images_{[this] { FollowHostTheme(); }};
};

}  // namespace Talvo
