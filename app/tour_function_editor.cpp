#include "tour_function_editor.h"

#include <windows.h>
#include <host/actions.h>
#include <host/directories.h>
#include <host/macros.h>
#include <host/simulation.h>
#include <host/undo.h>
#include <max.h>
#include <win32/simulation.h>

#include <cstdio>

#include "frame/frame.h"
#include "engine/restore_obj.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "tour_windows.h"

namespace {

using Talvo::CaseKeys;
using Talvo::XmlFunction;

constexpr int kFirstKind = Talvo::kKindMultiTapModifiers;
constexpr int kLastKind = Talvo::kKindContextSensitive;
constexpr unsigned char kPlain = 3;
constexpr unsigned char kShift = 7;
constexpr unsigned char kCtrl = 11;

// The page of each kind that the tour shows, and the mode its cases use there.
struct KindPage {
  const wchar_t* input;
  const wchar_t* mode;
};

KindPage PageOf(int kind) {
  switch (kind) {
    case Talvo::kKindMultiTapModifiers: return {Talvo::kInputNoModifier, Talvo::kModeGlobal};
    case Talvo::kKindMultiTapModifiersElements: return {Talvo::kInputNoModifier, Talvo::kModeObjects};
    case Talvo::kKindClassic: return {Talvo::kInputClassic, Talvo::kModeGlobal};
    case Talvo::kKindMultiPress: return {Talvo::kInputMultiPress, Talvo::kModeGlobal};
    case Talvo::kKindSingleTap: return {Talvo::kInputSingleTap, Talvo::kModeGlobal};
    case Talvo::kKindMultiTap: return {Talvo::kInputMultiTap, Talvo::kModeGlobal};
    case Talvo::kKindModifierCases: return {Talvo::kInputNoModifier, Talvo::kModeGlobal};
    default: return {Talvo::kInputEditablePoly, L"vertex"};
  }
}

void StoreTableCase(XmlFunction& function, const CaseKeys& keys, const wchar_t* table, const wchar_t* category,
                    const wchar_t* action, ActionTableId tableId, int actionId) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, table);
  function.SetCaseCategory(keys, category);
  function.SetCaseTableAction(keys, action, static_cast<int>(tableId), actionId);
}

// A function of the kind whose shown page has a table action, a macro script and a custom script.
void FillTourCases(XmlFunction& function, int kind, const std::wstring& scriptId) {
  const KindPage page = PageOf(kind);
  const bool classic = kind == Talvo::kKindClassic;
  StoreTableCase(function, {page.input, page.mode, 0, 1, kPlain}, L"Main UI", L"Edit", L"Undo Scene Operation",
                 kActionMainUI, 40001);
  const CaseKeys macroKeys{page.input, page.mode, 0, classic ? 1 : 2, classic ? kCtrl : kPlain};
  if (const MacroEntry* macro = GetMacroScriptDir().GetMacro(0)) {
    function.AddAction(macroKeys);
    function.SetCaseGroup(macroKeys, L"Main UI");
    function.SetCaseCategory(macroKeys, macro->GetCategory().str());
    function.SetCaseMacroScript(macroKeys, {macro->GetCategory().str(), macro->GetInternalCategory().str(),
                                            macro->GetName().str(), macro->GetFileName().str(),
                                            macro->GetToolTip().str(), macro->GetID()});
  }
  const CaseKeys scriptKeys{page.input, page.mode, 0, 1, kShift};
  function.AddAction(scriptKeys);
  function.SetCaseGroup(scriptKeys, Talvo::kGroupCustomCode);
  function.SetCaseScript(scriptKeys, scriptId);
  if (!classic) {
    const CaseKeys original{page.input, page.mode, 0, 3, kPlain};
    function.AddAction(original);
    function.SetCaseGroup(original, Talvo::kGroupOriginalKey);
  }
}

// The editor window on the functions page with the function's page of `input` in front, as the user has
// it after choosing the function and the page.
bool SaveEditor(Talvo::Frame& frame, int kind, const std::wstring& id, const std::wstring& input,
                const std::filesystem::path& file) {
  if (tour::ShowFunctionPage(frame, id, input) == nullptr)
    std::printf("Function editor of kind %d shows no page \"%s\"\n", kind, Talvo::WideToUtf8(input).c_str());
  std::printf("Function editor of kind %d:\n", kind);
  return tour::SaveWindow(frame.m_hWnd, file);
}

}  // namespace

bool ShowFunctionEditors(const std::filesystem::path& folder, const std::vector<std::string>& themes) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  // A host has its action tables and macro scripts; the pickers list them.
  hostsim::InstallStandardActions();
  Talvo::XmlCustomScripts* scripts = root.GetCustomScripts();
  if (root.GetFunctions() == nullptr || scripts == nullptr) {
    std::printf("Function editor: no functions folder; skipped\n");
    return true;
  }
  theHold.Begin();
  theHold.Put(new Talvo::TalvoDataRestoreObj(1, 65535));
  std::wstring scriptId;
  scripts->AddScript(L"Tour Script", L"print \"tour\"", scriptId);
  Talvo::RefreshScriptNames();
  std::vector<std::wstring> ids;
  for (int kind = kFirstKind; kind <= kLastKind; ++kind) {
    XmlFunction* function = root.CreateFunction(kind);
    function->SetDependent(kind);
    function->SetName(L"Tour Kind " + std::to_wstring(kind));
    FillTourCases(*function, kind, scriptId);
    ids.push_back(function->GetId());
  }
  theHold.Accept(L"Tour Functions");

  Talvo::Frame** global = Talvo::GetFrame();
  bool saved = Talvo::ShowFrame(global) == 1;
  if (!saved) std::fprintf(stderr, "quillon-host: the editor window could not be opened\n");
  winsim::PumpMessages();
  for (const std::string& theme : themes) {
    tour::UseTheme(theme);
    for (int kind = kFirstKind; kind <= kLastKind && saved; ++kind) {
      const std::filesystem::path file = folder / ("function-editor-" + std::to_string(kind) + "-" + theme + ".png");
      saved = SaveEditor(**global, kind, ids[static_cast<size_t>(kind - kFirstKind)], PageOf(kind).input, file);
    }
  }
  if (*global != nullptr) ::SendMessageW((*global)->m_hWnd, WM_CLOSE, 0, 0);
  winsim::PumpMessages();
  hostsim::Undo();
  return saved;
}
