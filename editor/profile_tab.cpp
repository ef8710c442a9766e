#include "editor/profile_tab.h"

#include <host/debug.h>
#include <host/notify.h>

#include <algorithm>

#include "editing/function_page_logo.h"
#include "controls/visual_manager.h"
#include "editor/profile_page_undo.h"
#include "editor/profile_tab_template.h"
#include "engine/messages.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {

constexpr int kCurrentProfileText = 152;    // "Current Profile"
constexpr int kExistingProfilesText = 153;  // "Existing Profiles"
constexpr UINT kAllPictureImages = 1 | 2 | 4 | 8;

// The toolbar buttons: control, command, first of the two icons (up, pressed).
const std::vector<PageToolbarButton> kToolbarButtons = {
    {IDC_PROFILE_SAVE_BAR, 3001, 0},   {IDC_PROFILE_NEW_BAR, 3002, 2},    {IDC_PROFILE_DELETE_BAR, 3003, 4},
    {IDC_PROFILE_IMPORT_BAR, 3004, 6}, {IDC_PROFILE_EXPORT_BAR, 3014, 8}, {IDC_PROFILE_ZIP_BAR, 3015, 10},
};

}  // namespace

IMPLEMENT_DYNAMIC(ProfileTab, WindowTab)

BEGIN_MESSAGE_MAP(ProfileTab, WindowTab)
  ON_WM_SIZE()
  ON_COMMAND(3001, &ProfileTab::OnSaveProfile)
  ON_COMMAND(3002, &ProfileTab::OnCreateProfile)
  ON_COMMAND(3003, &ProfileTab::OnDeleteProfile)
  ON_COMMAND(3004, &ProfileTab::OnImportProfile)
  ON_COMMAND(3014, &ProfileTab::OnExportProfileXml)
  ON_COMMAND(3015, &ProfileTab::OnExportProfileZip)
  ON_BN_CLICKED(IDC_PROFILE_MENU, &ProfileTab::OnSelectProfile)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_PROFILE_QUICK_MENU_FIRST, IDC_PROFILE_QUICK_MENU_FIRST + 5, &ProfileTab::OnQuickSelect)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_PROFILE_QUICK_CHECK_FIRST, IDC_PROFILE_QUICK_CHECK_FIRST + 5, &ProfileTab::OnQuickCheck)
  ON_MESSAGE(ProfileNameEditedMessage, &ProfileTab::OnNameEdited)
  ON_MESSAGE(LoadProfileMessage, &ProfileTab::OnLoadProfileMessage)
  ON_MESSAGE(DeleteProfileMessage, &ProfileTab::OnDeleteProfileMessage)
  ON_MESSAGE(CloneProfileMessage, &ProfileTab::OnCloneProfileMessage)
  ON_MESSAGE(ExportProfileMessage, &ProfileTab::OnExportProfileMessage)
END_MESSAGE_MAP()

ProfileTab::ProfileTab(CWnd* parent) : WindowTab(kTemplateId, parent), layout_(kLayoutKindAnsi) {
  RegisterProfileTabTemplate();
}

ProfileTab::~ProfileTab() {
  if (registered_) UnRegisterNotification(&ProfileTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE);
}

void ProfileTab::DoDataExchange(CDataExchange* pDX) {
  WindowTab::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROFILE_CURRENT_LABEL, currentLabel_);
  DDX_Control(pDX, IDC_PROFILE_EXISTING_LABEL, existingLabel_);
  DDX_Control(pDX, IDC_PROFILE_QUICK_LABEL, quickLabel_);
  DDX_Control(pDX, IDC_PROFILE_NAME, nameEdit_);
  DDX_Control(pDX, IDC_PROFILE_MENU, profilesMenu_);
  for (int slot = 0; slot < kQuickSlotCount; ++slot) {
    DDX_Control(pDX, IDC_PROFILE_QUICK_MENU_FIRST + slot, slotMenus_[static_cast<size_t>(slot)]);
    DDX_Control(pDX, IDC_PROFILE_QUICK_CHECK_FIRST + slot, slotChecks_[static_cast<size_t>(slot)]);
    DDX_Control(pDX, IDC_PROFILE_QUICK_MARKER_FIRST + slot, slotMarkers_[static_cast<size_t>(slot)]);
  }
  DDX_Control(pDX, IDC_PROFILE_KEYBOARD, layout_);
  DDX_Control(pDX, IDC_PROFILE_LOGO, logo_);
}

