#include "tour_windows.h"

#include <windows.h>
#include <host/simulation.h>
#include <max.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>
#include <system_error>

#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "engine/messages.h"
#include "engine/restore_obj.h"
#include "frame/frame.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_talvo.h"
#include "tour_overlays.h"

namespace tour {

namespace {

using Talvo::CaseKeys;
using Talvo::XmlFunction;

constexpr unsigned char kPlain = 3;
constexpr unsigned char kCtrl = 11;
constexpr int kMoreThanTwo = 3;  // the selection count "more than 2"

void AddTableCase(XmlFunction& function, const CaseKeys& keys) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, L"Main UI");
  function.SetCaseCategory(keys, L"Edit");
  function.SetCaseTableAction(keys, L"Undo Scene Operation", static_cast<int>(kActionMainUI), 40001);
}

void AddScriptCase(XmlFunction& function, const CaseKeys& keys, const std::wstring& scriptId) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, Talvo::kGroupCustomCode);
  function.SetCaseScript(keys, scriptId);
}

XmlFunction* MakeFunction(int kind, const wchar_t* name) {
  XmlFunction* function = Talvo::GetTalvo().CreateFunction(kind);
  if (function == nullptr) return nullptr;
  function->SetDependent(kind);
  function->SetName(name);
  return function;
}

// The letter keys of the current layout that carry nothing yet, first to last.
std::vector<std::pair<int, int>> FreeLetterKeys() {
  Talvo::Talvo& root = Talvo::GetTalvo();
  std::vector<std::pair<int, int>> keys;
  for (int letter = 'A'; letter <= 'Z'; ++letter) {
    const int key = root.GetCurrentKeyboard()->GetKeyOfVirt(letter);
    if (key >= 0 && !root.GetCurrentProfile()->HasAssignment(key) &&
        !root.GetCurrentProfile()->HasVisualAssignment(key))
      keys.emplace_back(key, letter);
  }
  return keys;
}

// One undo step with what the windows show: a script, a context-sensitive function with Editable Poly
// and Unwrap UVW cases (one for "more than 2" selected) on a key in learning mode, a classic function, a
// key with the learning interface, a key whose function is gone ("Undefined"), the overlay's functions
// and two active quick-profile slots.
bool MakeTourData(TourData& data) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  Talvo::XmlProfile* profile = root.GetCurrentProfile();
  if (profile == nullptr || root.GetCurrentKeyboard() == nullptr || root.GetCustomScripts() == nullptr ||
      root.GetFunctions() == nullptr)
    return false;
  const std::vector<std::pair<int, int>> keys = FreeLetterKeys();
  if (keys.size() < 4) return false;
  theHold.Begin();
  theHold.Put(new Talvo::TalvoDataRestoreObj(0, 65535));
  root.GetCustomScripts()->AddScript(L"Tour Script", L"print \"tour\"", data.scriptId);
  Talvo::RefreshScriptNames();

  XmlFunction* context = MakeFunction(Talvo::kKindContextSensitive, L"Tour Context");
  for (const wchar_t* input : {Talvo::kInputEditablePoly, Talvo::kInputUnwrapUVW}) {
    AddTableCase(*context, {input, L"vertex", 0, 1, kPlain});
    AddScriptCase(*context, {input, L"vertex", 0, 2, kPlain}, data.scriptId);
    AddTableCase(*context, {input, L"vertex", 0, 1, kCtrl});
    AddTableCase(*context, {input, L"vertex", kMoreThanTwo, 1, kPlain});
  }
  data.functionId = context->GetId();
  XmlFunction* classic = MakeFunction(Talvo::kKindClassic, L"Tour Classic");
  AddTableCase(*classic, {Talvo::kInputClassic, Talvo::kModeGlobal, 0, 1, kPlain});
  AddScriptCase(*classic, {Talvo::kInputClassic, Talvo::kModeGlobal, 0, 1, kCtrl}, data.scriptId);
  AddTableCase(*classic, {Talvo::kInputClassic, Talvo::kModeGlobal, 0, 2, kPlain});
  data.classicId = classic->GetId();

  data.functionKey = keys[0].first;
  data.functionLetter = keys[0].second;
  profile->Assign(keys[0].first, keys[0].second, data.functionId, true, true);
  data.learningKey = keys[1].first;
  profile->AddVisualAssignment(data.learningKey);
  profile->Assign(keys[2].first, keys[2].second, L"tour-function-that-is-gone", false, false);
  data.overlayLetter = keys[3].second;
  MakeOverlayFunction(keys[3].first, keys[3].second);
  Talvo::XmlTalvo* main = root.GetMainDocument();
  for (int slot = 0; slot < 2; ++slot) {
    main->SetQuickProfile(slot, root.GetProfiles()->IndexOf(profile));
    main->SetQuickActive(slot, true);
  }
  theHold.Accept(L"Tour Windows");
  return true;
}

}  // namespace

