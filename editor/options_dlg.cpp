#include "editor/options_dlg.h"

#include <exception>
#include <filesystem>
#include <string>

#include "controls/file_dialog_helper.h"
#include "pagebase/error_box.h"
#include "editor/keyboard_chart_command.h"
#include "pagebase/no_verbosity.h"
#include "editor/options_editor_tab.h"
#include "engine/key_hooks.h"
#include "model/string_table.h"
#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"
#include "resources/dialogs/options_dlg.h"
#include "resources/dialogs/options_editor_tab.h"

namespace Talvo {

namespace {

constexpr int kGeneralTitle = 179;

const wchar_t* StringOr(int id, const wchar_t* fallback) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : fallback;
}

}  // namespace

IMPLEMENT_DYNAMIC(OptionsDlg, hThemedDlg)

BEGIN_MESSAGE_MAP(OptionsDlg, hThemedDlg)
  ON_BN_CLICKED(IDC_OPTIONS_LOAD, &OptionsDlg::OnLoadOptions)
  ON_BN_CLICKED(IDC_OPTIONS_SAVE, &OptionsDlg::OnSaveOptions)
  ON_BN_CLICKED(IDC_OPTIONS_WRITE_CHART, &OptionsDlg::WriteKeyboardChart)
  ON_BN_CLICKED(IDC_OPTIONS_RESET, &OptionsDlg::OnReset)
  ON_WM_DESTROY()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

OptionsDlg::OptionsDlg(CWnd* pParentWnd) : hThemedDlg(IDD_OPTIONS, pParentWnd) { RegisterOptionsDlgTemplate(); }

void OptionsDlg::DoDataExchange(CDataExchange* pDX) {
  hThemedDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OPTIONS_LOAD, load_);
  DDX_Control(pDX, IDC_OPTIONS_SAVE, save_);
  DDX_Control(pDX, IDC_OPTIONS_WRITE_CHART, writeChart_);
  DDX_Control(pDX, IDC_OPTIONS_RESET, reset_);
  DDX_Control(pDX, IDC_OPTIONS_TABS, tabs_);
}

BOOL OptionsDlg::OnInitDialog() {
  hThemedDlg::OnInitDialog();
  tabs_.InsertItem(0, StringOr(kGeneralTitle, L"General"));
  if (OptionsEditorTab* page = GetEditorTab(); page != nullptr && page->Create(IDD_OPTIONS_EDITOR, &tabs_)) {
    page->ShowWindow(SW_SHOW);
    tabs_.PlacePage(0);
  }
  return TRUE;
}

bool OptionsDlg::IsKeyFromPage(int virtualKey) const {
  const OptionsEditorTab* page = GetEditorTab();
  const HWND focus = ::GetFocus();
  if (page == nullptr || page->GetSafeHwnd() == nullptr || focus == nullptr) return false;
  return ::GetKeyState(virtualKey) < 0 && (focus == page->m_hWnd || ::IsChild(page->m_hWnd, focus));
}

void OptionsDlg::OnOK() {
  if (!IsKeyFromPage(VK_RETURN)) hThemedDlg::OnOK();
}

void OptionsDlg::OnCancel() {
  if (!IsKeyFromPage(VK_ESCAPE)) hThemedDlg::OnCancel();
}

void OptionsDlg::OnLoadOptions() {
  FileDialogHelper dialog(m_hWnd);
  dialog.title = L"Open Quillon Options";
  dialog.startFolder = L"%Desktop%";
  dialog.filter = {{L"All", L"*.*"}};
  if (!dialog.Open()) return;
  XmlOptions* options = GetTalvo().GetOptions();
  if (options == nullptr) return;
  // The file is read aside first: a file that is no options document leaves the current options alone.
  // (A file that cannot be parsed is reported by the loading itself.)
  XmlOptions candidate;
  const int loaded = candidate.Load(PathFromWide(dialog.GetPath()));
  if (loaded == kXmlCannotOpen) ShowErrorBox(m_hWnd, L"Can't load file!\n" + dialog.GetPath());
  if (loaded != kXmlOk) return;
  if (!candidate.IsOptionsDocument()) {
    ShowErrorBox(m_hWnd, L"Not an options file; the current options are kept.\n" + dialog.GetPath());
    return;
  }
  // The options keep their name and folder: they go on being saved as the program's options.
  const std::wstring name = options->GetName();
  XmlDocDirectory* owner = options->GetOwner();
  options->CopyFrom(candidate);
  options->SetOwner(owner);
  options->SetName(name);
  RefreshAfterReplace();
}

void OptionsDlg::OnSaveOptions() {
  FileDialogHelper dialog(m_hWnd);
  dialog.title = L"Save Current Options";
  dialog.startFolder = L"%Desktop%";
  dialog.filter = {{L"Xml", L"*.XML"}};
  dialog.defaultExtension = L"xml";
  if (!dialog.Save()) return;
  std::wstring chosen = dialog.GetPath();
  if (!PathFromWide(chosen).has_extension()) chosen += L".xml";
  const std::filesystem::path path = PathFromWide(chosen);
  const XmlOptions* options = GetTalvo().GetOptions();
  if (options == nullptr || options->SaveAs(path) != kXmlOk) {
    ShowErrorBox(m_hWnd, L"Can't save file!\n" + chosen);
  }
}

void OptionsDlg::WriteKeyboardChart() { ::Talvo::WriteKeyboardChart(m_hWnd); }

void OptionsDlg::OnReset() {
  if (XmlOptions* options = GetTalvo().GetOptions()) options->ResetToDefault();
  RefreshAfterReplace();
}

void OptionsDlg::RefreshAfterReplace() {
  if (OptionsEditorTab* page = GetEditorTab(); page != nullptr && page->GetSafeHwnd() != nullptr) {
    page->ResetAndFill();
  }
  ReadNoVerbosity();
}

void OptionsDlg::OnDestroy() {
  hThemedDlg::OnDestroy();
  XmlOptions* options = GetTalvo().GetOptions();
  try {
    if (options != nullptr && options->IsDeactivated()) {
      RemoveKeyHooks();
    } else {
      InstallKeyHooks();
    }
  } catch (const std::exception& error) {
    // The dialog is going away: the owner carries the message.
    MessageBoxW(::GetParent(m_hWnd), Utf8ToWide(error.what()).c_str(), L"Warning!", MB_OK | MB_ICONWARNING);
  }
  if (options != nullptr) options->Save();
  ReadNoVerbosity();
}

void OptionsDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != VK_RETURN) hThemedDlg::OnKeyDown(nChar, nRepCnt, nFlags);
}

}  // namespace Talvo
