// The dialogs, the script window and the message boxes of the editor, each opened the way the user opens
// it (or, for the rename dialogs that only a name clash brings up, with a clashing document) and saved
// while it is open.
#include <windows.h>
#include <host/simulation.h>
#include <win32/message_box_observer.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>
#include <functional>

#include "controls/cell_drop_down.h"
#include "editing/custom_code_buttons.h"
#include "editing/function_editor_tab.h"
#include "editing/function_export.h"
#include "editing/function_import.h"
#include "editing/functions_tab_template.h"
#include "editing/h_wheel_events_rename_dlg.h"
#include "editing/script_editor_launch.h"
#include "editing/script_name_dlg.h"
#include "editing/talvo_script_editor.h"
#include "editor/profile_rename_dlg.h"
#include "frame/frame.h"
#include "frame/menu.h"
#include "grid/grid_cell_editors.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "resources/dialogs/about_dlg.h"
#include "resources/dialogs/function_new_dlg.h"
#include "resources/dialogs/function_rename_dlg.h"
#include "resources/dialogs/layout_switch_dlg.h"
#include "resources/dialogs/options_dlg.h"
#include "resources/dialogs/script_name_dlg.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"
#include "tour_windows.h"
#include "user_story_gestures.h"

namespace tour {

namespace {

constexpr int kScriptColumn = 10;

void Cancel(HWND dialog) { ::EndDialog(dialog, IDCANCEL); }

void Press(HWND dialog, int button) {
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

// Opens a modal dialog through `open`, saves "dialog-<name>" while it is open and ends it through `end`.
bool ShootDialog(const Shots& shots, const std::string& name, int templateId, const std::function<void()>& open,
                 const std::function<void(HWND)>& end = Cancel) {
  const std::filesystem::path file = shots.File("dialog", name);
  bool shown = false;
  bool saved = false;
  winsim::AnswerModalDialog(templateId, [&](HWND dialog) {
    shown = true;
    saved = SaveWindow(dialog, file);
    end(dialog);
  });
  open();
  winsim::PumpMessages();
  if (!shown) {
    winsim::ResetModalResponder();
    std::fprintf(stderr, "quillon-host: the dialog %s did not open\n", name.c_str());
  }
  return shown && saved;
}

// Saves the next message box, over the windows behind it, as "dialog-<name>" and answers it with `button`.
void ShootNextMessageBox(const Shots& shots, const std::string& name, int button, bool& saved) {
  winsim::ObserveNextMessageBox(
      [&shots, name, &saved](HWND box) { saved = SaveArea(AreaAround({box}, 24), shots.File("dialog", name)); });
  winsim::AnswerMessageBox(button);
}

// The script drop-down of the first case row that has custom code on the page.
Talvo::CellDropDown* ScriptDropDown(Talvo::FunctionEditorTab& page) {
  Talvo::CTreeGridCtrl& grid = page.GetGrid();
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    auto* cell = dynamic_cast<Talvo::GridCellDropDown*>(grid.GetCell(row, kScriptColumn));
    if (cell != nullptr && cell->enabled && cell->GetDropDown() != nullptr && cell->GetDropDown()->GetSafeHwnd())
      return cell->GetDropDown();
  }
  return nullptr;
}

bool ShootMenuDialogs(const TourData& data, const Shots& shots) {
  Talvo::Frame& frame = *data.frame;
  auto command = [&frame](UINT id) { return [&frame, id] { frame.SendMessage(WM_COMMAND, id, 0); }; };
  return ShootDialog(shots, "options", Talvo::IDD_OPTIONS, command(Talvo::Menu::kOptions)) &&
         ShootDialog(shots, "about", Talvo::IDD_ABOUT, command(Talvo::Menu::kAbout));
}

bool ShootNewFunction(const TourData& data, const Shots& shots) {
  FrontEditor(data);
  data.frame->GetTabs().ActivatePage(1);
  winsim::PumpMessages();
  CWnd* page = data.frame->GetTabs().GetPageAt(1);
  return ShootDialog(shots, "new-function", Talvo::IDD_FUNCTION_NEW,
                     [page] { Talvo::ClickWindow(::GetDlgItem(page->m_hWnd, Talvo::IDC_FUNCTION_NEW_BAR)); });
}

// Importing a function under a taken name asks whether to override it; "No" brings the rename dialog,
// whose proposal the tour takes. The import is one undo step, undone afterwards.
bool ShootFunctionImport(const TourData& data, const Shots& shots) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  const std::filesystem::path file = data.files / "tour-context.xml";
  if (!Talvo::WriteFunctionExport(*root.FindFunctionById(data.functionId), root.GetCustomScripts(), file)) {
    std::fprintf(stderr, "quillon-host: the tour's function could not be exported\n");
    return false;
  }
  bool overrideSaved = false;
  ShootNextMessageBox(shots, "override", IDNO, overrideSaved);
  CWnd* page = data.frame->GetTabs().GetPageAt(1);
  const std::size_t steps = hostsim::UndoLabels().size();
  const bool renamed = ShootDialog(
      shots, "function-rename", Talvo::IDD_FUNCTION_RENAME, [&] { Talvo::ImportFunctionFile(page, root, file); },
      [](HWND dialog) { Press(dialog, IDOK); });
  if (hostsim::UndoLabels().size() > steps) hostsim::Undo();
  winsim::PumpMessages();
  return overrideSaved && renamed;
}

bool ShootRenameDialogs(const TourData& data, const Shots& shots) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  Talvo::RegisterProfileRenameDlgTemplate();
  return ShootDialog(shots, "profile-rename", Talvo::hProfileRenameDlg::IDD,
                     [&] {
                       Talvo::hProfileRenameDlg dialog(root.GetCurrentProfile(), data.frame);
                       dialog.DoModal();
                     }) &&
         ShootDialog(shots, "wheel-events-rename", Talvo::IDD_WHEEL_EVENTS_RENAME, [&] {
           Talvo::hWheelEventsRenameDlg dialog(data.frame);
           dialog.wheelEvents = root.GetWheelEvents(0);
           dialog.DoModal();
         });
}

