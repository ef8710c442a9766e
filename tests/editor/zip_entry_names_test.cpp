// Archive entry names in messages and the profile a zip import adds: a name holding NUL or other control
// characters is shown escaped with the reason, and a renamed new profile is written once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "editor/profile_export.h"
#include "editor/profile_rename_dlg.h"
#include "editor/profile_zip_import.h"
#include "model/text.h"
#include "profile_transfer_fixture.h"
#include "resources/dialogs/function_rename_dlg.h"

namespace Talvo::testing {
namespace {

// Writes an archive with one entry whose name is `name` with every '#' turned into the byte `control`
// (the archive writer takes no NUL in a name, so the bytes are patched afterwards).
void WriteZipWithControlInName(const std::filesystem::path& path, const std::string& name, char control,
                               const std::string& bytes) {
  WriteZip(path, {{Utf8ToWide(name), bytes}});
  std::string archive = ReadBytes(path);
  std::string patched = name;
  std::replace(patched.begin(), patched.end(), '#', control);
  for (std::size_t at = archive.find(name); at != std::string::npos; at = archive.find(name, at + 1)) {
    archive.replace(at, name.size(), patched);
  }
  WriteBytes(path, archive);
}

struct ControlName {
  const char* what;
  char control;
  std::wstring shown;  // how the message names the entry
};

class ZipEntryNameMessageTest : public ProfileTransferTest, public ::testing::WithParamInterface<ControlName> {};

TEST_P(ZipEntryNameMessageTest, TheRefusalNamesTheEntryEscapedAndGivesItsReason) {
  WriteZipWithControlInName(out_ / "bad.zip", "bad#name.xml", GetParam().control, "<talvoprofile/>");
  const std::wstring expected =
      L"Can't import the zip file: the entry name " + GetParam().shown + L" holds control characters.";
  ZipArchiveReader reader;
  EXPECT_EQ(reader.Read(out_ / "bad.zip"), ZipArchiveReader::Status::Refused);
  EXPECT_EQ(reader.Error().find(L'\0'), std::wstring::npos);

  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(expected, L"Error"));
  EXPECT_FALSE(ImportProfileZip(page_, GetTalvo(), out_ / "bad.zip"));
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u) << ::testing::PrintToString(winsim::ModalLog().back().text);
}

INSTANTIATE_TEST_SUITE_P(Controls, ZipEntryNameMessageTest,
                         ::testing::Values(ControlName{"Nul", '\0', L"\"bad\\x00name.xml\""},
                                           ControlName{"LineBreak", '\n', L"\"bad\\x0Aname.xml\""},
                                           ControlName{"Delete", '\x7F', L"\"bad\\x7Fname.xml\""}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(QuotedEntryName, PlainAndForeignLettersStayAndC1ControlsAreEscapedToo) {
  EXPECT_EQ(QuotedEntryName(L"Main \u00E9\u6570.xml"), L"\"Main \u00E9\u6570.xml\"");
  EXPECT_EQ(QuotedEntryName(std::wstring(L"a\x85"
                                         L"b\x9F"
                                         L"c\xA0")),
            L"\"a\\x85b\\x9Fc\xA0\"");
}

using ZipImportSaveTest = ProfileTransferTest;

TEST_F(ZipImportSaveTest, ARenamedNewProfileIsWrittenOnceWithoutABackup) {
  Profile().SetName(L"Main");
  XmlFunction* extrude = MakeFunction(L"Extrude");
  Assign(12, extrude);
  ASSERT_TRUE(Profile().Save());
  ASSERT_TRUE(WriteProfileZip(page_, GetTalvo(), out_ / "main.zip"));

  // Imported into the same data: the profile and the function are renamed, the function gets a new id that
  // the profile's assignment then follows.
  winsim::AnswerMessageBox(IDNO, winsim::ModalMatch::TextContaining(L"existing profile"));
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
  winsim::AnswerMessageBox(IDNO, winsim::ModalMatch::TextContaining(L"Override existing functions"));
  // The function rename dialog proposes "<name> 01".
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
  ASSERT_TRUE(ImportProfileZip(page_, GetTalvo(), out_ / "main.zip"));

  XmlProfile& copy = *GetTalvo().GetCurrentProfile();
  ASSERT_EQ(copy.GetName(), L"Main 01");
  EXPECT_NE(copy.GetFunctionIdOfKey(12), extrude->GetId());
  EXPECT_TRUE(copy.IsSaved());
  EXPECT_EQ(ReadBytes(copy.GetFilePath()), copy.ToText());
  std::filesystem::path backup = copy.GetFilePath();
  backup += ".bak";
  EXPECT_FALSE(std::filesystem::exists(backup)) << backup;
}

}  // namespace
}  // namespace Talvo::testing
