// hLayoutSwitchDlg: the modal dialog the editor window shows before it switches to another keyboard
// layout. It only returns how the user wants to switch; the editor window carries it out.
#pragma once

#include <afxcontrolbars.h>
#include <afxdialogex.h>

namespace Talvo {

// The results of the dialog; closing it any other way gives IDCANCEL.
inline constexpr int kLayoutSwitchMoveAssignments = 1000;  // keep the assignments on the new layout
inline constexpr int kLayoutSwitchSaveAsNewProfile = 1001;  // a new profile for the new layout
inline constexpr int kLayoutSwitchClearAssignments = 1002;  // drop every assignment

class hLayoutSwitchDlg : public CDialogEx {
  DECLARE_DYNAMIC(hLayoutSwitchDlg)
 public:
  explicit hLayoutSwitchDlg(CWnd* pParent = nullptr);
  ~hLayoutSwitchDlg() override;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Enter without a chosen button is no choice.
  void OnOK() override;
  void OnMoveAssignments();
  void OnSaveAsNewProfile();
  void OnClearAssignments();
  DECLARE_MESSAGE_MAP()

 private:
  // The three choices, painted in the host's colours.
  CMFCButton moveButton_;
  CMFCButton saveButton_;
  CMFCButton clearButton_;
};

}  // namespace Talvo
