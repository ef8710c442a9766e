// WheelEventsTab: the editor window's page for the mouse-wheel settings. The user keeps several named
// wheel-events sets, one of them current; the page renames the current set while the user types, lists
// every set in a menu button and offers save, new, delete, import, export and clone. The category pages
// of the current set live in the embedded strip; they point into the set's in-memory model, so the strip
// is torn down before the current set is replaced, re-read or deleted, and rebuilt after. A saved set
// that becomes current is applied (written for the companion script). None of these commands is an
// undo step.
#pragma once

#include <string>

#include "controls/edit.h"
#include "controls/label.h"
#include "controls/menu_button.h"
#include "controls/picture.h"
#include "editing/function_page_toolbar.h"
#include "editing/wheel_events_editor_tabs.h"
#include "pagebase/window_tab.h"

struct NotifyInfo;

namespace Talvo {

class XmlWheelEvents;

class WheelEventsTab : public WindowTab {
  DECLARE_DYNAMIC(WheelEventsTab)
 public:
  static constexpr UINT kTemplateId = 137;
  // Toolbar commands.
  static constexpr UINT kNewCommand = 4501;
  static constexpr UINT kSaveCommand = 4502;
  static constexpr UINT kImportCommand = 4503;
  static constexpr UINT kDeleteCommand = 4504;
  static constexpr UINT kExportCommand = 4505;

  explicit WheelEventsTab(CWnd* parent = nullptr);
  ~WheelEventsTab() override;

  BOOL OnInitDialog() override;
  std::wstring GetIconFileName() const override { return L"TalvoProfile"; }
  int GetIconCount() const override { return 5; }

  // Shows the current set's name in the edit and as the menu caption.
  void ShowCurrentWheelEvents();
  WheelEventsEditorTabs& GetEditorTabs() { return tabs_; }

  // The commands, as the toolbar, the menu button and the page's private messages run them.
  void NewWheelEvents();
  void SelectWheelEvents();
  void RenameWheelEvents();
  void SaveWheelEvents();
  void DeleteWheelEvents();
  void ImportWheelEvents();
  void ExportWheelEvents();
  void CloneWheelEvents();

  // The controls, for the editor window's tour and the tests.
  Edit& GetNameEdit() { return name_; }
  MenuButton& GetSetsMenu() { return menu_; }
  Picture& GetLogo() { return logo_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT type, int cx, int cy);
  LRESULT OnRename(WPARAM wParam, LPARAM lParam);
  LRESULT OnLoad(WPARAM wParam, LPARAM lParam);
  LRESULT OnDelete(WPARAM wParam, LPARAM lParam);
  LRESULT OnClone(WPARAM wParam, LPARAM lParam);
  LRESULT OnExport(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowName(const std::wstring& name, bool enabled);
  // Shows a set that an import or clone appended as the current one: edit, menu item and caption.
  void ShowAddedSet(const XmlWheelEvents& set);
  // Writes the set for the companion script; a failure is reported.
  void ApplyOrReport(const XmlWheelEvents& set);
  static void OnHostColorChange(void* param, NotifyInfo* info);

  Label title_;
  Edit name_;
  Label existing_;
  MenuButton menu_;
  WheelEventsEditorTabs tabs_;
  Picture logo_;
  PageToolbars toolbars_;
  bool registered_ = false;
};

}  // namespace Talvo
