#include "user_story.h"

#include <windows.h>
#include <host/core_interface.h>
#include <host/simulation.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>
#include <functional>
#include <system_error>

#include "controls/key_button_vi.h"
#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "editing/functions_tab_template.h"
#include "editor/assignment_tab.h"
#include "editor/profile_tab.h"
#include "editor/profile_tab_template.h"
#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "frame/frame.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_cell_icon_button.h"
#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "overlay/visual_interface_form.h"
#include "resources/dialogs/function_new_dlg.h"
#include "resources/dialogs/script_name_dlg.h"
#include "user_story_gestures.h"
#include "user_story_host.h"

namespace Talvo {

namespace {

constexpr UINT kStoryKey = 'J';
constexpr unsigned char kCtrl = 11;
constexpr int kSelected = 1;  // one vertex selected
constexpr int kRootMenu = 0;       // the "+" of the grid's first row
constexpr int kAnyModifiers = -1;
constexpr int kOverlayBoxes = 8;
constexpr int kTextColumn = 2;
constexpr int kGroupColumn = 4;
constexpr int kCategoryColumn = 6;
constexpr int kActionColumn = 8;
constexpr int kScriptColumn = 10;
constexpr int kChamfer = 102;  // of the "Editable Polygon Object" table
const CaseKeys kDoubleTap{kInputEditablePoly, L"vertex", kSelected, 2, kCtrl};
const CaseKeys kSingleTap{kInputEditablePoly, L"vertex", kSelected, 1, kCtrl};
// The data roots and the archive carry accented, CJK and right-to-left letters, so that every file route the
// story takes is taken with such names.
constexpr const char8_t* kFirstDayRoot = u8"first-day-journ\u00e9e-\u521d\u65e5-\u05d9\u05d5\u05dd";
constexpr const char8_t* kEmptyRoot = u8"empty-folder-vid\u00e9-\u7a7a-\u05e8\u05d9\u05e7";
constexpr const char8_t* kArchiveName = u8"profil-export\u00e9-\u6863\u6848-\u05e4\u05e8\u05d5\u05e4\u05d9\u05dc.zip";
constexpr const wchar_t* kScriptText = L"polyop.setVertSelection $ #{1..2} -- gr\u00fc\u00dfe";

class Story {
 public:
  explicit Story(const CommandLine& line) : line_(line) {}

  bool Run() {
    const std::filesystem::path stories = line_.data / "user-story";
    const std::filesystem::path first = stories / kFirstDayRoot;
    const std::filesystem::path second = stories / kEmptyRoot;
    zip_ = std::filesystem::absolute(stories) / kArchiveName;
    winsim::SetUnexpectedModalHandler([this](const std::wstring& text) {
      if (unexpected_.empty()) unexpected_ = WideToUtf8(text);
    });
    std::printf("User story: a new user's first day, in %s\n", first.string().c_str());
    bool ok = host_.Start(first) || Fail("the host could not start on " + first.string());
    ok = ok && FirstDay();
    host_.Stop();
    if (ok) {
      std::printf("User story: the profile moves to the empty data folder %s\n", second.string().c_str());
      ok = (host_.Start(second) || Fail("the host could not start on " + second.string())) && SecondFolder();
      host_.Stop();
    }
    winsim::SetUnexpectedModalHandler(nullptr);
    std::printf("User story: %s\n", ok ? "every step did what it should" : "stopped");
    return ok;
  }

 private:
  using Check = std::function<std::string()>;

  bool FirstDay() {
    return Step("open-editor", [this] { return OpenEditor(); }) &&
           Step("create-function", [this] { return CreateFunction(); }) &&
           Step("add-editable-poly", [this] { return AddEditablePoly(); }) &&
           Step("add-vertex-level", [this] { return AddVertexLevel(); }) &&
           Step("add-selection-count", [this] { return AddSelectionCount(); }) &&
           Step("add-ctrl-modifier", [this] { return AddCtrlModifier(); }) &&
           Step("add-double-tap", [this] { return AddDoubleTap(); }) &&
           Step("pick-host-action", [this] { return PickHostAction(); }) &&
           Step("write-custom-script", [this] { return WriteScript(); }) &&
           Step("assign-key", [this] { return AssignKey(); }) &&
           Step("hold-key", [this] { return HoldKey(); }, Picture::Overlay) &&
           Step("click-case", [this] { return ClickCase(); }, Picture::Host) &&
           Step("undo", [this] { return UndoCase(); }, Picture::Host) &&
           Step("export-zip", [this] { return ExportZip(); }, Picture::Host);
  }

