#include "tour.h"
#include "tour_function_editor.h"

#include <windows.h>
#include <host/simulation.h>
#include <max.h>
#include <win32/simulation.h>

#include <cstdio>

#include "engine/module.h"
#include "engine/restore_obj.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "overlay/overlay_tour.h"

namespace {

constexpr int kLearningModeLabel = 156;  // "Learning Mode", the undo label of the step
constexpr unsigned char kCtrlHeld = 11;   // the modifier byte of the Ctrl key

std::string Utf8(const std::wstring& text) { return Talvo::WideToUtf8(text); }

void PrintList(const char* title, const std::vector<std::wstring>& names) {
  std::printf("%s (%zu):\n", title, names.size());
  for (const std::wstring& name : names) std::printf("  %s\n", Utf8(name).c_str());
}

template <typename Folder, typename Name>
std::vector<std::wstring> Names(const Folder* folder, Name name) {
  std::vector<std::wstring> names;
  for (int i = 0; folder && i < folder->Count(); ++i) names.push_back(name(i));
  return names;
}

// Keeps the tour's own function and key apart from the user's: the first letter key without a function.
UINT FreeLetterKey() {
  Talvo::Talvo& root = Talvo::GetTalvo();
  for (UINT key = 'Q'; key <= 'Z'; ++key) {
    const int number = root.GetCurrentKeyboard()->GetKeyOfVirt(static_cast<int>(key));
    if (number >= 0 && !root.GetCurrentProfile()->HasAssignment(number)) return key;
  }
  return 0;
}

}  // namespace

void PrintLoaded() {
  std::printf("Module: %s, version 0x%08lX\n", Utf8(LibDescription()).c_str(), static_cast<unsigned long>(LibVersion()));
  for (int i = 0; i < LibNumberClasses(); ++i) std::printf("  class %d: %s\n", i, Utf8(LibClassDesc(i)->ClassName()).c_str());

  Talvo::Talvo& root = Talvo::GetTalvo();
  std::printf("Data folder: %s\n", root.GetDataFolder().string().c_str());
  PrintList("Profiles", Names(root.GetProfiles(), [&](int i) { return root.GetProfile(i)->GetName(); }));
  PrintList("Layouts", Names(root.GetKeyboards(), [&](int i) { return root.GetKeyboards()->GetKeyboard(i)->GetName(); }));
  PrintList("Functions", Names(root.GetFunctions(), [&](int i) { return root.GetFunction(i)->GetName(); }));
  PrintList("Wheel-event sets",
            Names(root.GetWheelEventsDir(), [&](int i) { return root.GetWheelEvents(i)->GetDisplayName(); }));
  const Talvo::XmlProfile* profile = root.GetCurrentProfile();
  const Talvo::XmlKeyboard* layout = root.GetCurrentKeyboard();
  std::printf("Current profile: %s, layout: %s\n", profile ? Utf8(profile->GetName()).c_str() : "(none)",
              layout ? Utf8(layout->GetName()).c_str() : "(none)");
}

bool PressLearningKey(const std::filesystem::path& folder, const std::vector<std::string>& themes) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  const UINT key = root.GetCurrentProfile() && root.GetCurrentKeyboard() ? FreeLetterKey() : 0;
  if (key == 0) {
    std::printf("Learning key: no current profile and layout with a free letter key; skipped\n");
    return true;
  }
  const int number = root.GetCurrentKeyboard()->GetKeyOfVirt(static_cast<int>(key));
  theHold.Begin();
  theHold.Put(new Talvo::TalvoDataRestoreObj(3, 65535));
  Talvo::XmlFunction* function = root.CreateFunction(Talvo::kKindSingleTap);
  function->SetName(L"Tour Function");
  // Cases for the overlay to show with Ctrl held: taps 1 and 2, and tap 1 of the override row.
  for (const Talvo::CaseKeys& keys : {Talvo::CaseKeys{Talvo::kInputSingleTap, Talvo::kModeGlobal, 0, 1, kCtrlHeld},
                                      Talvo::CaseKeys{Talvo::kInputSingleTap, Talvo::kModeGlobal, 0, 2, kCtrlHeld},
                                      Talvo::CaseKeys{Talvo::kInputOverrideMode, Talvo::kModeGlobal, 0, 1, kCtrlHeld}}) {
    function->AddAction(keys);
    function->SetCaseGroup(keys, Talvo::kGroupOriginalKey);
  }
  root.GetCurrentProfile()->Assign(number, static_cast<int>(key), function->GetId(), false, true);
  const wchar_t* label = Talvo::GetString(kLearningModeLabel);
  theHold.Accept(label);
  std::printf("Learning key: %c carries \"Tour Function\" in learning mode (undo step \"%s\")\n",
              static_cast<char>(key), Utf8(label ? label : L"").c_str());

  const bool shown = Talvo::ShowOverlayForTour(key, kCtrlHeld, folder, themes);

  hostsim::Undo();
  std::printf("  undone: %d functions, key %c %s\n", root.GetFunctions()->Count(), static_cast<char>(key),
              root.GetCurrentProfile()->HasAssignment(number) ? "still assigned" : "free again");
  return shown;
}

bool SaveScreenshots(const std::filesystem::path& folder, const std::vector<std::string>& themes) {
  if (!ShowFunctionEditors(folder, themes)) return false;
  HWND host = GetCOREInterface()->GetMAXHWnd();
  for (const std::string& theme : themes) {
    hostsim::SetTheme(theme == "dark" ? kDarkTheme : kLightTheme);
    InvalidateRect(host, nullptr, TRUE);
    winsim::PumpMessages();
    const std::filesystem::path file = folder / ("host-" + theme + ".png");
    if (!winsim::SaveWindowPng(host, file.string())) {
      std::fprintf(stderr, "quillon-host: cannot write the screenshot %s\n", file.string().c_str());
      return false;
    }
    std::printf("Screenshot: %s\n", file.string().c_str());
  }
  return true;
}
