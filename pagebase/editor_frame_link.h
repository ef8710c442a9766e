// How the pages reach the editor window and their sibling pages. The editor window (frame/) sits above the
// pages, so the pages see it only through these interfaces; the frame registers itself while its window
// exists. Page indices: 0 profiles, 1 functions, 2 wheel events, 3 and up one key-assignment page per key.
#pragma once

#include <afxwin.h>

#include <string>

namespace Talvo {

class WindowTab;

// The page tab strip of the editor window.
class iWindowTabs {
 public:
  virtual int GetPageCount() const = 0;
  // The page at `index`; null outside the page list.
  virtual WindowTab* GetPageAt(int index) const = 0;
  // Activates the page at `index` (an assignment page scrolled out of view moves to index 3 first).
  virtual void ActivatePage(int index) = 0;
  // Shows or hides the close button of the active tab.
  virtual void ShowActiveTabCloseButton(bool show) = 0;
  virtual bool HasAssignmentTab(int key) const = 0;
  virtual int FindAssignmentTab(int key) const = 0;
  virtual void RefreshAssignmentTabs() = 0;
  virtual void RebuildAssignmentTabs() = 0;
  virtual void RefreshFunctionsTab() = 0;
  virtual void RefreshProfileTab() = 0;
  virtual void RefreshFunctionEditors() = 0;

 protected:
  ~iWindowTabs() = default;
};

// The editor window itself.
class iEditorFrame {
 public:
  virtual CWnd* GetFrameWindow() = 0;
  virtual iWindowTabs& GetPageTabs() = 0;
  // Sets the caption of the frame's "Layouts" menu button.
  virtual void SetLayoutsCaption(const std::wstring& caption) = 0;

 protected:
  ~iEditorFrame() = default;
};

// The editor window while it exists, else null.
iEditorFrame* EditorFrame();
// Called by the editor window when its window is created (with itself) and destroyed (with null).
void SetEditorFrame(iEditorFrame* frame);

}  // namespace Talvo
