// Archives whose entries are inflated and parsed on several threads: when more than one entry is bad,
// the refusal names the first of them in archive order, as reading them one by one would.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "editor/profile_zip_import.h"
#include "model/parallel_for.h"
#include "model/text.h"
#include "profile_transfer_fixture.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

constexpr int kEntries = 48;  // enough to be spread over several threads

std::wstring EntryName(int i) { return L"f" + std::to_wstring(i) + L".xml"; }

std::string FunctionText(int i) {
  return "<talvofunction><properties name=\"F" + std::to_string(i) + "\" filler=\"" + std::string(400, 'a' + i % 26) +
         "\"/></talvofunction>";
}

struct BadEntries {
  const char* label;
  std::vector<std::pair<int, std::string>> replaced;  // entry index, its bytes in place of a function
  std::vector<std::pair<int, std::wstring>> renamed;  // entry index, its name in the archive
  std::vector<int> damaged;                           // entries whose stored data is changed after writing
  std::wstring refusal;
};

void PrintTo(const BadEntries& entries, std::ostream* out) { *out << entries.label; }

class ZipReadOrder : public DataFolderTest, public ::testing::WithParamInterface<BadEntries> {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    std::filesystem::create_directories(root_);
    path_ = root_ / "a.zip";
  }
  void TearDown() override {
    SetParallelThreadLimit(0);
    DataFolderTest::TearDown();
  }

  void WriteArchive(const BadEntries& bad) {
    std::vector<std::pair<std::wstring, std::string>> entries;
    for (int i = 0; i < kEntries; ++i) entries.emplace_back(EntryName(i), FunctionText(i));
    for (const auto& [index, bytes] : bad.replaced) entries[index].second = bytes;
    for (const auto& [index, name] : bad.renamed) entries[index].first = name;
    WriteZip(path_, entries);
    std::string bytes = ReadBytes(path_);
    // The data of an entry follows its local header (30 bytes, the name and the extra field).
    std::vector<std::size_t> data;
    for (std::size_t at = 0; (at = bytes.find("PK\x03\x04", at)) != std::string::npos; at += 4) {
      const auto field = [&](std::size_t offset) {
        return static_cast<unsigned char>(bytes[at + offset]) | static_cast<unsigned char>(bytes[at + offset + 1]) << 8;
      };
      data.push_back(at + 30 + field(26) + field(28));
    }
    ASSERT_EQ(data.size(), static_cast<std::size_t>(kEntries));
    for (int index : bad.damaged) {
      for (std::size_t i = data[index]; i < data[index] + 6; ++i) bytes[i] = '\xFF';
    }
    WriteBytes(path_, bytes);
  }

  std::wstring Refusal(unsigned threads) {
    SetParallelThreadLimit(threads);
    ProfileArchive archive;
    std::wstring error;
    EXPECT_FALSE(ReadProfileArchive(path_, archive, error));
    return error;
  }

  std::filesystem::path path_;
};

TEST_P(ZipReadOrder, TheFirstBadEntryInArchiveOrderIsNamed) {
  WriteArchive(GetParam());
  const std::wstring alone = Refusal(1);
  EXPECT_NE(alone.find(GetParam().refusal), std::wstring::npos) << WideToUtf8(alone);
  EXPECT_EQ(Refusal(0), alone);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZipReadOrder,
    ::testing::Values(
        BadEntries{"two damaged entries", {}, {}, {9, 37}, L"entry \"f9.xml\" is damaged"},
        BadEntries{"damaged before a bad name", {}, {{40, L"../f40.xml"}}, {30}, L"entry \"f30.xml\" is damaged"},
        BadEntries{"bad name before damage", {}, {{5, L"../f5.xml"}}, {30}, L"\"../f5.xml\" leads out of its folder"},
        BadEntries{"two unreadable documents", {{11, "<talvofunction>"}, {35, "<x"}}, {}, {},
                   L"\"f11.xml\" is not a readable XML"},
        BadEntries{"the same name twice before an unreadable document",
                   {{40, "<talvofunction/>"}, {44, "<x"}}, {{40, L"sub/f3.xml"}}, {},
                   L"two different functions named \"f3\""},
        BadEntries{"damage after an unreadable document", {{2, "<x"}}, {}, {45},
                   L"entry \"f45.xml\" is damaged"}),
    [](const auto& info) {
      std::string name = info.param.label;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

}  // namespace
}  // namespace Talvo::testing
