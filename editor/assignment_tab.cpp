#include "editor/assignment_tab.h"

#include <host/notify.h>

#include <afxtabctrl.h>

#include "editing/functions_tab.h"
#include "editor/assignment_tab_template.h"
#include "editor/profile_page_undo.h"
#include "editor/profile_tab.h"
#include "model/modifiers.h"
#include "model/talvo.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {

constexpr int kExistingFunctionsText = 155;  // "Existing Functions"
constexpr int kLearningModeText = 156;       // "Learning Mode"
constexpr int kSelectFunctionLabel = 172;    // "Select Function"
constexpr int kFunctionsPageIndex = 1;
constexpr std::uint16_t kNoParentStrip = 2;

const std::vector<PageToolbarButton> kToolbarButtons = {
    {IDC_ASSIGNMENT_NEW_BAR, 3005, 2},
    {IDC_ASSIGNMENT_DELETE_BAR, 3006, 4},
    {IDC_ASSIGNMENT_IMPORT_BAR, 3008, 6},
};

int FunctionCount() {
  const XmlFunctionDir* functions = GetTalvo().GetFunctions();
  return functions != nullptr ? functions->Count() : 0;
}

// The function the current profile puts on a key, or null.
XmlFunction* AssignedFunction(int key) {
  const XmlProfile* profile = GetTalvo().GetCurrentProfile();
  return profile != nullptr ? GetTalvo().FindFunctionById(profile->GetFunctionIdOfKey(key)) : nullptr;
}

// The selection after the function at `deleted` left the folder, when `selected` was current before.
int SelectionAfterDelete(int selected, int deleted) {
  if (selected > deleted) return selected - 1;
  if (selected == deleted) return deleted > 0 ? deleted - 1 : 0;
  return selected;
}

}  // namespace

IMPLEMENT_DYNAMIC(AssignmentTab, WindowTab)

BEGIN_MESSAGE_MAP(AssignmentTab, WindowTab)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_ASSIGNMENT_MENU, &AssignmentTab::OnAssignFunction)
  ON_COMMAND(3005, &AssignmentTab::OnNewFunction)
  ON_COMMAND(3006, &AssignmentTab::OnDeleteFunction)
  ON_COMMAND(3008, &AssignmentTab::OnImportFunction)
  ON_BN_CLICKED(IDC_ASSIGNMENT_LEARNING, &AssignmentTab::OnLearningCheck)
END_MESSAGE_MAP()

AssignmentTab::AssignmentTab(int key, int virtualKey, CWnd* parent)
    : WindowTab(kTemplateId, parent), key_(key), virtualKey_(virtualKey) {
  RegisterAssignmentTabTemplate();
}

AssignmentTab::~AssignmentTab() {
  if (registered_) UnRegisterNotification(&AssignmentTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE);
}

void AssignmentTab::DoDataExchange(CDataExchange* pDX) {
  WindowTab::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ASSIGNMENT_FUNCTIONS_LABEL, functionsLabel_);
  DDX_Control(pDX, IDC_ASSIGNMENT_LEARNING_LABEL, learningLabel_);
  DDX_Control(pDX, IDC_ASSIGNMENT_MENU, functionsMenu_);
  DDX_Control(pDX, IDC_ASSIGNMENT_KEY, keyButton_);
  DDX_Control(pDX, IDC_ASSIGNMENT_LEARNING, learningCheck_);
}

