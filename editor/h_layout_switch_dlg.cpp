#include "editor/h_layout_switch_dlg.h"

#include <host/colors.h>

#include "controls/visual_manager.h"
#include "resources/dialogs/layout_switch_dlg.h"

namespace Talvo {

namespace {

// The template is registered before the dialog object asks for it.
UINT RegisteredTemplate() {
  RegisterLayoutSwitchDlgTemplate();
  return IDD_LAYOUT_SWITCH;
}

}  // namespace

IMPLEMENT_DYNAMIC(hLayoutSwitchDlg, CDialogEx)

BEGIN_MESSAGE_MAP(hLayoutSwitchDlg, CDialogEx)
  ON_BN_CLICKED(IDC_LAYOUT_SWITCH_MOVE, &hLayoutSwitchDlg::OnMoveAssignments)
  ON_BN_CLICKED(IDC_LAYOUT_SWITCH_SAVE, &hLayoutSwitchDlg::OnSaveAsNewProfile)
  ON_BN_CLICKED(IDC_LAYOUT_SWITCH_CLEAR, &hLayoutSwitchDlg::OnClearAssignments)
END_MESSAGE_MAP()

hLayoutSwitchDlg::hLayoutSwitchDlg(CWnd* pParent) : CDialogEx(RegisteredTemplate(), pParent) {}

hLayoutSwitchDlg::~hLayoutSwitchDlg() = default;

void hLayoutSwitchDlg::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LAYOUT_SWITCH_MOVE, moveButton_);
  DDX_Control(pDX, IDC_LAYOUT_SWITCH_SAVE, saveButton_);
  DDX_Control(pDX, IDC_LAYOUT_SWITCH_CLEAR, clearButton_);
}

BOOL hLayoutSwitchDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();
  SetBackgroundColor(HostColor(kBackground));
  return TRUE;
}

void hLayoutSwitchDlg::OnOK() {}

void hLayoutSwitchDlg::OnMoveAssignments() { EndDialog(kLayoutSwitchMoveAssignments); }
void hLayoutSwitchDlg::OnSaveAsNewProfile() { EndDialog(kLayoutSwitchSaveAsNewProfile); }
void hLayoutSwitchDlg::OnClearAssignments() { EndDialog(kLayoutSwitchClearAssignments); }

}  // namespace Talvo