void FrontEditor(const TourData& data) {
  ::SetForegroundWindow(data.frame->m_hWnd);
  winsim::PumpMessages();
}

Talvo::FunctionEditorTab* ShowFunctionPage(Talvo::Frame& frame, const std::wstring& functionId,
                                           const std::wstring& input) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  root.GetMainDocument()->SetSelectedFunction(root.IndexOfFunctionById(functionId));
  frame.GetTabs().ActivatePage(1);
  auto* functions = dynamic_cast<Talvo::FunctionsTab*>(frame.GetTabs().GetPageAt(1));
  if (functions == nullptr) return nullptr;
  functions->RefreshAll();
  winsim::PumpMessages();
  Talvo::FunctionEditorTabs& strip = functions->GetEditorTabs();
  for (int i = 0; i < strip.GetPageCount(); ++i) {
    if (strip.GetPage(i)->GetPageName() != input) continue;
    strip.SetActiveTab(i + 1);
    // The plain cases of no selection open, as the user opens them with a click on their row.
    strip.GetPage(i)->SendMessage(Talvo::WM_SELECT_CASE_CELL, 0, kPlain);
    winsim::PumpMessages();
    return strip.GetPage(i);
  }
  return nullptr;
}

bool TourWindows(const std::filesystem::path& folder, const std::filesystem::path& dataFolder,
                 const std::vector<std::string>& themes) {
  TourData data;
  data.files = dataFolder / "tour-files";
  std::error_code error;
  std::filesystem::create_directories(data.files, error);
  hostsim::InstallStandardActions();
  // The script window stores its script when it closes, and the scripts are saved with every change; the
  // undo at the end puts the document back in memory only, so its file is put back afterwards too.
  Talvo::XmlCustomScripts* scripts = Talvo::GetTalvo().GetCustomScripts();
  const bool scriptsMatchedFile = scripts != nullptr && scripts->MatchesFile();
  const std::size_t stepsBefore = hostsim::UndoLabels().size();
  if (!MakeTourData(data)) {
    std::printf("Windows tour: no profile, layout, script and function folders with free keys; skipped\n");
    return true;
  }
  Talvo::Frame** global = Talvo::GetFrame();
  bool saved = Talvo::ShowFrame(global) == 1;
  if (!saved) std::fprintf(stderr, "quillon-host: the editor window could not be opened\n");
  winsim::PumpMessages();
  data.frame = saved ? *global : nullptr;
  for (const std::string& theme : themes) {
    if (!saved) break;
    UseTheme(theme);
    const Shots shots{folder, theme};
    saved = ShootDialogs(data, shots) && ShootMenus(data, shots) && ShootPages(data, shots);
  }
  if (*global != nullptr) ::SendMessageW((*global)->m_hWnd, WM_CLOSE, 0, 0);
  winsim::PumpMessages();
  for (const std::string& theme : themes) {
    if (!saved) break;
    UseTheme(theme);
    saved = ShootOverlays(data, Shots{folder, theme});
  }
  UseTheme("light");
  // The script window applies its script to the case when it closes, a step of its own: every step since
  // the tour's data goes, and that step with them.
  while (hostsim::UndoLabels().size() > stepsBefore && hostsim::Undo()) {
  }
  scripts = Talvo::GetTalvo().GetCustomScripts();
  if (scriptsMatchedFile && scripts != nullptr) scripts->SyncFile();
  std::filesystem::remove_all(data.files, error);
  return saved;
}

}  // namespace tour
