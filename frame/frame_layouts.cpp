// The "Layouts" button: switching the keyboard layout after asking how the current profile follows.
#include <cstdint>

#include "editor/h_layout_switch_dlg.h"
#include "editor/profile_page_undo.h"
#include "editor/profile_tab.h"
#include "frame/frame.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kProfilesPage = 0;
constexpr std::uint16_t kNoSubPage = 65535;

}  // namespace

void Frame::OnSwitchLayout() {
  const int item = layouts_.GetChosenItem();
  if (item == 0) return;
  const int index = item - 1;
  Talvo& root = GetTalvo();
  XmlKeyboardDir* layouts = root.GetKeyboards();
  XmlKeyboard* layout = layouts != nullptr ? layouts->GetKeyboard(index) : nullptr;
  if (layout == nullptr) {
    layouts_.SetWindowText(L"");
    return;
  }
  const std::wstring layoutName = layout->GetName();

  hLayoutSwitchDlg dialog(this);
  const INT_PTR result = dialog.DoModal();
  switch (result) {
    case kLayoutSwitchMoveAssignments:
      root.SetKeyboard(index);
      if (XmlProfile* profile = root.GetCurrentProfile()) profile->SetLayout(layoutName);
      break;
    case kLayoutSwitchSaveAsNewProfile: {
      root.SetKeyboard(index);
      XmlProfile* previous = root.GetCurrentProfile();
      if (auto* profiles = DYNAMIC_DOWNCAST(ProfileTab, tabs_.GetPageAt(0))) profiles->OnCreateProfile();
      // A new profile copies the layout of the profile it was made from; it is meant for the layout just
      // chosen. The previous profile keeps its own.
      XmlProfile* created = root.GetCurrentProfile();
      if (created != nullptr && created != previous) created->SetLayout(layoutName);
      break;
    }
    case kLayoutSwitchClearAssignments: {
      // Every assignment of the profile goes: one undo step gives them back with the layout they had.
      PageUndoStep step(kProfilesPage, kNoSubPage);
      root.SetKeyboard(index);
      if (XmlProfile* profile = root.GetCurrentProfile()) {
        profile->SetLayout(layoutName);
        profile->RemoveAllAssignments();
      }
      step.Accept(L"Delete Current Function Assignments and switch to new blank Layout");
      break;
    }
    default:  // cancelled
      return;
  }

  if (index < layouts_.GetItemCount()) layouts_.SetWindowText(layouts_.GetItemText(index).c_str());
  layouts_.SetWindowText(layoutName.c_str());
  if (auto* profiles = DYNAMIC_DOWNCAST(ProfileTab, tabs_.GetPageAt(0))) {
    profiles->GetLayout().ClearKeys();
    profiles->GetLayout().BuildKeys();
  }
  tabs_.RebuildAssignmentTabs();
}

}  // namespace Talvo
