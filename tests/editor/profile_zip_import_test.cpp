#include <gtest/gtest.h>

#include "editor/profile_export.h"
#include "editor/profile_rename_dlg.h"
#include "editor/profile_zip_import.h"
#include "engine/messages.h"
#include "model/text.h"
#include "profile_transfer_fixture.h"
#include "resources/dialogs/function_rename_dlg.h"
#include "resources/dialogs/rename_dlg_ids.h"

namespace Talvo::testing {
namespace {

constexpr wchar_t kOldId[] = L"0123456789abcdef0123456789abcdef";

// A function stored before version 1003 (its action directly under the modifiers) without an
// "Override Mode" case.
std::string OldFunctionText(const std::wstring& name) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<properties name=\"" + WideToUtf8(name) + "\" id=\"" +
         WideToUtf8(kOldId) +
         "\" version=\"1002\" time=\"0\" dependent=\"1105\" forcevi=\"0\"/>\n<talvofunction>\n"
         "\t<input type=\"SingleTap\" global=\"1\">\n\t\t<modes>\n\t\t\t<mode name=\"global\">\n"
         "\t\t\t\t<selection count=\"0\">\n\t\t\t\t\t<modifiers value=\"3\">\n"
         "\t\t\t\t\t\t<action press=\"1\" group=\"Original key behavior\"/>\n\t\t\t\t\t</modifiers>\n"
         "\t\t\t\t</selection>\n\t\t\t</mode>\n\t\t</modes>\n\t</input>\n</talvofunction>\n";
}

class ProfileZipImportTest : public ProfileTransferTest {
 protected:
  void SetUp() override {
    ProfileTransferTest::SetUp();
    editor_ = CreateParent(100, 100, 0, 0);
    SetEditorWindow(editor_->GetSafeHwnd());
  }

  // Profile "Main" with Extrude on keys 12 and 40 and Bevel on key 41, exported to out/main.zip.
  std::filesystem::path ExportMain() {
    Profile().SetName(L"Main");
    extrude_ = MakeFunction(L"Extrude");
    bevel_ = MakeFunction(L"Bevel");
    Assign(12, extrude_);
    Assign(40, extrude_);
    Assign(41, bevel_);
    std::wstring scriptId;
    Root().GetCustomScripts()->AddScript(L"Box it", L"box()", scriptId);
    EXPECT_TRUE(Profile().Save());
    EXPECT_TRUE(WriteProfileZip(page_, Root(), out_ / "main.zip"));
    return out_ / "main.zip";
  }

  // Everything stored in the data folder, file by file.
  std::vector<std::pair<std::wstring, std::string>> DataFiles() {
    auto files = FilesOf(Profiles().GetFolder());
    for (auto& file : FilesOf(Functions().GetFolder())) files.push_back(std::move(file));
    files.emplace_back(L"scripts", ReadBytes(Root().GetCustomScripts()->GetFilePath()));
    return files;
  }

  // The messages the editor window was posted, after pumping.
  std::vector<UINT> EditorMessages() {
    winsim::PumpMessages();
    std::vector<UINT> messages;
    for (const ParentMessage& message : ParentMessages()) {
      if (message.lParam == reinterpret_cast<LPARAM>(page_->GetSafeHwnd())) messages.push_back(message.message);
    }
    return messages;
  }

