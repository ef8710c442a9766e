#include "editing/functions_tab.h"

#include <host/notify.h>

#include "editing/function_page_logo.h"
#include "editing/functions_tab_template.h"
#include "engine/messages.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kEditorCasePages = 5;  // the case pages whose modifier the undo records name

std::wstring StringOr(int id, const wchar_t* fallback) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : fallback;
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionsTab, WindowTab)

BEGIN_MESSAGE_MAP(FunctionsTab, WindowTab)
  ON_WM_SIZE()
  ON_COMMAND(kNewCommand, &FunctionsTab::NewFunction)
  ON_COMMAND(IDC_FUNCTION_MENU, &FunctionsTab::SelectFunction)
  ON_COMMAND(kDeleteCommand, &FunctionsTab::DeleteFunction)
  ON_COMMAND(kSaveCommand, &FunctionsTab::SaveFunction)
  ON_COMMAND(kImportCommand, &FunctionsTab::OnImportCommand)
  ON_COMMAND(kExportCommand, &FunctionsTab::ExportFunction)
  ON_COMMAND(IDC_FUNCTION_LEARNING, &FunctionsTab::OnLearningModeCheck)
  ON_MESSAGE(FunctionNameEditedMessage, &FunctionsTab::OnNameEdited)
  ON_MESSAGE(LoadFunctionMessage, &FunctionsTab::OnLoadFunction)
  ON_MESSAGE(DeleteFunctionMessage, &FunctionsTab::OnDeleteFunction)
  ON_MESSAGE(CloneFunctionMessage, &FunctionsTab::OnCloneFunction)
  ON_MESSAGE(ExportFunctionMessage, &FunctionsTab::OnExportFunction)
END_MESSAGE_MAP()

FunctionsTab::FunctionsTab(CWnd* parent) : WindowTab(kTemplateId, parent) {
  RegisterFunctionsTabTemplate();
  name_.notifyMessage = FunctionNameEditedMessage;
}

FunctionsTab::~FunctionsTab() {
  if (registered_) UnRegisterNotification(&FunctionsTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE);
}

void FunctionsTab::DoDataExchange(CDataExchange* pDX) {
  WindowTab::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FUNCTION_CURRENT_LABEL, currentLabel_);
  DDX_Control(pDX, IDC_FUNCTION_EXISTING_LABEL, existingLabel_);
  DDX_Control(pDX, IDC_FUNCTION_MENU, menu_);
  DDX_Control(pDX, IDC_FUNCTION_NAME, name_);
  DDX_Control(pDX, IDC_FUNCTION_LOGO, logo_);
  DDX_Control(pDX, IDC_FUNCTION_LEARNING, learning_);
}