  bool SecondFolder() {
    return Step("open-empty-editor", [this] { return OpenEditor(); }) &&
           Step("import-zip", [this] { return ImportZip(); }) &&
           Step("hold-key-again", [this] { return HoldKey(); }, Picture::Overlay) &&
           Step("click-case-again", [this] { return ClickCase(); }, Picture::Host);
  }

  // What a step's picture shows: the editor window, the overlay over the host, or the host's own window
  // with its scene, its undo list and the listener's last lines.
  enum class Picture { Editor, Overlay, Host };

  // Runs one step: its line, its pictures, and the end of the story when it did not do what it should.
  bool Step(const std::string& name, const Check& action, Picture picture = Picture::Editor) {
    ++number_;
    unexpected_.clear();
    std::string done = action();
    if (done.empty() || done.front() == '!') return Fail(name + ": " + (done.empty() ? "no result" : done.substr(1)));
    if (!unexpected_.empty()) return Fail(name + ": unexpected " + unexpected_);
    std::printf("  %2d %-20s %s\n", number_, name.c_str(), done.c_str());
    RECT area{};
    HWND window = picture == Picture::Host ? host_.SceneWindow() : EditorWindow();
    const bool overlay = picture == Picture::Overlay && viFormDlg != nullptr;
    if (overlay) {
      window = viFormDlg->GetFormWindow();
      ::GetWindowRect(window, &area);
    }
    return SaveStoryPictures(window, overlay ? &area : nullptr, line_.shots, number_, name, line_.themes);
  }

  static bool Fail(const std::string& message) {
    std::fprintf(stderr, "quillon-host: user story: %s\n", message.c_str());
    return false;
  }
  static std::string Wrong(const std::string& what) { return "!" + what; }

  static Frame* EditorFrameWindow() { return *GetFrame(); }
  static HWND EditorWindow() { return EditorFrameWindow() != nullptr ? EditorFrameWindow()->m_hWnd : nullptr; }
  static XmlFunction* Function() { return GetTalvo().GetCurrentFunction(); }
  // The function the current profile assigns to the story's key, or null.
  static const XmlFunction* KeyFunction() {
    const XmlProfile* profile = GetTalvo().GetCurrentProfile();
    const int key = StoryKeyNumber();
    if (profile == nullptr || key < 0) return nullptr;
    return GetTalvo().FindFunctionById(profile->GetFunctionIdOfKey(key));
  }
  // The story key's number on the current layout, or -1 when there is no layout.
  static int StoryKeyNumber() {
    const XmlKeyboard* layout = GetTalvo().GetCurrentKeyboard();
    return layout != nullptr ? layout->GetKeyOfVirt(kStoryKey) : -1;
  }
  template <typename Page>
  static Page* PageOf(int index) {
    return EditorFrameWindow() != nullptr ? dynamic_cast<Page*>(EditorFrameWindow()->GetTabs().GetPageAt(index))
                                          : nullptr;
  }
  static FunctionEditorTab* EditorPage() {
    FunctionsTab* functions = PageOf<FunctionsTab>(1);
    if (functions == nullptr) return nullptr;
    FunctionEditorTabs& strip = functions->GetEditorTabs();
    return strip.GetActiveTab() >= 1 ? strip.GetPage(strip.GetActiveTab() - 1) : nullptr;
  }

  std::string OpenEditor() {
    if (ShowFrame(GetFrame()) != 1 || EditorWindow() == nullptr) return Wrong("the editor window did not open");
    winsim::PumpMessages();
    return "the editor window is open with " + std::to_string(EditorFrameWindow()->GetTabs().GetPageCount()) +
           " pages";
  }

