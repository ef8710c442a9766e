#include <gtest/gtest.h>

#include "editor/profile_export.h"
#include "profile_transfer_fixture.h"

namespace Talvo::testing {
namespace {

using ProfileExportTest = ProfileTransferTest;

TEST_F(ProfileExportTest, XmlExportWritesTheProfileDocumentAndAppendsTheExtension) {
  Profile().SetName(L"Main");
  winsim::AnswerFileDialog(WidePath(out_ / "main"), winsim::FileDialogKind::Save,
                           winsim::ModalMatch::Caption(L"Export Current Profile"));
  ExportProfileXml(page_, Root());
  ASSERT_TRUE(std::filesystem::exists(out_ / "main.xml"));
  EXPECT_EQ(ReadBytes(out_ / "main.xml"), Profile().ToText());

  // Without a current profile no dialog is shown at all.
  Root().SetCurrentProfile(7);
  winsim::ClearModalLog();
  ExportProfileXml(page_, Root());
  EXPECT_TRUE(winsim::ModalLog().empty());
}

TEST_F(ProfileExportTest, AnXmlExportThatCannotBeWrittenSaysSo) {
  // A folder where the file should go cannot be replaced by the export.
  std::filesystem::create_directories(out_ / "p.xml");
  winsim::AnswerFileDialog(WidePath(out_ / "p.xml"));
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"already exists"));
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't save file!", L"Error"));
  ExportProfileXml(page_, Root());
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(out_ / "p.xml"));
}

TEST_F(ProfileExportTest, ZipCarriesTheProfileEachAssignedFunctionPerKeyAndTheScripts) {
  Profile().SetName(L"Main");
  XmlFunction* extrude = MakeFunction(L"Extrude");
  XmlFunction* bevel = MakeFunction(L"Bevel");
  Assign(12, extrude);
  Assign(20, nullptr);  // a key without a function
  Assign(40, extrude);
  Assign(41, bevel);
  Profile().Assign(42, 70, L"0123456789abcdef0123456789abcdef", false, false);  // a function that is gone
  bevel->SetName(L"Bevel 2");                                                   // unsaved: saved on the way

  winsim::AnswerFileDialog(WidePath(out_ / "main"), winsim::FileDialogKind::Save,
                           winsim::ModalMatch::Caption(L"ZipExport Current Profile with used Functions"));
  ExportProfileZip(page_, Root());

  EXPECT_TRUE(Profile().IsSaved());
  EXPECT_TRUE(bevel->IsSaved());
  const std::wstring profileEntry = Profile().XmlDocument::GetName() + L".xml";
  const std::wstring extrudeEntry = extrude->XmlDocument::GetName() + L".xml";
  const std::wstring bevelEntry = bevel->XmlDocument::GetName() + L".xml";
  const std::wstring scriptsEntry = Root().GetCustomScripts()->XmlDocument::GetName() + L".xml";
  EXPECT_EQ(EntryNames(out_ / "main.zip"),
            (std::vector<std::wstring>{profileEntry, extrudeEntry, extrudeEntry, bevelEntry, scriptsEntry}));
  ZipArchiveReader reader;
  ASSERT_EQ(reader.Read(out_ / "main.zip"), ZipArchiveReader::Status::Ok);
  EXPECT_EQ(reader.Entries()[0].bytes, ReadBytes(Profile().GetFilePath()));
  EXPECT_EQ(reader.Entries()[3].bytes, ReadBytes(bevel->GetFilePath()));
  EXPECT_EQ(ListenerText(), L"Zip created. Please check your zipfile.\n");
}

TEST_F(ProfileExportTest, ZipExportReportsToTheListenerUnlessAskedForSilence) {
  winsim::CancelFileDialog(winsim::FileDialogKind::Save);
  ExportProfileZip(page_, Root());
  EXPECT_EQ(ListenerText(), L"Canceled Zip export Profiles with Functions\n");

  the_listener->Clear();
  Root().SetCurrentProfile(-1);
  ExportProfileZip(page_, Root());
  EXPECT_EQ(ListenerText(), L"Error: Profile not found\n");

  the_listener->Clear();
  NoVerbosity = true;
  ExportProfileZip(page_, Root());
  EXPECT_EQ(ListenerText(), L"");
}

TEST_F(ProfileExportTest, ZipExportStopsWhenTheProfileCannotBeSaved) {
  Profile().SetName(L"Changed");
  std::filesystem::remove_all(Profiles().GetFolder());
  WriteBytes(Profiles().GetFolder(), "a file where the folder should be");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"), winsim::Repeat::Always);
  ExportProfileZip(page_, Root());
  EXPECT_EQ(ListenerText(), L"Error: Can't save Profile. Please save Profile manually and try again.\n");
  EXPECT_TRUE(std::filesystem::is_empty(out_));
}

TEST_F(ProfileExportTest, ZipExportLeavesOutAFunctionThatCannotBeSavedAndGoesOn) {
  XmlFunction* stuck = MakeFunction(L"Stuck");
  Assign(12, stuck);
  ASSERT_TRUE(Profile().Save());
  stuck->SetName(L"Stuck 2");
  // A folder in place of its file makes its save fail.
  std::filesystem::remove(stuck->GetFilePath());
  std::filesystem::create_directories(stuck->GetFilePath());
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(), winsim::Repeat::Always);
  winsim::AnswerFileDialog(WidePath(out_ / "p.zip"));
  ExportProfileZip(page_, Root());
  EXPECT_EQ(ListenerText(), L"Error: Can't save Function: Stuck 2\nZip created. Please check your zipfile.\n");
  EXPECT_EQ(EntryNames(out_ / "p.zip").size(), 2u);  // the profile and the scripts
}

TEST_F(ProfileExportTest, AnArchiveThatCannotBeCreatedIsReportedAndLeavesNoFile) {
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't create zip file", L"Error"));
  EXPECT_FALSE(WriteProfileZip(page_, Root(), out_ / "missing-folder" / "p.zip"));
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(winsim::ModalLog().back().flags & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
}

// A function file gone from the disk behind the program's back fails the whole archive; the file that
// was there before stays.
TEST_F(ProfileExportTest, AFunctionFileThatCannotBeReadFailsTheArchiveAndKeepsTheOldOne) {
  XmlFunction* gone = MakeFunction(L"Gone");
  Assign(12, gone);
  ASSERT_TRUE(gone->Save() && Profile().Save());
  std::filesystem::remove(gone->GetFilePath());
  WriteBytes(out_ / "p.zip", "old");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't create zip file", L"Error"));
  EXPECT_FALSE(WriteProfileZip(page_, Root(), out_ / "p.zip"));
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(ReadBytes(out_ / "p.zip"), "old");
}

}  // namespace
}  // namespace Talvo::testing
