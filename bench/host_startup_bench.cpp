// What a user waits for from launching the stand-in host to its first pictures: the host's main window
// created, the plug-in module loaded (its application object reads the documents of a prepared data
// folder and installs the overlay), the global utility started, the overlay shown once for a
// learning-mode key and the two start-up screenshots saved (the overlay's screen area and the host
// window). The baseline, measured in the same iterations, creates the same host window and saves the
// same two pictures with nothing loaded. The time reported is the start-up's; "baseline_ms" is the
// baseline's mean and "ratio" start-up / baseline.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <host/simulation.h>
#include <max.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "engine/messages.h"
#include "engine/module.h"
#include "engine/visual_interface_link.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"

namespace {

using namespace Talvo;
using Clock = std::chrono::steady_clock;

constexpr UINT kLearningKey = 'Q';
constexpr unsigned char kCtrlHeld = 11;

void StartHost(const std::filesystem::path& root) {
  winsim::Reset();
  hostsim::Start(Utf8ToWide(root.native()));
  // The program's icons, where an installed plug-in would have put them in the host's icon folder.
  hostsim::SetDirectory(APP_ICONS_DIR, Utf8ToWide(TALVO_SOURCE_ICONS));
}

// A data folder as a user leaves it: the default documents, and a function on the learning-mode key
// with cases for Ctrl held.
class PreparedData {
 public:
  PreparedData()
      : root_(std::filesystem::temp_directory_path() / ("talvo-bench-startup-" + std::to_string(getpid()))),
        shots_(root_ / "shots") {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(shots_);
    StartHost(root_ / "host");
    mfcsim::LoadModule();
    Talvo::Talvo& root = GetTalvo();
    XmlFunction* function = root.CreateFunction(kKindSingleTap);
    function->SetName(L"Start-up Function");
    for (int press = 1; press <= 2; ++press) {
      const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, press, kCtrlHeld};
      function->AddAction(keys);
      function->SetCaseGroup(keys, kGroupOriginalKey);
    }
    XmlProfile* profile = root.GetCurrentProfile();
    profile->Assign(root.GetCurrentKeyboard()->GetKeyOfVirt(kLearningKey), kLearningKey, function->GetId(), false, true);
    function->Save();
    profile->Save();
    mfcsim::UnloadModule();
    root.Clear();
    hostsim::Shutdown();
  }
  ~PreparedData() {
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }
  PreparedData(const PreparedData&) = delete;
  PreparedData& operator=(const PreparedData&) = delete;

  std::filesystem::path Host() const { return root_ / "host"; }
  std::string Shot(const char* name) const { return (shots_ / name).string(); }

 private:
  std::filesystem::path root_;
  std::filesystem::path shots_;
};

// Launch to pictures; false when the plug-in did not load or the overlay did not appear. `overlayArea`
// receives the overlay's place on the screen.
bool StartUp(const PreparedData& data, GUP*& utility, RECT& overlayArea) {
  StartHost(data.Host());
  if (!mfcsim::LoadModule()) return false;
  utility = static_cast<GUP*>(LibClassDesc(1)->Create(FALSE));
  utility->Start();
  PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage, (static_cast<WPARAM>(kLearningKey) << 16) + 1,
                     kCtrlHeld);
  winsim::PumpMessages();
  if (!viFormDlg) return false;
  GetWindowRect(viFormDlg->GetFormWindow(), &overlayArea);
  winsim::SaveScreenRectPng(overlayArea, data.Shot("overlay.png"));
  DestroyVisualInterface();
  winsim::PumpMessages();
  winsim::SaveWindowPng(GetCOREInterface()->GetMAXHWnd(), data.Shot("host.png"));
  return true;
}

void ShutDown(GUP* utility) {
  winsim::AnswerMessageBox(IDNO, {}, winsim::Repeat::Always);  // nothing changed is worth keeping
  hostsim::Shutdown();
  if (utility) {
    utility->Stop();
    utility->DeleteThis();
  }
  mfcsim::UnloadModule();
  GetTalvo().Clear();
}

void BareHost(const PreparedData& data, const RECT& overlayArea) {
  StartHost(data.Host());
  winsim::PumpMessages();
  winsim::SaveScreenRectPng(overlayArea, data.Shot("overlay-bare.png"));
  winsim::SaveWindowPng(GetCOREInterface()->GetMAXHWnd(), data.Shot("host-bare.png"));
  hostsim::Shutdown();
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void BM_StartUpToFirstPictures(benchmark::State& state) {
  static const PreparedData data;
  double startUp = 0;
  double baseline = 0;
  for (auto _ : state) {
    GUP* utility = nullptr;
    RECT overlayArea{};
    auto start = Clock::now();
    const bool shown = StartUp(data, utility, overlayArea);
    const double seconds = SecondsSince(start);
    ShutDown(utility);
    if (!shown) {
      state.SkipWithError("the plug-in did not load or the overlay did not appear");
      break;
    }
    start = Clock::now();
    BareHost(data, overlayArea);
    baseline += SecondsSince(start);
    startUp += seconds;
    state.SetIterationTime(seconds);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["baseline_ms"] = iterations > 0 ? 1000 * baseline / iterations : 0;
  state.counters["ratio"] = baseline > 0 ? startUp / baseline : 0;
}
// Five repetitions; Google Benchmark reports their median among the aggregates.
BENCHMARK(BM_StartUpToFirstPictures)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
