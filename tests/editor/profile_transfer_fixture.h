// Shared set-up of the profile export and import tests: the control toolkit's fixture with the documents
// loaded from a fresh data folder, a page window that owns the prompts, and helpers that make functions,
// assign them and build zip archives (also hostile ones).
#pragma once

#include <gtest/gtest.h>
#include <host/simulation.h>
#include <max.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "controls/controls_fixture.h"
#include "editor_test_helpers.h"
#include "pagebase/no_verbosity.h"
#include "editor/zip_archive_reader.h"
#include "editor/zip_archive_writer.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo::testing {

// An archive with these (name, bytes) entries, written without any check of the names.
inline void WriteZip(const std::filesystem::path& path,
                     const std::vector<std::pair<std::wstring, std::string>>& entries) {
  ZipArchiveWriter writer;
  ASSERT_TRUE(writer.Create(path));
  for (const auto& [name, bytes] : entries) ASSERT_TRUE(writer.AddEntry(name, bytes));
  ASSERT_TRUE(writer.Close());
}

// Overwrites a little-endian field of every record with the given signature (0x02014b50 central
// directory, 0x04034b50 local header) at `offset` bytes into the record.
inline void PatchZipRecords(const std::filesystem::path& path, std::uint32_t signature, std::size_t offset,
                            std::uint32_t value, int width) {
  std::string bytes = ReadBytes(path);
  for (std::size_t at = 0; at + 4 <= bytes.size(); ++at) {
    std::uint32_t found = 0;
    for (int i = 3; i >= 0; --i) found = (found << 8) | static_cast<unsigned char>(bytes[at + i]);
    if (found != signature) continue;
    for (int i = 0; i < width; ++i) bytes[at + offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  WriteBytes(path, bytes);
}

// Names of an archive's entries, in order.
inline std::vector<std::wstring> EntryNames(const std::filesystem::path& path) {
  ZipArchiveReader reader;
  EXPECT_EQ(reader.Read(path), ZipArchiveReader::Status::Ok) << ::testing::PrintToString(reader.Error());
  std::vector<std::wstring> names;
  for (const ZipEntry& entry : reader.Entries()) names.push_back(entry.name);
  return names;
}

class ProfileTransferTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(Root().Load());
    theHold.Clear();
    NoVerbosity = false;
    if (the_listener != nullptr) the_listener->Clear();
    page_ = CreateParent(600, 400, 50, 50);
    out_ = root_ / "out";
    std::filesystem::create_directories(out_);
  }
  void TearDown() override {
    SetEditorWindow(nullptr);
    theHold.Clear();
    Root().Clear();
    ControlsTest::TearDown();
  }

  static Talvo& Root() { return GetTalvo(); }
  XmlProfile& Profile() { return *Root().GetCurrentProfile(); }
  XmlProfileDir& Profiles() { return *Root().GetProfiles(); }
  XmlFunctionDir& Functions() { return *Root().GetFunctions(); }

  // A saved single-tap function of that name.
  XmlFunction* MakeFunction(const std::wstring& name) {
    XmlFunction* function = Root().CreateFunction(kKindSingleTap);
    function->SetName(name);
    EXPECT_TRUE(function->Save());
    return function;
  }

  void Assign(int key, const XmlFunction* function) {
    Profile().Assign(key, 65 + key % 26, function ? function->GetId() : L"", false, false);
  }

  static std::wstring ListenerText() { return hostsim::ListenerText(); }

  // Every document file of a data folder, with its bytes.
  static std::vector<std::pair<std::wstring, std::string>> FilesOf(const std::filesystem::path& folder) {
    std::vector<std::pair<std::wstring, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      files.emplace_back(WidePath(entry.path().filename()), ReadBytes(entry.path()));
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  CWnd* page_ = nullptr;
  std::filesystem::path out_;
};

}  // namespace Talvo::testing