BOOL ProfileTab::OnInitDialog() {
  WindowTab::OnInitDialog();
  nameEdit_.notifyMessage = ProfileNameEditedMessage;
  currentLabel_.SetText(StringText(kCurrentProfileText));
  existingLabel_.SetText(StringText(kExistingProfilesText));
  quickLabel_.SetText(L"Quick Profile Selection");
  if (const XmlProfileDir* profiles = GetTalvo().GetProfiles()) {
    for (int i = 0; i < profiles->Count(); ++i) AddMenuItem(profiles->GetProfile(i)->GetName());
  }
  ShowCurrentName();
  MarkSlots();
  MakeToolbars();
  layout_.BuildKeys();
  Refresh();
  LoadImages();
  CRect client;
  GetClientRect(&client);
  PlaceControls(client.Width(), client.Height());
  return TRUE;
}

void ProfileTab::MakeToolbars() {
  toolbars_.Create(*this, kToolbarButtons, GetImageList());
  if (CWnd* spare = GetDlgItem(IDC_PROFILE_SPARE_BAR)) spare->ShowWindow(SW_HIDE);
  if (!registered_) {
    registered_ = RegisterNotification(&ProfileTab::OnHostColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
}

// Registered after the page base, so the base has made the new image list when this runs.
void ProfileTab::OnHostColorChange(void* param, NotifyInfo*) {
  auto* page = static_cast<ProfileTab*>(param);
  page->toolbars_.SetImages(page->GetImageList());
  page->LoadImages();
}

void ProfileTab::LoadImages() {
  const std::wstring folder = ThemedIconFolder();
  for (int slot = 0; slot < kQuickSlotCount; ++slot) {
    slotMarkers_[static_cast<size_t>(slot)].LoadImages(folder, L"Talvo_" + std::to_wstring(slot + 1), L"bmp",
                                                       kAllPictureImages);
  }
  MarkSlots();
  LoadPageLogo(logo_);
}

void ProfileTab::OnSize(UINT nType, int cx, int cy) {
  WindowTab::OnSize(nType, cx, cy);
  PlaceControls(cx, cy);
}

// The keyboard view keeps an aspect between 3.68 and 5.5 and leaves room for the quick slots below it;
// the slots spread evenly along the bottom edge.
void ProfileTab::PlaceControls(int cw, int ch) {
  CRect client;
  CRect window;
  GetClientRect(&client);
  GetWindowRect(&window);
  if (client.IsRectEmpty() || window.IsRectEmpty() || layout_.GetSafeHwnd() == nullptr) return;
  CRect view;
  layout_.GetWindowRect(&view);
  const int vw = cw - 31;
  int vh = ch - 116 - (view.top - window.top);
  if (vh > 0 && static_cast<double>(vw) / vh > 5.5) vh = static_cast<int>(vw / 5.5);
  if (vh <= 0 || static_cast<double>(vw) / vh < 3.68) vh = static_cast<int>(vw / 3.68);
  CRect marker;
  slotMarkers_[0].GetWindowRect(&marker);
  const int avail = ch - marker.Width() - 46;
  const int height = vh + 140 > avail - 48 ? avail - 188 : vh;
  layout_.SetWindowPos(nullptr, 16, 140, vw, std::max(height, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  quickLabel_.SetWindowPos(nullptr, 21, ch - 96, 150, 24, SWP_NOZORDER | SWP_NOACTIVATE);
  const int step = (cw - 811) / 6;
  int x = step / 2;
  for (size_t slot = 0; slot < slotMenus_.size(); ++slot) {
    slotMenus_[slot].SetWindowPos(nullptr, x, ch - 40, 130, 24, SWP_NOZORDER | SWP_NOACTIVATE);
    slotChecks_[slot].SetWindowPos(nullptr, x + 136, ch - 38, 20, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect own;
    slotMarkers_[slot].GetWindowRect(&own);
    const int p = own.Width() + 1;
    slotMarkers_[slot].SetWindowPos(nullptr, x + 65 - p / 2, ch - 45 - p, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    x += step + 130;
  }
  PlacePageLogo(*this, logo_);
}

void ProfileTab::AddMenuItem(const std::wstring& name) {
  profilesMenu_.AddItem(name);
  for (MenuButton& menu : slotMenus_) menu.AddItem(name);
}

void ProfileTab::ShowCurrentName() {
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  const std::wstring name = profile != nullptr ? profile->GetName() : std::wstring();
  // Showing the name must not read back as the user renaming the profile.
  const UINT notify = nameEdit_.notifyMessage;
  nameEdit_.notifyMessage = 0;
  nameEdit_.SetWindowText(name);
  nameEdit_.notifyMessage = notify;
  nameEdit_.EnableWindow(profile != nullptr);
  nameEdit_.Invalidate();
  profilesMenu_.SetWindowText(name);
}

void ProfileTab::MarkSlot(int slot) {
  const XmlTalvo* main = GetTalvo().GetMainDocument();
  const XmlProfileDir* profiles = GetTalvo().GetProfiles();
  const int index = main != nullptr ? main->GetQuickProfile(slot) : -1;
  const bool valid = profiles != nullptr && index >= 0 && index < profiles->Count();
  const bool active = valid && main->GetQuickActive(slot);
  MenuButton& menu = slotMenus_[static_cast<size_t>(slot)];
  menu.SetWindowText(valid ? profiles->GetProfile(index)->GetName() : std::wstring());
  CButton& check = slotChecks_[static_cast<size_t>(slot)];
  check.SetCheck(active ? BST_CHECKED : BST_UNCHECKED);
  check.EnableWindow(valid);
  Picture& marker = slotMarkers_[static_cast<size_t>(slot)];
  marker.shown = active;
  marker.Invalidate();
}

void ProfileTab::MarkSlots() {
  for (int slot = 0; slot < kQuickSlotCount; ++slot) MarkSlot(slot);
}

void ProfileTab::RebuildMenus() {
  Talvo& root = GetTalvo();
  profilesMenu_.RemoveAllItems();
  for (MenuButton& menu : slotMenus_) menu.RemoveAllItems();
  const XmlProfileDir* profiles = root.GetProfiles();
  const int count = profiles != nullptr ? profiles->Count() : 0;
  for (int i = 0; i < count; ++i) AddMenuItem(profiles->GetProfile(i)->GetName());
  DebugPrint(L"\n count = %i \n", count);
  XmlTalvo* main = root.GetMainDocument();
  if (main != nullptr && count > 0 && main->GetSelectedProfile() >= count) main->SetSelectedProfile(count - 1);
  ShowCurrentName();
  MarkSlots();
}

void ProfileTab::SyncControls() {
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const XmlProfileDir* profiles = root.GetProfiles();
  if (main != nullptr && profiles != nullptr && profiles->Count() > 0 && root.GetCurrentProfile() == nullptr) {
    main->SetSelectedProfile(0);
  }
  ShowCurrentName();
  MarkSlots();
}

void ProfileTab::Refresh() {
  iEditorFrame* frame = EditorFrame();
  if (frame == nullptr) return;
  Talvo& root = GetTalvo();
  if (const XmlProfile* profile = root.GetCurrentProfile()) {
    frame->SetLayoutsCaption(profile->GetLayout());
  } else if (const XmlTalvo* main = root.GetMainDocument()) {
    frame->SetLayoutsCaption(main->GetSelectedLayout());
  }
}

void ProfileTab::RebuildKeyboard() {
  layout_.ClearKeys();
  layout_.BuildKeys();
}

void ProfileTab::RebuildAssignmentPages() {
  if (iEditorFrame* frame = EditorFrame()) frame->GetPageTabs().RebuildAssignmentTabs();
}

void ProfileTab::NotifyDocumentsChanged() {
  if (HWND editor = EditorWindow()) ::SendMessageW(editor, DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

void ProfileTab::ShowNewCurrentProfile() {
  Talvo& root = GetTalvo();
  for (int slot = 0; slot < kQuickSlotCount; ++slot) root.SetQuickProfileActive(slot, false);
  ShowCurrentName();
  MarkSlots();
  RebuildKeyboard();
  Refresh();
  RebuildAssignmentPages();
  NotifyDocumentsChanged();
}

void ProfileTab::ShowImportedProfile(XmlProfile& profile, bool replacedExisting) {
  if (!replacedExisting) AddMenuItem(profile.GetName());
  ShowNewCurrentProfile();
}

LRESULT ProfileTab::OnLoadProfileMessage(WPARAM, LPARAM) {
  OnImportProfile();
  return 0;
}

LRESULT ProfileTab::OnDeleteProfileMessage(WPARAM, LPARAM) {
  OnDeleteProfile();
  return 0;
}

LRESULT ProfileTab::OnCloneProfileMessage(WPARAM, LPARAM) {
  OnCloneProfile();
  return 0;
}

LRESULT ProfileTab::OnExportProfileMessage(WPARAM, LPARAM) {
  OnExportProfileXml();
  return 0;
}

}  // namespace Talvo
