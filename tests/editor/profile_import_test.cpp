#include <gtest/gtest.h>

#include <vector>

#include "editor/profile_import.h"
#include "editor/profile_rename_dlg.h"
#include "engine/messages.h"
#include "resources/dialogs/rename_dlg_ids.h"
#include "profile_transfer_fixture.h"

namespace Talvo::testing {
namespace {

class RecordingView : public iProfileImportView {
 public:
  void ShowImportedProfile(XmlProfile& profile, bool replacedExisting) override {
    shown.emplace_back(&profile, replacedExisting);
  }
  std::vector<std::pair<XmlProfile*, bool>> shown;
};

class ProfileImportTest : public ProfileTransferTest {
 protected:
  // A profile file named like the profile, with an assignment on key `key`.
  std::filesystem::path ProfileFile(const std::wstring& name, int key = 30) {
    XmlProfile copy(nullptr);
    copy.CopyFrom(Profile());
    copy.SetName(name);
    copy.Assign(key, 81, L"", false, false);
    const std::filesystem::path path = out_ / (name + L".xml");
    EXPECT_EQ(copy.SaveAs(path), kXmlOk);
    return path;
  }
  XmlProfile* AddProfile(const std::wstring& name) {
    XmlProfile* profile = Root().NewProfile();
    profile->SetName(name);
    EXPECT_TRUE(profile->Save());
    return profile;
  }
  void AnswerRename(int result, const std::wstring& typed = {}) {
    winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [=](HWND dialog) {
      if (!typed.empty()) SetDlgItemTextW(dialog, IDC_RENAME_NAME, typed.c_str());
      SendMessageW(dialog, WM_COMMAND, result, 0);
    });
  }

  RecordingView view_;
};

TEST_F(ProfileImportTest, IntoAnEmptyFolderTheProfileIsAddedWithoutAPromptAsOneUndoStep) {
  const std::filesystem::path file = ProfileFile(L"Work");
  while (Profiles().Count() > 0) ASSERT_TRUE(Root().DeleteCurrentProfile());
  Root().GetMainDocument()->SetQuickActive(2, true);

  ASSERT_TRUE(ImportProfileXml(page_, Root(), file, &view_));
  ASSERT_EQ(Profiles().Count(), 1);
  XmlProfile& imported = *Profiles().GetProfile(0);
  EXPECT_EQ(Root().GetCurrentProfile(), &imported);
  EXPECT_TRUE(imported.HasAssignment(30));
  EXPECT_EQ(imported.XmlDocument::GetName(), imported.GetId());  // stored under its id, not as "Work"
  EXPECT_TRUE(imported.IsSaved());
  EXPECT_NE(imported.GetProperty("time"), L"0");
  EXPECT_FALSE(Root().GetMainDocument()->GetQuickActive(2));
  EXPECT_EQ(view_.shown, (std::vector<std::pair<XmlProfile*, bool>>{{&imported, false}}));
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Load Profile"});

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(Profiles().Count(), 0);
}

TEST_F(ProfileImportTest, OverridingAProfileKeepsItsPlaceAndFileAndAddsNothing) {
  Profile().SetName(L"Main");
  ASSERT_TRUE(Profile().Save());
  AddProfile(L"Other");
  Root().SetCurrentProfile(1);
  const std::wstring fileName = Profiles().GetProfile(0)->XmlDocument::GetName();
  const std::filesystem::path file = ProfileFile(L"Main", 44);
  const auto filesBefore = FilesOf(Profiles().GetFolder()).size();

  winsim::AnswerMessageBox(IDYES,
                           winsim::ModalMatch(L"Override existing profile with the same name? [Yes][No]", L"Quillon"));
  ASSERT_TRUE(ImportProfileXml(page_, Root(), file, &view_));
  EXPECT_EQ(Profiles().Count(), 2);
  XmlProfile& main = *Profiles().GetProfile(0);
  EXPECT_EQ(Root().GetCurrentProfile(), &main);
  EXPECT_TRUE(main.HasAssignment(44));
  EXPECT_EQ(main.XmlDocument::GetName(), fileName);
  EXPECT_EQ(FilesOf(Profiles().GetFolder()).size(), filesBefore);
  EXPECT_EQ(view_.shown, (std::vector<std::pair<XmlProfile*, bool>>{{&main, true}}));
}

TEST_F(ProfileImportTest, DecliningTheOverrideProposesTheFirstFreeNameAndRenewsAClashingId) {
  Profile().SetName(L"Work");
  ASSERT_TRUE(Profile().Save());
  AddProfile(L"Work 01");
  AddProfile(L"Work 02");
  const std::filesystem::path file = ProfileFile(L"Work");  // same id and same document name as profile 0
  const std::string originalBytes = ReadBytes(Profile().GetFilePath());

  winsim::AnswerMessageBox(IDNO, winsim::ModalMatch::TextContaining(L"Override existing profile"));
  winsim::AnswerModalDialog(hProfileRenameDlg::IDD, [](HWND dialog) {
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_RENAME_CLASH_NAME)), L"Work");
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // takes the proposed name
  });
  ASSERT_TRUE(ImportProfileXml(page_, Root(), file, &view_));
  ASSERT_EQ(Profiles().Count(), 4);
  XmlProfile& imported = *Profiles().GetProfile(3);
  EXPECT_EQ(imported.GetName(), L"Work 03");
  EXPECT_NE(imported.GetId(), Profiles().GetProfile(0)->GetId());
  // The imported profile got a file of its own; the original's file is untouched.
  EXPECT_NE(imported.GetFilePath(), Profiles().GetProfile(0)->GetFilePath());
  EXPECT_EQ(ReadBytes(Profiles().GetProfile(0)->GetFilePath()), originalBytes);
}