  std::string CreateFunction() {
    EditorFrameWindow()->GetTabs().ActivatePage(1);
    winsim::PumpMessages();
    FunctionsTab* page = PageOf<FunctionsTab>(1);
    const int count = GetTalvo().GetFunctions()->Count();
    winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [](HWND dialog) {
      ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_KIND_CONTEXT_SENSITIVE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_KIND_CONTEXT_SENSITIVE)));
    });
    if (page == nullptr || !ClickWindow(::GetDlgItem(page->m_hWnd, IDC_FUNCTION_NEW_BAR)))
      return Wrong("the functions page has no \"new function\" button");
    if (GetTalvo().GetFunctions()->Count() != count + 1 || Function() == nullptr)
      return Wrong("no function was created");
    if (Function()->GetDependent() != kKindContextSensitive) return Wrong("the new function is not context sensitive");
    return "created the context-sensitive function \"" + WideToUtf8(Function()->GetName()) + "\"";
  }

  std::string AddEditablePoly() {
    FunctionsTab* functions = PageOf<FunctionsTab>(1);
    CRect plus;
    if (functions == nullptr || !functions->GetEditorTabs().GetTabRect(0, plus)) return Wrong("the function editor has no \"+\" tab");
    winsim::AnswerPopupMenu(3008);  // "Add Editable Poly"
    ClickClientPoint(functions->GetEditorTabs().m_hWnd, plus.CenterPoint());
    if (!Function()->HasInput(kInputEditablePoly)) return Wrong("the function has no Editable Poly cases");
    if (EditorPage() == nullptr || EditorPage()->GetPageName() != kInputEditablePoly)
      return Wrong("the Editable Poly page is not shown");
    return "added the Editable Poly page (undo step \"" + WideToUtf8(hostsim::UndoLabels().front()) + "\")";
  }

  std::string AddVertexLevel() {
    FunctionEditorTab* page = EditorPage();
    if (page == nullptr || !ChooseFromMenu(page->GetAddCaseButton().m_hWnd, 3210))  // "Add Vertex Mode"
      return Wrong("the page offers no level menu");
    if (!Function()->HasMode(kInputEditablePoly, L"vertex")) return Wrong("the function has no vertex level");
    if (EditorPage()->GetMappedText() != L"vertex") return Wrong("the page does not show the vertex level");
    return "the Editable Poly page shows the vertex level";
  }

  std::string AddSelectionCount() {
    return AddGridCase(kRootMenu, 0, kAnyModifiers, 3130 + kSelected, "\"1 selected\"",
                       [] { return Function()->HasSelection(kInputEditablePoly, L"vertex", kSelected); });
  }
  std::string AddCtrlModifier() {
    return AddGridCase(GridCellIconButton::kModifierCaseMenu, kSelected, kAnyModifiers, 284, "\"Ctrl + Tap\"",
                       [] { return Function()->HasModifiers(kInputEditablePoly, L"vertex", kSelected, kCtrl); });
  }
  std::string AddDoubleTap() {
    return AddGridCase(GridCellIconButton::kTapCountMenu, kSelected, kCtrl, 291, "\"Double Tap\"",
                       [] { return Function()->HasPress(kDoubleTap); });
  }

  // Clicks the "+" button of a grid row (the root row, a selection row or a modifier row) and chooses
  // `command` (the menu item `item`) in its menu.
  std::string AddGridCase(int menuKind, int selection, int modifiers, UINT command, const std::string& item,
                          const std::function<bool()>& added) {
    if (EditorPage() == nullptr) return Wrong("the function editor shows no page");
    CTreeGridCtrl& grid = EditorPage()->GetGrid();
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      auto* cell = dynamic_cast<GridCellIconButton*>(grid.GetCell(row, kTextColumn));
      if (cell == nullptr || cell->menuKind != menuKind || cell->GetButton() == nullptr) continue;
      if (menuKind != kRootMenu && cell->number1 != selection) continue;
      if (modifiers != kAnyModifiers && cell->number3 != modifiers) continue;
      ChooseFromMenu(cell->GetButton()->m_hWnd, command);
      if (!added()) return Wrong("the case was not added to the function");
      return "chose " + item + " in the menu of the \"+\" button of grid row " + std::to_string(row);
    }
    return Wrong("the grid shows no \"+\" button for that case");
  }

  // The grid row of a tap case: the rows under the modifier row, in tap order.
  static int TapRow(CTreeGridCtrl& grid, const CaseKeys& keys) {
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      auto* cell = dynamic_cast<GridCellIconButton*>(grid.GetCell(row, kTextColumn));
      if (cell != nullptr && cell->menuKind == GridCellIconButton::kTapCountMenu && cell->number1 == keys.selection &&
          cell->number3 == keys.modifiers)
        return row + keys.press;
    }
    return -1;
  }

  static CellDropDown* DropDownAt(int row, int column) {
    auto* cell = dynamic_cast<GridCellDropDown*>(EditorPage()->GetGrid().GetCell(row, column));
    return cell != nullptr ? cell->GetDropDown() : nullptr;
  }

  std::string PickHostAction() {
    if (EditorPage() == nullptr) return Wrong("the function editor shows no page");
    const int row = TapRow(EditorPage()->GetGrid(), kDoubleTap);
    if (row < 0) return Wrong("the grid shows no double-tap row");
    if (!PickInDropDown(DropDownAt(row, kGroupColumn), L"Editable Polygon Object") ||
        !PickInDropDown(DropDownAt(TapRow(EditorPage()->GetGrid(), kDoubleTap), kCategoryColumn), L"Editable Polygon") ||
        !PickInDropDown(DropDownAt(TapRow(EditorPage()->GetGrid(), kDoubleTap), kActionColumn), L"Chamfer"))
      return Wrong("the pickers do not offer Editable Polygon Object > Editable Polygon > Chamfer");
    std::wstring action;
    int table = -1;
    int id = -1;
    if (!Function()->GetCaseTableAction(kDoubleTap, action, table, id) || id != kChamfer)
      return Wrong("the double tap does not run Chamfer");
    return "Ctrl + double tap with one vertex selected runs \"" + WideToUtf8(action) + "\"";
  }

  std::string WriteScript() {
    if (EditorPage() == nullptr) return Wrong("the function editor shows no page");
    int row = TapRow(EditorPage()->GetGrid(), kSingleTap);
    if (row < 0 || !PickInDropDown(DropDownAt(row, kGroupColumn), kGroupCustomCode))
      return Wrong("the single tap cannot be given custom code");
    row = TapRow(EditorPage()->GetGrid(), kSingleTap);
    CellDropDown* scriptCell = DropDownAt(row, kScriptColumn);
    if (scriptCell == nullptr || !ChooseFromMenu(scriptCell->m_hWnd, 3030, true))  // "New"
      return Wrong("the script cell offers no \"New\"");
    HWND window = ::FindWindowW(nullptr, L"Script Quillon");
    if (window == nullptr) return Wrong("no script editor opened");
    if (::IsWindowEnabled(EditorWindow())) return Wrong("the editor stays usable while the script editor is open");
    ClickWindow(::GetWindow(window, GW_CHILD));
    winsim::TypeText(kScriptText);
    winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) {
      ::SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"Select first two");
      ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    winsim::PumpMessages();
    std::wstring id;
    std::wstring name;
    std::wstring body;
    if (!Function()->GetCaseScript(kSingleTap, id) || !GetTalvo().GetCustomScripts()->GetScript(id, name, body))
      return Wrong("the single tap names no stored script");
    if (body != kScriptText) return Wrong("the stored script is not what was typed");
    if (!::IsWindowEnabled(EditorWindow())) return Wrong("the editor stays disabled after the script editor closed");
    return "Ctrl + single tap runs the new script \"" + WideToUtf8(name) + "\"";
  }

  std::string AssignKey() {
    Frame* frame = EditorFrameWindow();
    frame->GetTabs().ActivatePage(0);
    winsim::PumpMessages();
    const int key = StoryKeyNumber();
    ProfileTab* profiles = PageOf<ProfileTab>(0);
    KeyButton* button = profiles != nullptr ? profiles->GetLayout().GetKeyButton(key) : nullptr;
    if (button == nullptr || !ClickWindow(button->m_hWnd)) return Wrong("the keyboard view shows no J key");
    const int index = frame->GetTabs().FindAssignmentTab(key);
    auto* page = PageOf<AssignmentTab>(index);
    if (page == nullptr) return Wrong("clicking the key opened no key page");
    if (frame->GetTabs().GetActiveTab() != index) return Wrong("the key's page did not come to the front");
    winsim::AnswerPopupMenuItem(Function()->GetName());
    if (!ClickWindow(page->GetFunctionsMenu().m_hWnd)) {
      winsim::ResetModalResponder();
      return Wrong("the key page's functions menu cannot be reached");
    }
    if (page->GetLearningCheck().GetCheck() != BST_CHECKED) ClickWindow(page->GetLearningCheck().m_hWnd);
    const XmlProfile* profile = GetTalvo().GetCurrentProfile();
    if (profile->GetFunctionIdOfKey(key) != Function()->GetId()) return Wrong("the key is not assigned the function");
    if (!profile->GetLearningFlag(key)) return Wrong("the key is not in learning mode");
    return "key J runs \"" + WideToUtf8(Function()->GetName()) + "\" in learning mode";
  }

  // The overlay's box of the double tap, when it can be run.
  static KeyButtonVI* DoubleTapBox() {
    auto* form = dynamic_cast<VisualInterfaceForm*>(viFormDlg);
    for (int i = 0; form != nullptr && i < kOverlayBoxes; ++i) {
      KeyButtonVI* box = form->FunctionButton(i);
      if (box != nullptr && box->runnable && !box->overrideRow && box->tapCount == kDoubleTap.press) return box;
    }
    return nullptr;
  }

  std::string HoldKey() {
    host_.BuildScene();
    // Back in the host's window, where the key is held.
    ::SetForegroundWindow(GetCOREInterface()->GetMAXHWnd());
    winsim::PumpMessages();
    ::PostThreadMessageW(::GetCurrentThreadId(), ShowVisualInterfaceMessage, (static_cast<WPARAM>(kStoryKey) << 16) + 1,
                         kCtrl);
    winsim::PumpMessages();
    if (viFormDlg == nullptr) return Wrong("holding J with Ctrl shows no overlay");
    const KeyButtonVI* box = DoubleTapBox();
    const std::wstring shown = box != nullptr ? box->GetWindowText() : L"";
    if (shown.find(L"Chamfer") == std::wstring::npos) return Wrong("the overlay's double tap does not offer Chamfer");
    return "holding Ctrl + J over the box shows \"" + WideToUtf8(shown) + "\" for a double tap";
  }

  std::string ClickCase() {
    const float before = host_.LiftedHeight();
    const std::size_t runs = hostsim::ActionLog().size();
    KeyButtonVI* box = DoubleTapBox();
    if (box == nullptr || !ClickWindow(box->m_hWnd)) return Wrong("the overlay is gone");
    if (viFormDlg != nullptr) return Wrong("the overlay stays after the click");
    const std::vector<hostsim::ActionRun> log = hostsim::ActionLog();
    if (log.size() != runs + 1 || log.back().command != kChamfer) return Wrong("Chamfer did not run");
    if (host_.LiftedHeight() == before) return Wrong("the scene did not change");
    const std::vector<std::wstring> undo = hostsim::UndoLabels();
    if (undo.empty() || KeyFunction() == nullptr || undo.front() != KeyFunction()->GetName())
      return Wrong("the change is no undo step of its own");
    return "Chamfer ran on the selected vertex as the undo step \"" + WideToUtf8(undo.front()) + "\"";
  }

  std::string UndoCase() {
    const float after = host_.LiftedHeight();
    if (!hostsim::Undo()) return Wrong("the host has nothing to undo");
    winsim::PumpMessages();
    if (host_.LiftedHeight() != after - 10.0f) return Wrong("undo did not put the vertex back");
    return "undo put the vertex back";
  }

  std::string ExportZip() {
    ShowFrame(GetFrame());  // back in the editor window
    EditorFrameWindow()->GetTabs().ActivatePage(0);
    winsim::PumpMessages();
    std::error_code error;
    std::filesystem::remove(zip_, error);
    winsim::AnswerFileDialog(PathForDisplay(zip_), winsim::FileDialogKind::Save);
    ProfileTab* profiles = PageOf<ProfileTab>(0);
    if (profiles == nullptr || !ClickWindow(::GetDlgItem(profiles->m_hWnd, IDC_PROFILE_ZIP_BAR)))
      return Wrong("the profiles page has no zip export button");
    if (!std::filesystem::exists(zip_)) return Wrong("no zip archive was written");
    return "exported the profile to " + zip_.filename().string();
  }

  std::string ImportZip() {
    EditorFrameWindow()->GetTabs().ActivatePage(0);
    winsim::PumpMessages();
    winsim::AnswerFileDialog(PathForDisplay(zip_), winsim::FileDialogKind::Open);
    // The empty folder's own default profile has the same name: the user lets the import replace it.
    winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Override existing profile"));
    ProfileTab* profiles = PageOf<ProfileTab>(0);
    if (profiles == nullptr || !ClickWindow(::GetDlgItem(profiles->m_hWnd, IDC_PROFILE_IMPORT_BAR)))
      return Wrong("the profiles page has no import button");
    const XmlProfile* profile = GetTalvo().GetCurrentProfile();
    const int key = StoryKeyNumber();
    const XmlFunction* function = profile ? GetTalvo().FindFunctionById(profile->GetFunctionIdOfKey(key)) : nullptr;
    if (function == nullptr || !function->HasPress(kDoubleTap)) return Wrong("the imported profile lacks the key's function");
    std::wstring id;
    std::wstring name;
    std::wstring body;
    if (!function->GetCaseScript(kSingleTap, id) || !GetTalvo().GetCustomScripts()->GetScript(id, name, body) ||
        body != kScriptText)
      return Wrong("the imported function lacks its custom script");
    return "imported profile \"" + WideToUtf8(profile->GetName()) + "\" with \"" + WideToUtf8(function->GetName()) +
           "\" on key J";
  }

  const CommandLine& line_;
  StoryHost host_;
  std::filesystem::path zip_;
  std::string unexpected_;
  int number_ = 0;
};

}  // namespace

bool RunUserStory(const CommandLine& line) { return Story(line).Run(); }

}  // namespace Talvo
