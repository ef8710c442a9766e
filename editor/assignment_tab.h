// AssignmentTab: the page that edits what one key does in the current profile. It shows the key as a key
// button, a menu of every function whose caption is the function assigned to the key, a toolbar (new,
// delete and import a function), a "Learning Mode" check box and, below, the function viewer of the
// assigned function. Choosing a function assigns it to the key as one host undo step.
#pragma once

#include "controls/check_box.h"
#include "controls/key_button.h"
#include "controls/label.h"
#include "controls/menu_button.h"
#include "editing/function_page_toolbar.h"
#include "editing/function_viewer_owner.h"
#include "editing/function_viewer_tabs.h"
#include "pagebase/window_tab.h"

struct NotifyInfo;

namespace Talvo {

class FunctionsTab;

class AssignmentTab : public WindowTab, public iFunctionViewerOwner {
  DECLARE_DYNAMIC(AssignmentTab)
 public:
  static constexpr UINT kTemplateId = 120;

  AssignmentTab(int key, int virtualKey, CWnd* parent = nullptr);
  ~AssignmentTab() override;

  BOOL OnInitDialog() override;
  std::wstring GetIconFileName() const override { return L"TalvoProfile"; }
  int GetIconCount() const override { return 4; }
  int GetViewerKey() const override { return key_; }

  int GetKeyNumber() const { return key_; }
  int GetVirtualKey() const { return virtualKey_; }
  // Re-reads the functions menu, its caption, the learning flag and the viewer from the documents.
  void Refresh();
  FunctionViewerTabs* GetViewer() { return &viewer_; }

  MenuButton& GetFunctionsMenu() { return functionsMenu_; }
  CButton& GetLearningCheck() { return learningCheck_; }
  KeyButton& GetKeyButton() { return keyButton_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT nType, int cx, int cy);
  void OnAssignFunction();
  void OnNewFunction();
  void OnDeleteFunction();
  void OnImportFunction();
  void OnLearningCheck();
  DECLARE_MESSAGE_MAP()

 private:
  static void OnHostColorChange(void* param, NotifyInfo* info);
  // The viewer strip below the key, and the key button with the layout's captions of the key.
  void PlaceControls();
  void FillFunctionsMenu();
  // The menu caption from the key's function in the current profile, and the check box from the key's
  // learning flag when the key has a function or `withoutFunctionToo`.
  void ShowAssignment(bool withoutFunctionToo);
  // The functions page when it is page 1 of the editor's strip, else null.
  FunctionsTab* FindFunctionsPage() const;
  // The undo record's page values: this page's place in the strip and the viewer's modifier.
  std::uint16_t PageIndexForUndo() const;
  std::uint16_t SubPageForUndo() const;
  bool IsLearningChecked() const;

  int key_;
  int virtualKey_;
  Label functionsLabel_;
  Label learningLabel_;
  MenuButton functionsMenu_;
  KeyButton keyButton_;
  CheckBox learningCheck_;
  FunctionViewerTabs viewer_;
  PageToolbars toolbars_;
  bool registered_ = false;
};

}  // namespace Talvo