TEST_F(ProfileImportTest, RenamingRepeatsWhileTheNameClashesAndCancelKeepsTheName) {
  Profile().SetName(L"Work");
  AddProfile(L"Taken");
  const std::filesystem::path file = ProfileFile(L"Work");
  winsim::AnswerMessageBox(IDNO);
  AnswerRename(IDOK, L"Taken");
  AnswerRename(IDCANCEL);
  ASSERT_TRUE(ImportProfileXml(page_, Root(), file, &view_));
  EXPECT_EQ(Profiles().GetProfile(2)->GetName(), L"Taken");
  EXPECT_EQ(Root().CountProfilesNamed(L"Taken"), 2);
}

TEST_F(ProfileImportTest, AFileThatIsNoProfileIsRefusedWithoutAnyChangeOrUndoStep) {
  WriteBytes(out_ / "broken.xml", "<talvoprofile><assignment");
  XmlFunction* function = MakeFunction(L"Box");
  const int count = Profiles().Count();
  winsim::AnswerMessageBox(IDOK,
                           winsim::ModalMatch(L"Can't load file!\n" + WidePath(out_ / "broken.xml"), L"Warning!"));
  EXPECT_FALSE(ImportProfileXml(page_, Root(), out_ / "broken.xml", &view_));
  for (const std::filesystem::path& path : {out_ / "missing.xml", function->GetFilePath()}) {
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't load file!\n" + WidePath(path), L"Error"));
    EXPECT_FALSE(ImportProfileXml(page_, Root(), path, &view_));
  }
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(Profiles().Count(), count);
  EXPECT_TRUE(view_.shown.empty());
  EXPECT_TRUE(hostsim::UndoLabels().empty());
}

TEST_F(ProfileImportTest, TheFileDialogChoosesTheImportByTheExtensionInAnyCase) {
  CWnd* editor = CreateParent(100, 100, 0, 0);
  SetEditorWindow(editor->GetSafeHwnd());
  const std::filesystem::path file = ProfileFile(L"Capital");
  std::filesystem::rename(file, out_ / "CAPITAL.XML");
  winsim::AnswerFileDialog(
      WidePath(out_ / "CAPITAL.XML"), winsim::FileDialogKind::Open,
      winsim::ModalMatch::Caption(L"Open Quillon Profile or ZipImport Profile with used Functions"));
  winsim::AnswerMessageBox(IDNO);
  ImportProfile(page_, Root(), &view_);
  EXPECT_EQ(Profile().GetName(), L"Capital");
  bool pageNamed = false;
  for (const ParentMessage& message : ParentMessages()) {
    pageNamed |=
        message.message == DocumentChangedMessage && message.lParam == reinterpret_cast<LPARAM>(page_->GetSafeHwnd());
  }
  EXPECT_TRUE(pageNamed);

  WriteBytes(out_ / "notes.txt", "text");
  winsim::AnswerFileDialog(WidePath(out_ / "notes.txt"));
  ImportProfile(page_, Root(), &view_);
  EXPECT_EQ(ListenerText(), L"Can't recognize file extention.\n");

  the_listener->Clear();
  Root().Clear();
  ImportProfile(page_, Root(), &view_);
  EXPECT_EQ(ListenerText(), L"Can't get profile's or function's parent structure.\n");
}

}  // namespace
}  // namespace Talvo::testing