BOOL AssignmentTab::OnInitDialog() {
  WindowTab::OnInitDialog();
  learningCheck_.SetCheck(BST_CHECKED);
  keyButton_.keyNumber = key_;
  keyButton_.virtualKey = static_cast<UINT>(virtualKey_);
  keyButton_.CreateFonts();
  functionsLabel_.SetText(StringText(kExistingFunctionsText));
  learningLabel_.SetText(StringText(kLearningModeText));
  FillFunctionsMenu();
  ShowAssignment(false);  // a key without a function keeps the box checked for its first assignment
  toolbars_.Create(*this, kToolbarButtons, GetImageList());
  if (!registered_) {
    registered_ = RegisterNotification(&AssignmentTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
  viewer_.Init(this);
  PlaceControls();
  return TRUE;
}

// Registered after the page base, so the base has made the new image list when this runs.
void AssignmentTab::OnHostColorChange(void* param, NotifyInfo*) {
  auto* page = static_cast<AssignmentTab*>(param);
  page->toolbars_.SetImages(page->GetImageList());
}

void AssignmentTab::OnSize(UINT nType, int cx, int cy) {
  WindowTab::OnSize(nType, cx, cy);
  PlaceControls();
}

void AssignmentTab::PlaceControls() {
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  viewer_.Reposition();
  if (keyButton_.GetSafeHwnd() == nullptr) return;
  Talvo& root = GetTalvo();
  const XmlKeyboard* keyboard = root.GetCurrentProfile() != nullptr ? root.GetCurrentKeyboard() : nullptr;
  if (keyboard != nullptr) {
    const std::wstring text = keyboard->GetKeyText(key_);
    if (!text.empty()) keyButton_.SetCaption(text);
    keyButton_.secondText = keyboard->GetKeyExt(key_);
    keyButton_.textChanged = true;
  }
  keyButton_.SetWindowPos(nullptr, 10, 15, 51, 51, SWP_NOZORDER | SWP_NOACTIVATE);
  keyButton_.Invalidate();
}

void AssignmentTab::FillFunctionsMenu() {
  for (int item = functionsMenu_.GetItemCount() - 1; item >= 0; --item) functionsMenu_.RemoveItem(item);
  const XmlFunctionDir* functions = GetTalvo().GetFunctions();
  for (int i = 0; i < FunctionCount(); ++i) functionsMenu_.AddItem(functions->GetFunction(i)->GetName());
}

void AssignmentTab::ShowAssignment(bool withoutFunctionToo) {
  const XmlProfile* profile = GetTalvo().GetCurrentProfile();
  const XmlFunction* function = AssignedFunction(key_);
  functionsMenu_.SetWindowText(function != nullptr ? function->GetName() : std::wstring());
  if (profile != nullptr && (function != nullptr || withoutFunctionToo)) {
    learningCheck_.SetCheck(profile->GetLearningFlag(key_) ? BST_CHECKED : BST_UNCHECKED);
  }
}

void AssignmentTab::Refresh() {
  FillFunctionsMenu();
  ShowAssignment(true);
  viewer_.Rebuild();
}

FunctionsTab* AssignmentTab::FindFunctionsPage() const {
  iEditorFrame* frame = EditorFrame();
  return frame != nullptr ? dynamic_cast<FunctionsTab*>(frame->GetPageTabs().GetPageAt(kFunctionsPageIndex)) : nullptr;
}

std::uint16_t AssignmentTab::PageIndexForUndo() const {
  const auto* strip = dynamic_cast<const CMFCTabCtrl*>(GetParent());
  return strip != nullptr ? static_cast<std::uint16_t>(strip->GetActiveTab()) : kNoParentStrip;
}

std::uint16_t AssignmentTab::SubPageForUndo() const {
  const int active = viewer_.GetSafeHwnd() != nullptr ? viewer_.GetActiveTab() : -1;
  const FunctionViewerTab* page = active >= 1 && active <= 3 ? viewer_.GetPage(active) : nullptr;
  return static_cast<std::uint16_t>(page != nullptr ? ModifierName(page->GetPageName()) : -1);
}

bool AssignmentTab::IsLearningChecked() const { return learningCheck_.GetCheck() == BST_CHECKED; }

void AssignmentTab::OnAssignFunction() {
  const int number = functionsMenu_.GetChosenItem();
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  if (number <= 0 || main == nullptr) return;
  PageUndoStep step(PageIndexForUndo(), SubPageForUndo());
  const int index = number - 1;
  main->SetSelectedFunction(index);
  functionsMenu_.ShowItem(index);
  XmlProfile* profile = root.GetCurrentProfile();
  if (const XmlFunction* function = root.GetFunction(index); function != nullptr && profile != nullptr) {
    profile->Assign(key_, virtualKey_, function->GetId(), true, IsLearningChecked());
  }
  viewer_.Rebuild();
  step.Accept(StringText(kSelectFunctionLabel));
  // The keyboard shows the key's new function.
  if (iEditorFrame* frame = EditorFrame()) {
    if (auto* profiles = dynamic_cast<ProfileTab*>(frame->GetPageTabs().GetPageAt(0))) profiles->GetLayout().RefreshCaptions();
  }
}

void AssignmentTab::OnNewFunction() {
  FunctionsTab* functions = FindFunctionsPage();
  if (functions == nullptr) return;
  const int before = FunctionCount();
  functions->NewFunction();
  if (FunctionCount() > before) EditorFrame()->GetPageTabs().ActivatePage(kFunctionsPageIndex);
}

void AssignmentTab::OnDeleteFunction() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const XmlProfile* profile = root.GetCurrentProfile();
  FunctionsTab* functions = FindFunctionsPage();
  if (main == nullptr || profile == nullptr || functions == nullptr) return;
  const int selected = main->GetSelectedFunction();
  const int deleted = root.IndexOfFunctionById(profile->GetFunctionIdOfKey(key_));
  if (deleted < 0) return;  // the key has no function to delete
  const int before = FunctionCount();
  main->SetSelectedFunction(deleted);
  functions->DeleteFunction();
  if (FunctionCount() < before) {
    if (FunctionCount() > 0) main->SetSelectedFunction(SelectionAfterDelete(selected, deleted));
  } else {
    main->SetSelectedFunction(selected);  // nothing was deleted: the selection stays where it was
  }
  functions->ShowCurrentFunction();
  Refresh();
}

void AssignmentTab::OnImportFunction() {
  FunctionsTab* functions = FindFunctionsPage();
  if (functions == nullptr) return;
  Talvo& root = GetTalvo();
  // The imported function (added, or put over one of the same name) is the current one and goes on the
  // key; a cancelled or failed import leaves the key alone.
  const bool imported = functions->ImportFunction();
  XmlProfile* profile = root.GetCurrentProfile();
  const XmlFunction* function = root.GetCurrentFunction();
  if (imported && profile != nullptr && function != nullptr) {
    profile->Assign(key_, virtualKey_, function->GetId(), true, IsLearningChecked());
  }
  Refresh();
}

void AssignmentTab::OnLearningCheck() {
  if (XmlProfile* profile = GetTalvo().GetCurrentProfile()) profile->SetLearningFlag(key_, IsLearningChecked());
}

}  // namespace Talvo
