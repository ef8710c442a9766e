// Loading a folder of 1,000 functions and 50 profiles, beside bare parsing of the same bytes in the same
// run, and the memory the loaded documents hold.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <rapidxml/rapidxml.hpp>

#include "model/ids.h"
#include "model/vocabulary.h"
#include "model/xml_function.h"
#include "model/xml_profile.h"

namespace {

using namespace Talvo;

constexpr int kFunctions = 1000;
constexpr int kProfiles = 50;

// A folder with realistic documents, written once per run.
class Fixture {
 public:
  Fixture() : root_(std::filesystem::temp_directory_path() / ("talvo-bench-model-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(root_);
    XmlFunctionDir functions(root_ / "Functions");
    XmlProfileDir profiles(root_ / "Profiles");
    std::filesystem::create_directories(functions.GetFolder());
    std::filesystem::create_directories(profiles.GetFolder());
    std::vector<std::wstring> ids;
    for (int i = 0; i < kFunctions; ++i) {
      XmlFunction function(&functions);
      const std::wstring id = NewDocumentId(i);
      function.SetProperty("name", L"Function " + std::to_wstring(i));
      function.SetId(id);
      function.SetProperty("version", kCurrentFunctionVersion);
      function.FillDefaultCases(kKindContextSensitive);
      for (const wchar_t* mode : {L"vertex", L"edge", L"polygon"}) {
        for (int selection = 0; selection < 4; ++selection) {
          for (unsigned char modifiers : {3, 7, 11, 19}) {
            const CaseKeys keys{kInputEditablePoly, mode, selection, 1 + selection, modifiers};
            function.SetCaseGroup(keys, L"Editable Polygon Object");
            function.SetCaseTableAction(keys, L"Chamfer", 0x4d5a8e01, 102);
          }
        }
      }
      function.XmlDocument::SetName(id);
      function.Save();
      ids.push_back(id);
    }
    for (int p = 0; p < kProfiles; ++p) {
      XmlProfile profile(&profiles);
      profile.SetProperty("name", L"Profile " + std::to_wstring(p));
      profile.SetLayout(L"US-ANSI");
      for (int key = 0; key < 104; ++key) profile.Assign(key, key + 10, ids[(p * 104 + key) % ids.size()], key % 7 == 0, false);
      profile.XmlDocument::SetName(L"p" + std::to_wstring(p));
      profile.Save();
    }
    for (const auto& folder : {functions.GetFolder(), profiles.GetFolder()}) {
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".xml") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        bytes_.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      }
    }
  }
  ~Fixture() { std::filesystem::remove_all(root_); }
  const std::filesystem::path& Root() const { return root_; }
  const std::vector<std::string>& Bytes() const { return bytes_; }

 private:
  std::filesystem::path root_;
  std::vector<std::string> bytes_;
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The bare parser on the same bytes, each document in its own tree as the program keeps them.
void BareParse(const std::vector<std::string>& documents) {
  for (const std::string& bytes : documents) {
    std::vector<char> copy(bytes.begin(), bytes.end());
    copy.push_back('\0');
    rapidxml::xml_document<char> document;
    document.parse<0>(copy.data());
    benchmark::DoNotOptimize(document.first_node());
  }
}

// The files of both folders listed, each read whole into a buffer and parsed there by the bare parser.
void ReadAndBareParse(const std::filesystem::path& root) {
  for (const char* folder : {"Functions", "Profiles"}) {
    for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
      if (entry.path().extension() != ".xml") continue;
      const int file = ::open(entry.path().c_str(), O_RDONLY);
      struct stat status {};
      ::fstat(file, &status);
      const auto size = static_cast<std::size_t>(status.st_size);
      std::unique_ptr<char[]> bytes(new char[size + 1]);
      const ssize_t got = ::read(file, bytes.get(), size);
      ::close(file);
      bytes[got > 0 ? static_cast<std::size_t>(got) : 0] = '\0';
      rapidxml::xml_document<char> document;
      document.parse<0>(bytes.get());
      benchmark::DoNotOptimize(document.first_node());
    }
  }
}

void LoadBothFolders(const std::filesystem::path& root) {
  XmlFunctionDir functions(root / "Functions");
  XmlProfileDir profiles(root / "Profiles");
  benchmark::DoNotOptimize(functions.LoadAll() + profiles.LoadAll());
}

// Sets "ratio": loading both folders over `baseline`, each timed in every iteration of the same run.
template <typename Baseline>
void MeasureLoadAgainst(benchmark::State& state, const Fixture& data, Baseline baseline) {
  double program = 0;
  double base = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    LoadBothFolders(data.Root());
    const auto middle = Clock::now();
    baseline();
    program += Seconds(middle - start);
    base += Seconds(Clock::now() - middle);
  }
  state.counters["ratio"] = program / base;
}

// "ratio": loading both folders over the bare parse, measured in the same run.
void BM_LoadVsBareParse(benchmark::State& state) {
  const Fixture& data = Data();
  MeasureLoadAgainst(state, data, [&] { BareParse(data.Bytes()); });
}
BENCHMARK(BM_LoadVsBareParse)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// "ratio": loading both folders over listing and reading the same files and parsing them bare.
void BM_LoadVsReadAndBareParse(benchmark::State& state) {
  const Fixture& data = Data();
  MeasureLoadAgainst(state, data, [&] { ReadAndBareParse(data.Root()); });
}
BENCHMARK(BM_LoadVsReadAndBareParse)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// "memory_per_text": heap held by the loaded folders over the bytes of their files.
void BM_MemoryAfterLoad(benchmark::State& state) {
  const Fixture& data = Data();
  std::size_t text = 0;
  for (const std::string& bytes : data.Bytes()) text += bytes.size();
  double ratio = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    XmlFunctionDir functions(data.Root() / "Functions");
    XmlProfileDir profiles(data.Root() / "Profiles");
    benchmark::DoNotOptimize(functions.LoadAll() + profiles.LoadAll());
    ratio = static_cast<double>(mallinfo2().uordblks - before) / static_cast<double>(text);
  }
  state.counters["memory_per_text"] = ratio;
}
BENCHMARK(BM_MemoryAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