// The script window of the page's custom code, the name dialog of a new script, and the question before
// a script is deleted (answered "No").
bool ShootScriptWindows(const TourData& data, const Shots& shots) {
  Talvo::FunctionEditorTab* page = ShowFunctionPage(*data.frame, data.functionId, Talvo::kInputEditablePoly);
  Talvo::CellDropDown* dropDown = page != nullptr ? ScriptDropDown(*page) : nullptr;
  Talvo::TalvoScriptEditor* editor = dropDown != nullptr ? Talvo::EditCustomScript(dropDown, data.scriptId) : nullptr;
  if (editor == nullptr || editor->GetHWND() == nullptr) {
    std::fprintf(stderr, "quillon-host: the script window did not open %p %p\n", (void*)page, (void*)dropDown);
    return false;
  }
  winsim::PumpMessages();
  const bool window = SaveWindow(editor->GetHWND(), shots.File("dialog", "script-window"));
  ::SendMessageW(editor->GetHWND(), WM_CLOSE, 0, 0);
  winsim::PumpMessages();

  std::wstring name = L"Tour Script 2";
  const bool named = ShootDialog(shots, "script-name", Talvo::IDD_SCRIPT_NAME, [&] {
    Talvo::ScriptNameDlg dialog(data.frame);
    dialog.name = &name;
    dialog.DoModal();
  });
  bool deleteSaved = false;
  ShootNextMessageBox(shots, "delete-source-script", IDNO, deleteSaved);
  Talvo::DeleteScript(data.frame->m_hWnd, data.scriptId);
  winsim::PumpMessages();
  return window && named && deleteSaved;
}

}  // namespace

bool ShootDialogs(const TourData& data, const Shots& shots) {
  return ShootMenuDialogs(data, shots) && ShootNewFunction(data, shots) && ShootFunctionImport(data, shots) &&
         ShootRenameDialogs(data, shots) && ShootScriptWindows(data, shots);
}

}  // namespace tour
