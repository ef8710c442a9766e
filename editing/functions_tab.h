// FunctionsTab: the editor window's functions page. The user picks the current function from the menu
// button, creates, renames (live, while typing), deletes, saves, imports, exports and clones functions,
// switches the learning mode and edits the cases in the embedded function editor strip. The page owns no
// data: the functions are the function folder's documents and the current one is the index kept in the
// main settings document. Every change of functions is one host undo step; renaming, saving, exporting
// and the learning switch are not.
#pragma once

#include <string>

#include "controls/edit.h"
#include "controls/label.h"
#include "controls/menu_button.h"
#include "controls/picture.h"
#include "editing/function_editor_tabs.h"
#include "editing/function_page_toolbar.h"
#include "pagebase/window_tab.h"

struct NotifyInfo;

namespace Talvo {

class XmlFunction;

class FunctionsTab : public WindowTab {
  DECLARE_DYNAMIC(FunctionsTab)
 public:
  static constexpr UINT kTemplateId = 105;
  // Toolbar commands.
  static constexpr UINT kNewCommand = 3005;
  static constexpr UINT kDeleteCommand = 3006;
  static constexpr UINT kSaveCommand = 3007;
  static constexpr UINT kImportCommand = 3008;
  static constexpr UINT kExportCommand = 3011;

  explicit FunctionsTab(CWnd* parent = nullptr);
  ~FunctionsTab() override;

  BOOL OnInitDialog() override;
  std::wstring GetIconFileName() const override { return L"TalvoProfile"; }
  int GetIconCount() const override { return 5; }

  // Re-reads the folder and the current function after changes made elsewhere (undo, redo, other pages).
  void RefreshAll();
  // Refills the function menu from the folder and shows the current function.
  void FillFunctionMenu();
  // Shows the current function's name in the name field and the menu caption.
  void ShowCurrentFunction();
  // The learning check box follows the current function, and the editor strip is rebuilt.
  void RefreshEditor();
  // The modifier string id of the editor strip's active case page, or -1.
  int GetActiveModifier() const;
  FunctionEditorTabs& GetEditorTabs() { return editorTabs_; }

  // The commands, as the toolbar, the menu button and the editor window's menu run them.
  void NewFunction();
  void SelectFunction();
  void DeleteFunction();
  void SaveFunction();
  void RenameFunction();
  // True when a function was imported (added, or put over one of the same name).
  bool ImportFunction();
  void ExportFunction();
  void CloneFunction();
  void OnLearningModeCheck();

  // The controls, for the editor window's tour and the tests.
  Edit& GetNameEdit() { return name_; }
  MenuButton& GetFunctionMenu() { return menu_; }
  CButton& GetLearningCheck() { return learning_; }
  Picture& GetLogo() { return logo_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT type, int cx, int cy);
  void OnImportCommand() { ImportFunction(); }
  LRESULT OnNameEdited(WPARAM wParam, LPARAM lParam);
  LRESULT OnLoadFunction(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeleteFunction(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloneFunction(WPARAM wParam, LPARAM lParam);
  LRESULT OnExportFunction(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Opens an undo step of the functions page; AcceptUndoStep closes it with a string-table label, and
  // drops it when the command changed nothing.
  void BeginUndoStep();
  static void AcceptUndoStep(int labelId, const wchar_t* fallback, bool changed = true);
  // The page strip refreshes its key-assignment pages and the editor window its unsaved lists.
  void TellStripAndFrame();
  // Shows `function` as the current one: name field (enabled), menu caption, learning box, editor strip.
  void ShowFunction(const XmlFunction& function);
  void ShowName(const std::wstring& name, bool enabled);
  static void OnHostColorChange(void* param, NotifyInfo* info);

  Label currentLabel_;
  Edit name_;
  Label existingLabel_;
  MenuButton menu_;
  FunctionEditorTabs editorTabs_;
  Picture logo_;
  CButton learning_;
  PageToolbars toolbars_;
  bool registered_ = false;
};

}  // namespace Talvo
