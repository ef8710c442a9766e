#include "frame/key_commands.h"

#include <cstdint>
#include <optional>

#include "controls/key_button.h"
#include "editor/profile_page_undo.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kLearningInterfaceText = 254;  // "Learning Interface"
constexpr int kFunctionsPage = 1;
// Key commands change the current profile: their undo steps belong to the profiles page.
constexpr std::uint16_t kProfilesPage = 0;
constexpr std::uint16_t kNoSubPage = 65535;

// Shows what the button now stands for.
void Redraw(KeyButton& button, const std::wstring& text, bool assigned, int state) {
  button.assignedText = text;
  button.assigned = assigned;
  button.displayState = state;
  button.textChanged = true;
  if (button.GetSafeHwnd() != nullptr) button.Invalidate();
}

}  // namespace

void KeyCommands::RemoveLearningInterface(XmlProfile& profile, KeyButton& button) {
  profile.RemoveVisualAssignment(button.keyNumber);
  Redraw(button, L"", false, kKeyOrdinary);
  if (GetTalvo().GetLearningKeyButton() == &button) GetTalvo().SetLearningKeyButton(nullptr);
}

void KeyCommands::OnDeleteAssignment() {
  KeyButton* button = GetMenuKeyButton();
  XmlProfile* profile = GetTalvo().GetCurrentProfile();
  if (button == nullptr || profile == nullptr) return;
  std::optional<PageUndoStep> step;
  if (profile->HasAssignment(button->keyNumber)) step.emplace(kProfilesPage, kNoSubPage);
  profile->RemoveAssignment(button->keyNumber);
  Redraw(*button, L"", false, button->displayState);
  view_.CloseAssignmentPage(button->keyNumber);
  view_.RebuildAssignmentTabs();
  if (step) step->Accept(L"Delete Assignment");
}

void KeyCommands::OnEditKeyFunction() {
  const KeyButton* button = GetMenuKeyButton();
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  if (button == nullptr || profile == nullptr || root.GetMainDocument() == nullptr) return;
  const int index = root.IndexOfFunctionById(profile->GetFunctionIdOfKey(button->keyNumber));
  if (index < 0) {
    // The current function stays what it was: the missing one cannot be shown.
    ::MessageBoxW(EditorWindow(), L"Function not found!", L"Error!", MB_OK | MB_ICONERROR);
    return;
  }
  root.GetMainDocument()->SetSelectedFunction(index);
  view_.RefreshFunctionsPage();
  if (root.GetFunctions() != nullptr && index < root.GetFunctions()->Count()) view_.ActivatePage(kFunctionsPage);
}

void KeyCommands::OnCreateKeyFunction() {
  Talvo& root = GetTalvo();
  const KeyButton* button = GetMenuKeyButton();
  XmlProfile* profile = root.GetCurrentProfile();
  if (button == nullptr || profile == nullptr || root.GetFunctions() == nullptr) return;
  const int key = button->keyNumber;
  const int virtualKey = static_cast<int>(button->virtualKey);
  const bool open = profile->GetOpenFlag(key);
  const int count = root.GetFunctions()->Count();

  view_.NewFunction();
  // Cancelled: the key keeps what it had, the learning interface included.
  if (root.GetFunctions()->Count() <= count || root.GetCurrentProfile() != profile) return;

  // The dialog may have rebuilt the keyboard view: the button is looked up again.
  KeyButton* current = GetMenuKeyButton();
  if (current != nullptr && current->keyNumber == key) {
    if (current->displayState == kKeyLearningInterface) RemoveLearningInterface(*profile, *current);
  } else {
    profile->RemoveVisualAssignment(key);
  }
  profile->Assign(key, virtualKey, root.GetFunction(count)->GetId(), true, true);
  profile->SetOpenFlag(key, open);
  view_.RebuildAssignmentTabs();
  view_.ActivatePage(kFunctionsPage);
}

void KeyCommands::OnAssignLearningInterface() {
  Talvo& root = GetTalvo();
  KeyButton* button = GetMenuKeyButton();
  XmlProfile* profile = root.GetCurrentProfile();
  if (button == nullptr || profile == nullptr) return;
  // Taking the key's assignment away is an undo step; only moving the learning interface is not.
  std::optional<PageUndoStep> step;
  if (button->displayState == kKeyOrdinary && profile->HasAssignment(button->keyNumber))
    step.emplace(kProfilesPage, kNoSubPage);
  KeyButton* previous = root.GetLearningKeyButton();
  if (previous != nullptr && previous != button) RemoveLearningInterface(*profile, *previous);
  if (button->displayState == kKeyOrdinary) {
    profile->RemoveAssignment(button->keyNumber);
    Redraw(*button, L"", false, kKeyOrdinary);
    view_.CloseAssignmentPage(button->keyNumber);
    view_.RebuildAssignmentTabs();
  }
  profile->AddVisualAssignment(button->keyNumber);
  Redraw(*button, GetString(kLearningInterfaceText), false, kKeyLearningInterface);
  root.SetLearningKeyButton(button);
  if (step) step->Accept(L"Assign Learning Interface");
}

void KeyCommands::OnDeleteLearningInterface() {
  Talvo& root = GetTalvo();
  KeyButton* button = GetMenuKeyButton();
  XmlProfile* profile = root.GetCurrentProfile();
  if (button != nullptr && profile != nullptr && button->displayState == kKeyLearningInterface) {
    RemoveLearningInterface(*profile, *button);
  }
  root.SetLearningKeyButton(nullptr);
}

}  // namespace Talvo
