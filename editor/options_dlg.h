// OptionsDlg: the modal options dialog "Configuration". Its one page, "General", edits the options document
// directly; its buttons load the options from a file, save a copy of them, reset them to the defaults and
// write the keyboard chart. Closing it by any means installs or removes the keyboard hooks by the option
// "deactivate" and saves the options document.
#pragma once

#include <afxcontrolbars.h>
#include <afxwin.h>

#include "editor/options_tabs.h"
#include "pagebase/h_themed_dlg.h"

namespace Talvo {

class OptionsEditorTab;

// Its face, texts and buttons follow the host theme, as the program's other dialogs do.
class OptionsDlg : public hThemedDlg {
  DECLARE_DYNAMIC(OptionsDlg)
 public:
  explicit OptionsDlg(CWnd* pParentWnd = nullptr);

  BOOL OnInitDialog() override;
  // Enter and Escape pressed inside the options page end nothing (the dialog manager may see those keys
  // before the page does); otherwise the dialog ends as usual.
  void OnOK() override;
  void OnCancel() override;

  OptionsTabs& GetTabs() { return tabs_; }
  OptionsEditorTab* GetEditorTab() const { return tabs_.GetEditorTab(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnLoadOptions();
  void OnSaveOptions();
  // The keyboard chart of the current profile, with its own file dialog and messages.
  void WriteKeyboardChart();
  void OnReset();
  void OnDestroy();
  // Swallows Enter; every other key takes its usual course.
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  // After the options document was replaced: the tap threshold back to 300 ms, a fresh grid, the
  // no-verbosity switch re-read.
  void RefreshAfterReplace();
  // Whether the key is held down while the focus lies inside the options page.
  bool IsKeyFromPage(int virtualKey) const;

  CMFCButton load_;
  CMFCButton save_;
  CMFCButton writeChart_;
  CMFCButton reset_;
  OptionsTabs tabs_;
};

}  // namespace Talvo