  CWnd* editor_ = nullptr;
  XmlFunction* extrude_ = nullptr;
  XmlFunction* bevel_ = nullptr;
};

TEST_F(ProfileZipImportTest, AnExportedArchiveImportsIntoAnotherProgramAsItWas) {
  const std::filesystem::path zip = ExportMain();
  const std::wstring extrudeId = extrude_->GetId();
  const std::wstring scriptId = Root().GetCustomScripts()->GetScriptIdAt(0);
  ASSERT_TRUE(Root().Load(root_ / "other"));
  const int profiles = Profiles().Count();

  ASSERT_TRUE(ImportProfileZip(page_, Root(), zip));
  EXPECT_TRUE(winsim::ModalLog().empty());  // no clash, no prompt
  ASSERT_EQ(Profiles().Count(), profiles + 1);
  XmlProfile& main = *Root().GetCurrentProfile();
  EXPECT_EQ(main.GetName(), L"Main");
  EXPECT_TRUE(main.IsSaved());
  ASSERT_EQ(Functions().Count(), 2);  // Extrude's second entry is the same function
  EXPECT_EQ(Functions().GetFunction(0)->GetName(), L"Extrude");
  EXPECT_EQ(Functions().GetFunction(0)->GetId(), extrudeId);
  EXPECT_EQ(main.GetFunctionIdOfKey(40), extrudeId);
  EXPECT_EQ(main.GetFunctionIdOfKey(41), Functions().GetFunction(1)->GetId());
  EXPECT_TRUE(std::filesystem::exists(Functions().GetFunction(1)->GetFilePath()));
  EXPECT_TRUE(Root().GetCustomScripts()->HasScript(scriptId));
  EXPECT_TRUE(hostsim::UndoLabels().empty());  // not an undo step
  EXPECT_EQ(EditorMessages(), (std::vector<UINT>{DocumentChangedMessage, TalvoDataChangedMessage}));
}

TEST_F(ProfileZipImportTest, ReimportingWithoutOverrideAddsRenamedCopiesUnderNewIds) {
  const std::filesystem::path zip = ExportMain();
  const auto before = DataFiles();
  const std::wstring extrudeId = extrude_->GetId();
  std::vector<std::wstring> prompted;
  winsim::AnswerMessageBox(IDNO, winsim::ModalMatch::TextContaining(L"existing profile"));
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
  winsim::AnswerMessageBox(
      IDNO, winsim::ModalMatch(L"Override existing functions with the same names? [Yes][No]", L"Quillon"));
  for (int clash = 0; clash < 2; ++clash) {  // the function rename dialog, which proposes "<name> 01"
    winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [&prompted](HWND dialog) {
      wchar_t clash[512] = {};
      GetDlgItemTextW(dialog, IDC_RENAME_CLASH_NAME, clash, 512);
      prompted.push_back(clash);
      SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
  }

  ASSERT_TRUE(ImportProfileZip(page_, Root(), zip));
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(prompted, (std::vector<std::wstring>{L"Extrude", L"Bevel"}));
  ASSERT_EQ(Functions().Count(), 4);
  XmlProfile& copy = *Root().GetCurrentProfile();
  EXPECT_EQ(copy.GetName(), L"Main 01");
  const XmlFunction& extrudeCopy = *Functions().GetFunction(2);
  EXPECT_EQ(extrudeCopy.GetName(), L"Extrude 01");
  EXPECT_NE(extrudeCopy.GetId(), extrudeId);
  EXPECT_EQ(copy.GetFunctionIdOfKey(40), extrudeCopy.GetId());
  EXPECT_EQ(ReadBytes(copy.GetFilePath()), copy.ToText());
  // The original documents and files are untouched.
  EXPECT_EQ(Profiles().GetProfile(0)->GetFunctionIdOfKey(12), extrudeId);
  auto after = DataFiles();
  for (const auto& file : before) {
    if (file.first == L"scripts") continue;
    EXPECT_NE(std::find(after.begin(), after.end(), file), after.end()) << ::testing::PrintToString(file.first);
  }
}

TEST_F(ProfileZipImportTest, OverridingFunctionsGivesTheExistingOnesTheImportedContent) {
  const std::filesystem::path zip = ExportMain();
  const std::wstring bevelFile = WidePath(bevel_->GetFilePath());
  const std::wstring bevelId = bevel_->GetId();
  // The stored Bevel changes after the export; the import brings the exported one back.
  bevel_->SetForceVI(true);
  ASSERT_TRUE(bevel_->Save());
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"existing profile"));
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"existing functions"));

  ASSERT_TRUE(ImportProfileZip(page_, Root(), zip));
  ASSERT_EQ(Functions().Count(), 2);
  EXPECT_FALSE(bevel_->GetForceVI());
  EXPECT_EQ(bevel_->GetId(), bevelId);
  EXPECT_EQ(WidePath(bevel_->GetFilePath()), bevelFile);
  EXPECT_TRUE(bevel_->IsSaved());
  int documents = 0;  // saving keeps ".bak" copies beside the documents
  for (const auto& file : FilesOf(Functions().GetFolder())) documents += file.first.ends_with(L".xml") ? 1 : 0;
  EXPECT_EQ(documents, 2);
}

