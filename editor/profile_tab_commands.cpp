// The commands of the profiles page: save, create, delete, select, clone, rename, the quick slots, and the
// import and export of profiles. Every command that changes profiles is one undo step; a command that
// changes nothing (cancelled, failed, nothing chosen) leaves none.
#include <algorithm>
#include <string>

#include "editor/profile_export.h"
#include "editor/profile_page_identity.h"
#include "editor/profile_page_undo.h"
#include "editor/profile_tab.h"
#include "editor/profile_tab_template.h"
#include "model/talvo.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kProfilesPage = 0;
constexpr std::uint16_t kNoSubPage = 65535;
constexpr int kCreateProfileLabel = 162;  // "Create Profile"
constexpr int kLoadProfileLabel = 165;    // "Load Profile"
constexpr int kDeleteProfileLabel = 166;  // "Delete Profile"
constexpr int kSelectProfileLabel = 173;  // "Select Profile"
constexpr int kQuickCheckLabel = 174;     // "Quick Check "
constexpr int kQuickSelectLabel = 175;    // "Quick Select "
constexpr size_t kMaxNameLength = 512;

int ProfileCount() {
  const XmlProfileDir* profiles = GetTalvo().GetProfiles();
  return profiles != nullptr ? profiles->Count() : 0;
}

// The label of a quick-slot step: the slot's digit followed by the text.
std::wstring SlotLabel(int slot, int textId) { return std::to_wstring(slot) + StringText(textId); }

}  // namespace

void ProfileTab::OnSaveProfile() {
  Talvo& root = GetTalvo();
  root.EnsureDataFolders();
  if (XmlProfile* profile = root.GetCurrentProfile()) profile->Save();
  NotifyDocumentsChanged();
  XmlCustomScripts* scripts = root.GetCustomScripts();
  if (scripts != nullptr && !scripts->IsSaved()) scripts->Save();
}

void ProfileTab::OnCreateProfile() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  if (main == nullptr) return;
  PageUndoStep step(kProfilesPage, kNoSubPage);
  XmlProfile* profile = root.NewProfile();
  if (profile == nullptr) return;
  // The new profile is the one the page shows and renames from now on.
  main->SetSelectedProfile(ProfileCount() - 1);
  AddMenuItem(profile->GetName());
  ShowNewCurrentProfile();
  step.Accept(StringText(kCreateProfileLabel));
  if (iEditorFrame* frame = EditorFrame()) {
    CRect client;
    frame->GetFrameWindow()->GetClientRect(&client);
    frame->GetFrameWindow()->SendMessage(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
  }
}

void ProfileTab::OnDeleteProfile() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const int before = ProfileCount();
  if (main == nullptr || before == 0 || profilesMenu_.GetItemCount() != before) return;
  const int deleted = main->GetSelectedProfile();
  PageUndoStep step(kProfilesPage, kNoSubPage);
  if (!root.DeleteCurrentProfile()) {
    const std::wstring text = L"Can not delete (error " + std::to_wstring(GetLastError()) + L"\n)";
    MessageBox(text.c_str(), nullptr, MB_OK);
    return;
  }
  profilesMenu_.RemoveItem(deleted);
  for (MenuButton& menu : slotMenus_) menu.RemoveItem(deleted);
  // Every slot keeps naming the profile it showed; a slot of the deleted profile moves to the last one and
  // stops being active. Captions are read from the indices afterwards, so both stay in step.
  const int remaining = ProfileCount();
  for (int slot = 0; slot < kQuickSlotCount; ++slot) {
    const int index = main->GetQuickProfile(slot);
    if (index == deleted) {
      main->SetQuickProfile(slot, remaining - 1);
      main->SetQuickActive(slot, false);
    } else if (index > deleted) {
      main->SetQuickProfile(slot, index - 1);
    }
  }
  ShowCurrentName();
  MarkSlots();
  Refresh();
  RebuildKeyboard();
  RebuildAssignmentPages();
  step.Accept(StringText(kDeleteProfileLabel));
  NotifyDocumentsChanged();
}

void ProfileTab::OnImportProfile() { ImportProfile(this, GetTalvo(), this); }

void ProfileTab::OnExportProfileXml() { ExportProfileXml(this, GetTalvo()); }

void ProfileTab::OnExportProfileZip() { ExportProfileZip(this, GetTalvo()); }

void ProfileTab::OnCloneProfile() {
  PageUndoStep step(kProfilesPage, kNoSubPage);
  XmlProfile* clone = CloneCurrentProfile(GetTalvo());
  if (clone == nullptr) return;
  AddMenuItem(clone->GetName());
  ShowNewCurrentProfile();
  step.Accept(StringText(kLoadProfileLabel));
}

