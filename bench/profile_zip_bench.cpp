// Exporting a profile with 200 functions as a zip archive and reading that archive back into prepared
// documents, each beside the bare compression work on the same bytes, measured in the same run. The
// "ratio" counter is the program's time over the baseline's.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/profile_export.h"
#include "editor/profile_zip_import.h"
#include "editor/zip_archive_reader.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace {

using namespace Talvo;
using Clock = std::chrono::steady_clock;

constexpr int kFunctions = 200;

// Raw deflate (as inside the archive) of one entry at the writer's level.
std::string Deflate(const std::string& bytes) {
  z_stream stream{};
  deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, bytes.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::string Inflate(const std::string& compressed, std::size_t size) {
  z_stream stream{};
  inflateInit2(&stream, -MAX_WBITS);
  std::string out(size, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  inflate(&stream, Z_FINISH);
  inflateEnd(&stream);
  return out;
}

// A data folder whose current profile assigns 200 functions with realistic cases, and its archive.
class Fixture {
 public:
  Fixture() : folder_(std::filesystem::temp_directory_path() / ("talvo-bench-zip-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(folder_);
    auto& root = GetTalvo();
    root.Load(DataFolder());
    XmlProfile* profile = root.GetCurrentProfile();
    // A name no default profile has, so that importing into a new data folder asks nothing.
    profile->SetName(L"Exported profile");
    for (int i = 0; i < kFunctions; ++i) {
      XmlFunction* function = root.CreateFunction(kKindContextSensitive);
      function->SetName(L"Function " + std::to_wstring(i));
      for (const wchar_t* mode : {L"vertex", L"edge", L"polygon"}) {
        for (int selection = 0; selection < 4; ++selection) {
          for (unsigned char modifiers : {3, 7, 11, 19}) {
            const CaseKeys keys{kInputEditablePoly, mode, selection, 1 + selection, modifiers};
            function->SetCaseGroup(keys, L"Editable Polygon Object");
            function->SetCaseTableAction(keys, L"Chamfer", 0x4d5a8e01, 102);
          }
        }
      }
      function->Save();
      profile->Assign(i, 10 + i % 90, function->GetId(), false, false);
    }
    profile->Save();
    root.GetCustomScripts()->Save();
    WriteProfileZip(nullptr, root, Archive());
    ZipArchiveReader reader;
    reader.Read(Archive());
    for (const ZipEntry& entry : reader.Entries()) {
      sizes_.push_back(entry.bytes.size());
      entries_.push_back(entry.bytes);
      compressed_.push_back(Deflate(entry.bytes));
    }
  }
  ~Fixture() {
    GetTalvo().Clear();
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path Archive() const { return folder_ / "profile.zip"; }
  std::filesystem::path DataFolder() const { return folder_ / "data"; }
  // A data folder of the same program that does not hold the archive's documents yet.
  std::filesystem::path ImportFolder() const { return folder_ / "import"; }
  const std::vector<std::string>& Entries() const { return entries_; }
  const std::vector<std::string>& Compressed() const { return compressed_; }
  const std::vector<std::size_t>& Sizes() const { return sizes_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> entries_, compressed_;
  std::vector<std::size_t> sizes_;
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

void BM_ExportZipVsRawDeflate(benchmark::State& state) {
  const Fixture& data = Data();
  double program = 0;
  double baseline = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    benchmark::DoNotOptimize(WriteProfileZip(nullptr, GetTalvo(), data.Archive()));
    const auto middle = Clock::now();
    for (const std::string& entry : data.Entries()) benchmark::DoNotOptimize(Deflate(entry));
    program += Seconds(middle - start);
    baseline += Seconds(Clock::now() - middle);
  }
  state.counters["ratio"] = program / baseline;
}
BENCHMARK(BM_ExportZipVsRawDeflate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ImportZipVsRawInflate(benchmark::State& state) {
  const Fixture& data = Data();
  double program = 0;
  double baseline = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    {
      ProfileArchive archive;
      std::wstring error;
      benchmark::DoNotOptimize(ReadProfileArchive(data.Archive(), archive, error));
    }
    const auto middle = Clock::now();
    for (std::size_t i = 0; i < data.Compressed().size(); ++i) {
      benchmark::DoNotOptimize(Inflate(data.Compressed()[i], data.Sizes()[i]));
    }
    program += Seconds(middle - start);
    baseline += Seconds(Clock::now() - middle);
  }
  state.counters["ratio"] = program / baseline;
}
BENCHMARK(BM_ImportZipVsRawInflate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole import as the user runs it (every document placed and saved to disk) into a new data folder,
// against the raw inflate of the same entries; making the new folder is not timed.
void BM_ImportZipSavedVsRawInflate(benchmark::State& state) {
  const Fixture& data = Data();
  auto& root = GetTalvo();
  double program = 0;
  double baseline = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(data.ImportFolder());
    root.Load(data.ImportFolder());
    state.ResumeTiming();
    const auto start = Clock::now();
    benchmark::DoNotOptimize(ImportProfileZip(nullptr, root, data.Archive()));
    const auto middle = Clock::now();
    for (std::size_t i = 0; i < data.Compressed().size(); ++i) {
      benchmark::DoNotOptimize(Inflate(data.Compressed()[i], data.Sizes()[i]));
    }
    program += Seconds(middle - start);
    baseline += Seconds(Clock::now() - middle);
  }
  root.Load(data.DataFolder());  // the other benchmarks export the fixture's data again
  state.counters["ratio"] = program / baseline;
}
BENCHMARK(BM_ImportZipSavedVsRawInflate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