BOOL FunctionsTab::OnInitDialog() {
  WindowTab::OnInitDialog();
  currentLabel_.SetText(StringOr(154, L"Current Function"));
  existingLabel_.SetText(StringOr(155, L"Existing Functions"));
  currentLabel_.Invalidate();
  existingLabel_.Invalidate();
  FillFunctionMenu();
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  learning_.SetCheck(function != nullptr && function->GetForceVI() ? BST_CHECKED : BST_UNCHECKED);

  toolbars_.Create(*this,
                   {{IDC_FUNCTION_SAVE_BAR, kSaveCommand, 0},
                    {IDC_FUNCTION_NEW_BAR, kNewCommand, 2},
                    {IDC_FUNCTION_DELETE_BAR, kDeleteCommand, 4},
                    {IDC_FUNCTION_IMPORT_BAR, kImportCommand, 6},
                    {IDC_FUNCTION_EXPORT_BAR, kExportCommand, 8}},
                   GetImageList());
  if (!registered_) {
    registered_ = RegisterNotification(&FunctionsTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
  LoadPageLogo(logo_);
  editorTabs_.Init(this);
  return TRUE;
}

// Registered after the page base, so the base has made the new image list when this runs.
void FunctionsTab::OnHostColorChange(void* param, NotifyInfo* /*info*/) {
  auto* page = static_cast<FunctionsTab*>(param);
  page->toolbars_.SetImages(page->GetImageList());
  LoadPageLogo(page->logo_);
}

void FunctionsTab::OnSize(UINT type, int cx, int cy) {
  WindowTab::OnSize(type, cx, cy);
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  PlacePageLogo(*this, logo_);
  if (editorTabs_.GetSafeHwnd() != nullptr) editorTabs_.Reposition();
}

void FunctionsTab::ShowName(const std::wstring& name, bool enabled) {
  name_.SetWindowText(name.c_str());
  name_.EnableWindow(enabled);
  name_.Invalidate();
}

void FunctionsTab::FillFunctionMenu() {
  Talvo& root = GetTalvo();
  const XmlFunctionDir* folder = root.GetFunctions();
  XmlTalvo* main = root.GetMainDocument();
  menu_.RemoveAllItems();
  const int count = folder != nullptr ? folder->Count() : 0;
  for (int i = 0; i < count; ++i) menu_.AddItem(folder->GetFunction(i)->GetName());
  if (count > 0 && main != nullptr && main->GetSelectedFunction() >= count) main->SetSelectedFunction(count - 1);
  if (const XmlFunction* function = root.GetCurrentFunction(); function != nullptr && count > 0) {
    ShowName(function->GetName(), true);
    menu_.SetWindowText(function->GetName().c_str());
  } else {
    ShowName(L"", false);
    menu_.SetWindowText(L"");
  }
}

void FunctionsTab::ShowCurrentFunction() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const XmlFunctionDir* folder = root.GetFunctions();
  const int index = main != nullptr ? main->GetSelectedFunction() : -1;
  if (folder != nullptr && folder->Count() > 0 && index >= 0 && index < folder->Count()) {
    if (index < menu_.GetItemCount()) menu_.SetWindowText(menu_.GetItemText(index).c_str());
    if (const XmlFunction* function = root.GetFunction(index)) {
      ShowName(function->GetName(), true);
    } else {
      ShowName(L"", false);
      main->SetSelectedFunction(0);
    }
  } else {
    ShowName(L"", false);
    menu_.SetWindowText(L"");
  }
  name_.Invalidate();
}

void FunctionsTab::ShowFunction(const XmlFunction& function) {
  ShowName(function.GetName(), true);
  menu_.SetWindowText(function.GetName().c_str());
  learning_.SetCheck(function.GetForceVI() ? BST_CHECKED : BST_UNCHECKED);
  if (editorTabs_.GetSafeHwnd() != nullptr) editorTabs_.Rebuild();
}

void FunctionsTab::RefreshEditor() {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  learning_.SetCheck(function != nullptr && function->GetForceVI() ? BST_CHECKED : BST_UNCHECKED);
  if (editorTabs_.GetSafeHwnd() != nullptr) editorTabs_.Rebuild();
}

void FunctionsTab::RefreshAll() {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  learning_.SetCheck(function != nullptr && function->GetForceVI() ? BST_CHECKED : BST_UNCHECKED);
  FillFunctionMenu();
  ShowCurrentFunction();
  if (editorTabs_.GetSafeHwnd() != nullptr) editorTabs_.Rebuild();
}

int FunctionsTab::GetActiveModifier() const {
  if (editorTabs_.GetSafeHwnd() == nullptr) return -1;
  const int page = editorTabs_.GetActiveTab() - 1;  // tab 0 is the "+" page
  if (page < 0 || page >= kEditorCasePages) return -1;
  const FunctionEditorTab* editor = editorTabs_.GetPage(page);
  return editor != nullptr ? ModifierName(editor->GetPageName()) : -1;
}

LRESULT FunctionsTab::OnNameEdited(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  RenameFunction();
  return 0;
}

LRESULT FunctionsTab::OnLoadFunction(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ImportFunction();
  return 0;
}

LRESULT FunctionsTab::OnDeleteFunction(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  DeleteFunction();
  return 0;
}

LRESULT FunctionsTab::OnCloneFunction(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  CloneFunction();
  return 0;
}

LRESULT FunctionsTab::OnExportFunction(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ExportFunction();
  return 0;
}

}  // namespace Talvo