void ProfileTab::OnSelectProfile() {
  const int number = profilesMenu_.GetChosenItem();
  if (number <= 0) return;
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  if (main == nullptr) return;
  PageUndoStep step(kProfilesPage, kNoSubPage);
  const int index = number - 1;
  root.SetCurrentProfile(index);
  if (root.GetCurrentProfile() != nullptr) {
    // The lowest slot holding the profile becomes the active one; no other slot stays active.
    int holder = -1;
    for (int slot = 0; slot < kQuickSlotCount && holder < 0; ++slot) {
      if (main->GetQuickProfile(slot) == index) holder = slot;
    }
    for (int slot = 0; slot < kQuickSlotCount; ++slot) main->SetQuickActive(slot, slot == holder);
  }
  ShowCurrentName();
  profilesMenu_.ShowItem(index);
  Refresh();
  MarkSlots();
  RebuildAssignmentPages();
  RebuildKeyboard();
  step.Accept(StringText(kSelectProfileLabel));
  NotifyDocumentsChanged();
}

void ProfileTab::OnQuickCheck(UINT id) {
  const int slot = static_cast<int>(id) - IDC_PROFILE_QUICK_CHECK_FIRST;
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  if (main == nullptr || slot < 0 || slot >= kQuickSlotCount) return;
  PageUndoStep step(kProfilesPage, kNoSubPage);
  if (slotChecks_[static_cast<size_t>(slot)].GetCheck() != BST_CHECKED) {
    main->SetQuickActive(slot, false);
    MarkSlot(slot);
    step.Accept(SlotLabel(slot, kQuickCheckLabel));
    NotifyDocumentsChanged();
    return;
  }
  const int count = ProfileCount();
  int index = main->GetQuickProfile(slot);
  if (index < 0 || index >= count) index = count - 1;  // an empty slot takes the last profile
  if (index < 0) {
    MarkSlot(slot);
    return;
  }
  const int selected = main->GetSelectedProfile();
  main->SetQuickProfile(slot, index);
  root.SetQuickProfileActive(slot, true);
  MarkSlots();
  if (index != selected) {
    RebuildKeyboard();
    Refresh();
    ShowCurrentName();
    RebuildAssignmentPages();
  }
  step.Accept(SlotLabel(slot, kQuickCheckLabel));
  NotifyDocumentsChanged();
}

void ProfileTab::OnQuickSelect(UINT id) {
  const int slot = static_cast<int>(id) - IDC_PROFILE_QUICK_MENU_FIRST;
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  if (main == nullptr || slot < 0 || slot >= kQuickSlotCount) return;
  const int number = slotMenus_[static_cast<size_t>(slot)].GetChosenItem();
  if (number <= 0) return;
  PageUndoStep step(kProfilesPage, kNoSubPage);
  const int index = number - 1;
  const int selected = main->GetSelectedProfile();
  main->SetQuickProfile(slot, index);
  const bool active = main->GetQuickActive(slot);
  if (active) root.SetCurrentProfile(index);
  MarkSlot(slot);
  if (active && index != selected) {
    RebuildKeyboard();
    Refresh();
    ShowCurrentName();
    RebuildAssignmentPages();
  }
  step.Accept(SlotLabel(slot, kQuickSelectLabel));
  NotifyDocumentsChanged();
}

// The field's text is taken as the user types, whatever it is: the profile's file is named after its id.
LRESULT ProfileTab::OnNameEdited(WPARAM, LPARAM) {
  Talvo& root = GetTalvo();
  XmlProfile* profile = root.GetCurrentProfile();
  const XmlProfileDir* profiles = root.GetProfiles();
  if (profile == nullptr || profiles == nullptr) return 0;
  std::wstring name = nameEdit_.GetWindowText();
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  if (name == profile->GetName()) return 0;
  const int index = profiles->IndexOf(profile);
  profile->SetName(name);
  profilesMenu_.SetItemText(index, name);
  profilesMenu_.SetWindowText(name);
  const XmlTalvo* main = root.GetMainDocument();
  for (int slot = 0; slot < kQuickSlotCount; ++slot) {
    MenuButton& menu = slotMenus_[static_cast<size_t>(slot)];
    menu.SetItemText(index, name);
    if (main != nullptr && main->GetQuickProfile(slot) == index) menu.SetWindowText(name);
  }
  NotifyDocumentsChanged();
  return 0;
}

}  // namespace Talvo