TEST_F(ProfileZipImportTest, HostileOrBrokenArchivesChangeNothingAndSaySo) {
  const std::filesystem::path zip = ExportMain();
  ZipArchiveReader reader;
  ASSERT_EQ(reader.Read(zip), ZipArchiveReader::Status::Ok);
  const std::string profileBytes = reader.Entries()[0].bytes;
  const std::string functionBytes = reader.Entries()[1].bytes;
  const auto before = DataFiles();
  const int profiles = Profiles().Count();

  struct Case {
    std::vector<std::pair<std::wstring, std::string>> entries;
    std::wstring message;
  };
  const std::vector<Case> cases = {
      {{{L"New.xml", profileBytes}, {L"../../evil.xml", functionBytes}}, L"leads out of its folder"},
      {{{L"New.xml", profileBytes}, {L"f.xml", functionBytes}, {L"f.xml", OldFunctionText(L"Other")}},
       L"two different functions named \"f\""},
      {{{L"New.xml", profileBytes}, {L"f.xml", "<talvofunction><input"}}, L"\"f.xml\" is not a readable XML"},
      {{{L"readme.txt", "just text"}, {L"other.xml", "<?xml version=\"1.0\"?><unrelated/>"}},
       L"holds no profile, function or custom scripts"},
      {{{L"New.xml", profileBytes}, {L"f.xml", std::string("\0", 1) + functionBytes}},
       L"\"f.xml\" is not a readable XML"},
  };
  for (const Case& test : cases) {
    WriteZip(out_ / "bad.zip", test.entries);
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(test.message, L"Error", true));
    EXPECT_FALSE(ImportProfileZip(page_, Root(), out_ / "bad.zip")) << ::testing::PrintToString(test.message);
    EXPECT_EQ(winsim::PendingModalAnswers(), 0u) << ::testing::PrintToString(winsim::ModalLog().back().text);
    winsim::ResetModalResponder();
  }
  WriteBytes(out_ / "bad.zip", "not a zip");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't open zip file", L"Error"));
  EXPECT_FALSE(ImportProfileZip(page_, Root(), out_ / "bad.zip"));
  EXPECT_EQ(winsim::ModalLog().back().flags & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));

  EXPECT_EQ(DataFiles(), before);
  EXPECT_EQ(Profiles().Count(), profiles);
  EXPECT_EQ(Functions().Count(), 2);
  EXPECT_TRUE(EditorMessages().empty());
}

TEST_F(ProfileZipImportTest, FunctionsWithoutAProfileComeUpgradedAndAClashingFileNameGetsOneOfItsOwn) {
  XmlFunction* existing = MakeFunction(L"Existing");
  const std::string existingBytes = ReadBytes(existing->GetFilePath());
  // An entry named like the existing function's file, holding a different function.
  WriteZip(out_ / "f.zip",
           {{existing->XmlDocument::GetName() + L".xml", OldFunctionText(L"Old")}, {L"notes.txt", "ignored"}});
  const int profiles = Profiles().Count();
  ASSERT_TRUE(ImportProfileZip(page_, Root(), out_ / "f.zip"));
  EXPECT_EQ(Profiles().Count(), profiles);
  ASSERT_EQ(Functions().Count(), 2);
  XmlFunction& old = *Functions().GetFunction(1);
  EXPECT_EQ(old.GetName(), L"Old");
  EXPECT_EQ(old.GetVersion(), L"1003");
  EXPECT_TRUE(old.HasCase(CaseKeys{kInputSingleTap, kModeGlobal, 0, 1, 3}));
  EXPECT_TRUE(old.HasInput(kInputOverrideMode));
  EXPECT_TRUE(old.IsSaved());
  EXPECT_NE(old.GetFilePath(), existing->GetFilePath());
  EXPECT_EQ(ReadBytes(existing->GetFilePath()), existingBytes);
}

TEST_F(ProfileZipImportTest, EntriesNamedInAnyScriptImportUnderTheirIdsAndNamesThatAreNoUtf8RefuseTheArchive) {
  // Entry names name no file here, however they are written: the functions are stored under their ids.
  WriteZip(out_ / "names.zip",
           {{L"fn_\u51fd\u6570.xml", OldFunctionText(L"Imported")}, {L"ab:c*?.xml", OldFunctionText(L"Marked")}});
  ASSERT_TRUE(ImportProfileZip(page_, Root(), out_ / "names.zip"));
  ASSERT_EQ(Functions().Count(), 2);
  EXPECT_EQ(Functions().GetFunction(0)->GetId(), kOldId);
  EXPECT_NE(Functions().GetFunction(1)->GetId(), kOldId);
  for (int i = 0; i < 2; ++i) {
    const XmlFunction& function = *Functions().GetFunction(i);
    EXPECT_EQ(function.XmlDocument::GetName(), function.GetId());
    EXPECT_TRUE(std::filesystem::exists(function.GetFilePath()));
  }
  EXPECT_FALSE(std::filesystem::exists(Functions().GetFolder() / WideToUtf8(L"fn_\u51fd\u6570.xml")));

  // "\u00e9" is written as C3 A9; C3 28 is no UTF-8.
  WriteZip(out_ / "names.zip", {{L"bad\u00e9.xml", OldFunctionText(L"Other")}});
  std::string bytes = ReadBytes(out_ / "names.zip");
  for (std::size_t at = bytes.find("\xC3\xA9"); at != std::string::npos; at = bytes.find("\xC3\xA9", at))
    bytes[at + 1] = '(';
  WriteBytes(out_ / "names.zip", bytes);
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"is not valid UTF-8", L"Error", true));
  EXPECT_FALSE(ImportProfileZip(page_, Root(), out_ / "names.zip"));
  EXPECT_EQ(Functions().Count(), 2);
}

}  // namespace
}  // namespace Talvo::testing
