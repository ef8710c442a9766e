#include "tour_overlays.h"

#include <windows.h>
#include <max.h>
#include <win32/simulation.h>

#include <cstdio>

#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace tour {

namespace {

constexpr unsigned char kCtrl = 11;
constexpr unsigned char kShiftCtrl = 15;
constexpr unsigned char kShiftCtrlAlt = 31;

// Holds the key with the modifiers as the keyboard side reports it and saves the overlay over the host.
bool ShootOverlay(int letter, unsigned char modifiers, const std::string& name, const Shots& shots) {
  ::PostThreadMessageW(::GetCurrentThreadId(), Talvo::ShowVisualInterfaceMessage,
                       (static_cast<WPARAM>(letter) << 16) + 1, modifiers);
  winsim::PumpMessages();
  if (Talvo::viFormDlg == nullptr) {
    std::fprintf(stderr, "quillon-host: holding the key of %s shows no overlay\n", name.c_str());
    return false;
  }
  const bool saved = SaveArea(AreaAround({Talvo::viFormDlg->GetFormWindow()}, 0), shots.File("overlay", name));
  Talvo::DestroyVisualInterface();
  winsim::PumpMessages();
  return saved;
}

}  // namespace

void MakeOverlayFunction(int key, int letter) {
  Talvo::Talvo& root = Talvo::GetTalvo();
  Talvo::XmlFunction* function = root.CreateFunction(Talvo::kKindSingleTap);
  function->SetName(L"Tour Modifiers");
  for (const unsigned char modifiers : {kShiftCtrl, kShiftCtrlAlt}) {
    for (int press = 1; press <= 2; ++press) {
      const Talvo::CaseKeys keys{Talvo::kInputSingleTap, Talvo::kModeGlobal, 0, press, modifiers};
      function->AddAction(keys);
      function->SetCaseGroup(keys, L"Main UI");
      function->SetCaseCategory(keys, L"Edit");
      function->SetCaseTableAction(keys, press == 1 ? L"Undo Scene Operation" : L"Redo Scene Operation",
                                   static_cast<int>(kActionMainUI), press == 1 ? 40001 : 40002);
    }
  }
  root.GetCurrentProfile()->Assign(key, letter, function->GetId(), false, true);
}

bool ShootOverlays(const TourData& data, const Shots& shots) {
  // The context-sensitive function has cases for Editable Poly and Unwrap UVW only; the host's scene has
  // neither selected, so its context stays unresolved.
  return ShootOverlay(data.overlayLetter, kShiftCtrl, "two-modifiers", shots) &&
         ShootOverlay(data.overlayLetter, kShiftCtrlAlt, "three-modifiers", shots) &&
         ShootOverlay(data.functionLetter, kCtrl, "unresolved-context", shots);
}

}  // namespace tour
