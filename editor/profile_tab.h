// ProfileTab: page 0 of the editor window. It shows the current profile's name (renamed as the user
// types), a menu of every profile, a toolbar of six commands (save, create, delete, import, export as
// XML, export as zip), the keyboard view of the current layout and profile, and six quick-profile slots,
// each a profiles menu with a check box and a marker picture. Every profile change but save and rename
// is one host undo step.
#pragma once

#include <array>
#include <string>

#include "editing/function_page_toolbar.h"

#include "controls/check_box.h"
#include "controls/edit.h"
#include "controls/label.h"
#include "controls/menu_button.h"
#include "controls/picture.h"
#include "editor/layout.h"
#include "editor/profile_import.h"
#include "pagebase/window_tab.h"

struct NotifyInfo;

namespace Talvo {

class ProfileTab : public WindowTab, public iProfileImportView {
  DECLARE_DYNAMIC(ProfileTab)
 public:
  static constexpr UINT kTemplateId = 104;
  static constexpr int kQuickSlotCount = 6;

  explicit ProfileTab(CWnd* parent = nullptr);
  ~ProfileTab() override;

  BOOL OnInitDialog() override;
  std::wstring GetIconFileName() const override { return L"TalvoProfile"; }
  int GetIconCount() const override { return 28; }

  // Refills the profiles menu and the six slot menus from the profile folder and re-reads every slot.
  void RebuildMenus();
  // Re-reads the selection and the slots without refilling the menus.
  void SyncControls();
  // Writes the current layout's name as the caption of the editor window's "Layouts" button.
  void Refresh();
  Layout& GetLayout() { return layout_; }
  // Creates a profile on the current layout (toolbar command 3002 and the layout switch's "create").
  void OnCreateProfile();

  void ShowImportedProfile(XmlProfile& profile, bool replacedExisting) override;

  // The controls, for the editor window's tour and the tests.
  Edit& GetNameEdit() { return nameEdit_; }
  MenuButton& GetProfilesMenu() { return profilesMenu_; }
  MenuButton& GetSlotMenu(int slot) { return slotMenus_[slot]; }
  CButton& GetSlotCheck(int slot) { return slotChecks_[slot]; }
  Picture& GetSlotMarker(int slot) { return slotMarkers_[slot]; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT nType, int cx, int cy);
  void OnSaveProfile();
  void OnDeleteProfile();
  void OnImportProfile();
  void OnExportProfileXml();
  void OnExportProfileZip();
  void OnCloneProfile();
  void OnSelectProfile();
  void OnQuickSelect(UINT id);
  void OnQuickCheck(UINT id);
  LRESULT OnNameEdited(WPARAM wParam, LPARAM lParam);
  // The editor menu's forwarded commands; wParam and lParam are ignored.
  LRESULT OnLoadProfileMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeleteProfileMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloneProfileMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnExportProfileMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  static void OnHostColorChange(void* param, NotifyInfo* info);
  void MakeToolbars();
  void LoadImages();
  void PlaceControls(int cx, int cy);
  // Shows the current profile's name in the edit field and as the profiles menu caption (both empty and
  // the field disabled without one).
  void ShowCurrentName();
  // Sets a slot's caption, check box and marker from its stored profile index and active flag.
  void MarkSlot(int slot);
  void MarkSlots();
  // Adds a profile name to the profiles menu and every slot menu.
  void AddMenuItem(const std::wstring& name);
  // After a new profile became current: all slots inactive, the keyboard and the assignment pages rebuilt.
  void ShowNewCurrentProfile();
  void RebuildKeyboard();
  void RebuildAssignmentPages();
  // Tells the editor window that documents changed (lParam this page).
  void NotifyDocumentsChanged();

  Label currentLabel_;
  Label existingLabel_;
  Label quickLabel_;
  Edit nameEdit_;
  MenuButton profilesMenu_;
  std::array<MenuButton, kQuickSlotCount> slotMenus_;
  std::array<CheckBox, kQuickSlotCount> slotChecks_;
  std::array<Picture, kQuickSlotCount> slotMarkers_;
  Picture logo_;
  Layout layout_;
  PageToolbars toolbars_;
  bool registered_ = false;
};

}  // namespace Talvo
