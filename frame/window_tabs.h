// WindowTabs: the editor window's page strip. It owns the pages by index: 0 the profiles page, 1 the
// functions page, 2 the wheel-events page and from 3 on one key-assignment page per key that the current
// profile keeps open. Only key-assignment pages can be closed; closing one is an undoable step.
#pragma once

#include <afxtabctrl.h>

#include <memory>
#include <vector>

#include "pagebase/editor_frame_link.h"
#include "pagebase/window_tab.h"

namespace Talvo {

class AssignmentTab;
class Frame;

class WindowTabs : public CMFCTabCtrl, public iWindowTabs {
  DECLARE_DYNAMIC(WindowTabs)
 public:
  static constexpr UINT kControlId = 107;
  static constexpr int kFirstAssignmentPage = 3;

  WindowTabs();
  ~WindowTabs() override;

  // Builds the strip as a child of `frame` with its fixed pages and the current profile's open keys;
  // false when the strip's window cannot be made.
  bool CreatePages(Frame* frame);
  // Fits the strip into the frame's client area below the top band.
  void PlaceInFrame();

  // Opens the key-assignment page of a key button (lParam); returns 0.
  LRESULT AddAssignmentTab(WPARAM wParam, LPARAM lParam);
  // Marks the viewer pages named like the function editor page (lParam) for a refresh; returns 0.
  LRESULT MarkFunctionViewers(WPARAM wParam, LPARAM lParam);
  BOOL SetActiveTab(int iTab) override;

  // iWindowTabs
  int GetPageCount() const override;
  WindowTab* GetPageAt(int index) const override;
  void ActivatePage(int index) override;
  void ShowActiveTabCloseButton(bool show) override;
  bool HasAssignmentTab(int key) const override;
  int FindAssignmentTab(int key) const override;
  void RefreshAssignmentTabs() override;
  void RebuildAssignmentTabs() override;
  void RefreshFunctionsTab() override;
  void RefreshProfileTab() override;
  void RefreshFunctionEditors() override;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  LRESULT OnOpenAssignmentTab(WPARAM wParam, LPARAM lParam);
  LRESULT OnFunctionEdited(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Creates a fixed page and its tab; a page whose window cannot be made is left out.
  void AddFixedPage(std::unique_ptr<WindowTab> page, UINT templateId, int titleId);
  // Creates a key-assignment page and its tab at the end; null without a layout text for the key or
  // when its window cannot be made.
  AssignmentTab* AddAssignmentPage(int key, int virtualKey, bool show);
  // Removes a page's tab, then destroys and frees the page.
  void RemovePage(int index);
  AssignmentTab* GetAssignmentPage(int index) const;
  // Closes the key-assignment page at `index` as one undo step.
  void CloseAssignmentPage(int index);

  Frame* frame_ = nullptr;
  std::vector<std::unique_ptr<WindowTab>> pages_;
};

}  // namespace Talvo
