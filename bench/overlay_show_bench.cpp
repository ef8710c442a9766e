// The overlay on the main road: from the keyboard side's ShowVisualInterfaceMessage to the overlay
// painted on screen, and the overlay following a change of the held modifier keys.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <win32/simulation.h>

#include <host/simulation.h>
#include <max.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/key_hooks.h"
#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "overlay/overlay_setup.h"

namespace {

using namespace Talvo;

// A started host with the documents loaded and a learning-mode key 'Q' whose function has cases in
// both rows of the overlay.
class Host {
 public:
  Host() : root_(std::filesystem::temp_directory_path() / ("talvo-bench-overlay-" + std::to_string(getpid()))) {
    winsim::Reset();
    std::filesystem::remove_all(root_);
    hostsim::Start(root_.wstring());
    GetTalvo().Load();
    InstallKeyHooks();
    InstallVisualInterface();
    XmlKeyboard* layout = GetTalvo().GetCurrentKeyboard();
    XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
    GetTalvo().GetCurrentProfile()->Assign(layout->GetKeyOfVirt('Q'), 'Q', function->GetId(), false, true);
    for (unsigned char modifiers : {3, 11, 27}) {
      for (int press = 1; press <= 4; ++press) {
        for (const wchar_t* input : {kInputSingleTap, kInputOverrideMode}) {
          const CaseKeys keys{input, kModeGlobal, 0, press, modifiers};
          function->AddAction(keys);
          function->SetCaseGroup(keys, kGroupOriginalKey);
        }
      }
    }
  }
  ~Host() {
    DestroyVisualInterface();
    RemoveVisualInterface();
    RemoveKeyHooks();
    mfcsim::Reset();
    GetTalvo().Clear();
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }

 private:
  std::filesystem::path root_;
};

void PostShow(UINT key, unsigned char modifiers) {
  static WPARAM counter = 0;
  PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage,
                     (static_cast<WPARAM>(key) << 16) + (++counter & 0xFFFF), modifiers);
}

// The pump delivers the message to the get-message hook, which makes the overlay; the pump then paints
// it and its boxes before it runs dry.
void BM_ShowOverlayUntilPainted(benchmark::State& state) {
  Host host;
  for (auto _ : state) {
    PostShow('Q', 3);
    winsim::PumpMessages();
    benchmark::DoNotOptimize(viFormDlg);
    state.PauseTiming();
    DestroyVisualInterface();
    winsim::PumpMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ShowOverlayUntilPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Ctrl, then Ctrl and Alt, and back: the rows resolved again, the boxes refreshed, placed and painted.
void BM_ModifierChange(benchmark::State& state) {
  Host host;
  PostShow('Q', 11);
  winsim::PumpMessages();
  HWND form = viFormDlg ? viFormDlg->GetFormWindow() : nullptr;
  unsigned char modifiers = 11;
  for (auto _ : state) {
    modifiers = modifiers == 11 ? 27 : 11;
    SendMessageW(form, WM_MOD_KEY_MSG, static_cast<WPARAM>(kShownKey) << 16, modifiers);
    winsim::PumpMessages();
  }
}
BENCHMARK(BM_ModifierChange)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
