// FunctionEditorTabs: the tab strip of the function editor inside the functions page. Tab 0 is an empty
// "+" page whose click offers the modifier cases that can still be added; after it comes one
// FunctionEditorTab per input of the current function, chosen by the function's kind. Closing a modifier
// page's tab removes that input from the function as one undo step.
#pragma once

#include <afxtabctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/icon_button.h"
#include "editing/function_editor_dymmy_tab.h"
#include "editing/function_editor_tab.h"
#include "pagebase/plus_tab_images.h"

struct NotifyInfo;

namespace Talvo {

class FunctionEditorTabs : public CMFCTabCtrl {
  DECLARE_DYNAMIC(FunctionEditorTabs)
 public:
  static constexpr UINT kControlId = 136;
  static constexpr UINT kModeButtonId = 3200;

  FunctionEditorTabs() = default;
  ~FunctionEditorTabs() override;  // deletes the pages, the mode button, the images and the registration

  using CMFCTabCtrl::Create;
  // Creates the strip on `rect` of the owner (the functions page) and builds the pages of the current
  // function. FALSE when the window cannot be created.
  BOOL Create(const RECT& rect, CWnd* owner, UINT id);
  // The same over the owner's whole client area with the strip's own id.
  bool Init(CWnd* owner);
  // Places the strip at (10, 134) of the owner, 19 pixels narrower and 143 lower than its client area.
  void Reposition();
  // Destroys every page and builds the "+" page and the pages of the current function.
  void Rebuild();
  // Removes every tab and destroys every page and the mode button.
  void RemoveAllPages();
  // Makes a page for the input `name` (the caller adds its tab and selects it); null when it cannot.
  FunctionEditorTab* AddPage(const std::wstring& name);
  // Drops the "+" button of a single-tap or multi-tap page (the function got modifier pages).
  void RemoveModeButton();

  // Activates a tab; the close button is offered only on pages that may be closed.
  BOOL SetActiveTab(int iTab) override;
  // The tabs' icons take 16 x 16 pixels.
  CSize GetImageSize() const override { return CSize(16, 16); }

  // The editor pages (tab index − 1), not counting the "+" tab; null outside the list.
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  FunctionEditorTab* GetPage(int index) const;
  FunctionEditorDymmyTab* GetPlusPage() const { return plus_.get(); }
  IconButton* GetModeButton() const { return modeButton_.get(); }
  // Every page's grid re-reads the custom-script list into its script drop-downs.
  void SyncScriptDropDowns();

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void AddPlusPage();
  FunctionEditorTab* AddPageWithTab(const std::wstring& name, const std::wstring& title);
  void CreateModeButton();
  // Puts the mode button over the leading blanks of the mode page's tab title.
  void PlaceModeButton();
  static constexpr int kModeButtonSize = 12;
  // Whether the page behind tab `iTab` may be closed by its close button.
  bool IsClosable(int iTab) const;
  // Removes the input of the page behind tab `iTab` from the function as one undo step.
  void CloseCase(int iTab);
  // The host switched its theme: the pages follow it.
  void FollowHostTheme();

  CWnd* owner_ = nullptr;
  std::unique_ptr<FunctionEditorDymmyTab> plus_;
  std::vector<std::unique_ptr<FunctionEditorTab>> pages_;
  std::unique_ptr<IconButton> modeButton_;
  PlusTabImages images_{[this] { FollowHostTheme(); }};
};

}  // namespace Talvo
