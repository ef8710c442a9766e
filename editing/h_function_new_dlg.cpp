#include "editing/h_function_new_dlg.h"

#include "model/vocabulary.h"
#include "resources/dialogs/function_new_dlg.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hFunctionNewDlg, hThemedDlg)

BEGIN_MESSAGE_MAP(hFunctionNewDlg, hThemedDlg)
  ON_BN_CLICKED(IDC_KIND_MULTITAP_MODIFIERS, &hFunctionNewDlg::OnMultiTapModifiers)
  ON_BN_CLICKED(IDC_KIND_MULTITAP_MODIFIERS_ELEMENTS, &hFunctionNewDlg::OnMultiTapModifiersElements)
  ON_BN_CLICKED(IDC_KIND_CONTEXT_SENSITIVE, &hFunctionNewDlg::OnContextSensitive)
  ON_BN_CLICKED(IDC_KIND_SINGLE_TAP, &hFunctionNewDlg::OnSingleTap)
  ON_BN_CLICKED(IDC_KIND_MULTITAP, &hFunctionNewDlg::OnMultiTap)
END_MESSAGE_MAP()

hFunctionNewDlg::hFunctionNewDlg(CWnd* parent) : hThemedDlg(IDD_FUNCTION_NEW, parent) {}
hFunctionNewDlg::~hFunctionNewDlg() = default;

INT_PTR hFunctionNewDlg::DoModal() {
  RegisterFunctionNewDlgTemplate();
  return hThemedDlg::DoModal();
}

void hFunctionNewDlg::DoDataExchange(CDataExchange* pDX) {
  hThemedDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_KIND_MULTITAP_MODIFIERS, multiTapModifiersButton_);
  DDX_Control(pDX, IDC_KIND_MULTITAP_MODIFIERS_ELEMENTS, multiTapModifiersElementsButton_);
  DDX_Control(pDX, IDC_KIND_CONTEXT_SENSITIVE, contextSensitiveButton_);
  DDX_Control(pDX, IDC_KIND_SINGLE_TAP, singleTapButton_);
  DDX_Control(pDX, IDC_KIND_MULTITAP, multiTapButton_);
}

void hFunctionNewDlg::OnMultiTapModifiers() { EndDialog(kKindMultiTapModifiers); }
void hFunctionNewDlg::OnMultiTapModifiersElements() { EndDialog(kKindMultiTapModifiersElements); }
void hFunctionNewDlg::OnContextSensitive() { EndDialog(kKindContextSensitive); }
void hFunctionNewDlg::OnSingleTap() { EndDialog(kKindSingleTap); }
void hFunctionNewDlg::OnMultiTap() { EndDialog(kKindMultiTap); }

}  // namespace Talvo
