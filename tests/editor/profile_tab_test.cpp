// The profiles page: what it shows of the documents, each command as one undo step (none when nothing
// changes), quick slots across a delete, live rename, clone names and files, the learning-interface key
// after a switch, and the exchange commands.
#include "editor/profile_tab.h"

#include <win32/modal_responder.h>

#include <filesystem>
#include <functional>

#include "editor_test_helpers.h"
#include "engine/messages.h"
#include "model/text.h"
#include "profile_pages_fixture.h"

namespace Talvo::testing {

namespace {

// The page's toolbar commands.
constexpr UINT kSaveProfiles = 3001;
constexpr UINT kCreateProfile = 3002;
constexpr UINT kDeleteProfile = 3003;
constexpr UINT kImportProfile = 3004;
constexpr UINT kExportProfileZip = 3015;

class ProfileTabTest : public ProfilePagesTest {
 protected:
  // Default, Main and Work; Main current; slot 0 on Work, slot 1 on Main and active.
  ProfileTab& OpenWithSlots() {
    MakeProfiles({L"Main", L"Work"});
    Main().SetQuickProfile(0, 2);
    Main().SetQuickProfile(1, 1);
    Main().SetQuickActive(1, true);
    return OpenProfilePage();
  }

  // The page and the window's layout caption show exactly what the documents hold; an empty slot can not be
  // switched on.
  void ExpectPageShowsDocuments(ProfileTab& page) const {
    const XmlProfile* current = Root().GetCurrentProfile();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(page.GetNameEdit().GetWindowText(), current->GetName());
    EXPECT_EQ(layoutsCaption_, current->GetLayout());
    ASSERT_EQ(page.GetProfilesMenu().GetItemCount(), Profiles().Count());
    for (int i = 0; i < Profiles().Count(); ++i) {
      EXPECT_EQ(page.GetProfilesMenu().GetItemText(i), Profiles().GetProfile(i)->GetName());
    }
    for (int slot = 0; slot < 6; ++slot) {
      const XmlProfile* shown = Root().GetProfile(Main().GetQuickProfile(slot));
      EXPECT_EQ(page.GetSlotMenu(slot).GetWindowText(), shown ? shown->GetName() : L"") << slot;
      EXPECT_EQ(page.GetSlotCheck(slot).GetCheck() == BST_CHECKED, Main().GetQuickActive(slot)) << slot;
      EXPECT_EQ(page.GetSlotCheck(slot).IsWindowEnabled() != FALSE, shown != nullptr) << slot;
      EXPECT_EQ(page.GetSlotMarker(slot).shown, Main().GetQuickActive(slot)) << slot;
    }
  }
};

constexpr const wchar_t* kBefore = L"Default;Main;Work; selected 1; slots 2 1* -1 -1 -1 -1";

struct CommandCase {
  const char* name;
  std::function<void(ProfileTab&)> run;
  const wchar_t* label;  // the undo step's label; empty where nothing may change
  const wchar_t* after;  // ProfileState afterwards
};

const CommandCase kCommands[] = {
    {"Create", [](ProfileTab& page) { Command(page, kCreateProfile); }, L"Create Profile",
     L"Default;Main;Work;New Profile; selected 3; slots 2 1 -1 -1 -1 -1"},
    {"CreateForALayoutSwitch", [](ProfileTab& page) { page.OnCreateProfile(); }, L"Create Profile",
     L"Default;Main;Work;New Profile; selected 3; slots 2 1 -1 -1 -1 -1"},
    {"Delete", [](ProfileTab& page) { Command(page, kDeleteProfile); }, L"Delete Profile",
     L"Default;Work; selected 0; slots 1 1 -1 -1 -1 -1"},
    {"DeleteFromTheMenu", [](ProfileTab& page) { page.SendMessage(DeleteProfileMessage); }, L"Delete Profile",
     L"Default;Work; selected 0; slots 1 1 -1 -1 -1 -1"},
    {"Clone", [](ProfileTab& page) { page.SendMessage(CloneProfileMessage); }, L"Load Profile",
     L"Default;Main;Work;Main(clone); selected 3; slots 2 1 -1 -1 -1 -1"},
    {"Select", [](ProfileTab& page) { Choose(page.GetProfilesMenu(), 3); }, L"Select Profile",
     L"Default;Main;Work; selected 2; slots 2* 1 -1 -1 -1 -1"},
    {"QuickCheck", [](ProfileTab& page) { Click(page.GetSlotCheck(0)); }, L"0Quick Check ",
     L"Default;Main;Work; selected 2; slots 2* 1 -1 -1 -1 -1"},
    {"QuickUncheck", [](ProfileTab& page) { Click(page.GetSlotCheck(1)); }, L"1Quick Check ",
     L"Default;Main;Work; selected 1; slots 2 1 -1 -1 -1 -1"},
    {"QuickSelect", [](ProfileTab& page) { Choose(page.GetSlotMenu(1), 1); }, L"1Quick Select ",
     L"Default;Main;Work; selected 0; slots 2 0* -1 -1 -1 -1"},
    {"DismissedMenu", [](ProfileTab& page) { Choose(page.GetProfilesMenu(), 0); }, L"", kBefore},
    {"DismissedSlotMenu", [](ProfileTab& page) { Choose(page.GetSlotMenu(0), 0); }, L"", kBefore},
    {"CancelledImport",
     [](ProfileTab& page) {
       winsim::CancelFileDialog();
       Command(page, kImportProfile);
     },
     L"", kBefore},
    {"FailedDelete",
     [](ProfileTab& page) {
       GetTalvo().GetMainDocument()->SetSelectedProfile(7);
       winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can not delete (error ", L"", true));
       Command(page, kDeleteProfile);
     },
     L"", L"Default;Main;Work; selected 7; slots 2 1* -1 -1 -1 -1"},
    {"CloneWithoutAProfile",
     [](ProfileTab& page) {
       GetTalvo().GetMainDocument()->SetSelectedProfile(7);
       page.SendMessage(CloneProfileMessage);
     },
     L"", L"Default;Main;Work; selected 7; slots 2 1* -1 -1 -1 -1"},
};

}  // namespace

TEST_F(ProfileTabTest, EveryCommandIsOneUndoStepOrNoneWhenNothingChanges) {
  for (const CommandCase& command : kCommands) {
    SCOPED_TRACE(command.name);
    TearDown();
    SetUp();
    ProfileTab& page = OpenWithSlots();
    command.run(page);
    EXPECT_EQ(ProfileState(), command.after);
    EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
    if (*command.label == L'\0') {
      EXPECT_EQ(theHold.UndoCount(), 0);
      continue;
    }
    EXPECT_EQ(UndoLabels(), std::vector<std::wstring>{command.label});
    ExpectPageShowsDocuments(page);
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(ProfileState(), kBefore);
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(ProfileState(), command.after);
  }
}

TEST_F(ProfileTabTest, QuickSlotsKeepNamingTheirProfilesAcrossADelete) {
  MakeProfiles({L"A", L"B", L"C"});  // indices 1, 2, 3; A current
  const int slots[] = {1, 2, 3, -1, 0, 1};
  for (int slot = 0; slot < 6; ++slot) Main().SetQuickProfile(slot, slots[slot]);
  Main().SetQuickActive(0, true);
  ProfileTab& page = OpenProfilePage();
  const std::filesystem::path file = Root().GetCurrentProfile()->GetFilePath();
  Command(page, kDeleteProfile);
  EXPECT_FALSE(std::filesystem::exists(file));
  // The slots of A move to the last profile (C) and stop being active; those above A move down by one.
  EXPECT_EQ(ProfileState(), L"Default;B;C; selected 0; slots 2 1 2 -1 0 2");
  ExpectPageShowsDocuments(page);
  EXPECT_EQ(page.GetSlotMenu(0).GetItemCount(), 3);
}

TEST_F(ProfileTabTest, LiveRenameTakesTheFieldsTextAndNeverTouchesFiles) {
  const std::wstring longest(512, L'\u00e9');
  const std::pair<std::wstring, std::wstring> cases[] = {
      // typed, the profile's name afterwards: any text, another profile's name too, at most 512 characters
      {L"Modelling", L"Modelling"}, {L"", L""}, {L"Work", L"Work"}, {L"a/b:c", L"a/b:c"}, {longest + L"xyz", longest},
  };
  for (const auto& [typed, name] : cases) {
    SCOPED_TRACE(WideToUtf8(typed.substr(0, 20)));
    TearDown();
    SetUp();
    ProfileTab& page = OpenWithSlots();
    XmlProfile& profile = *Root().GetCurrentProfile();
    const std::wstring document = profile.XmlDocument::GetName();
    const std::wstring listened = hostsim::ListenerText();
    page.GetNameEdit().SetWindowText(typed);
    page.SendMessage(ProfileNameEditedMessage);
    EXPECT_EQ(profile.GetName(), name);
    EXPECT_EQ(hostsim::ListenerText(), listened);          // no line per keystroke
    EXPECT_EQ(page.GetSlotMenu(1).GetWindowText(), name);  // the slot showing the profile
    EXPECT_EQ(theHold.UndoCount(), 0);
    Command(page, kSaveProfiles);
    EXPECT_EQ(profile.XmlDocument::GetName(), document);
    EXPECT_NE(ReadBytes(profile.GetFilePath()).find(WideToUtf8(L"name=\"" + name.substr(0, 20))), std::string::npos);
  }
}

TEST_F(ProfileTabTest, ClonesTakeTheSourcesNameAndAFileOfTheirOwn) {
  MakeProfiles({L"Main", L"Main(clone)"});
  XmlFunction* extrude = MakeFunction(L"Extrude");
  XmlProfile& main = *Root().GetCurrentProfile();
  main.Assign(12, 187, extrude->GetId(), true, false);
  ProfileTab& page = OpenProfilePage();
  page.SendMessage(CloneProfileMessage);
  XmlProfile& clone = *Root().GetCurrentProfile();
  EXPECT_EQ(clone.GetName(), L"Main(clone)");  // clone names are not made unique
  EXPECT_NE(clone.GetId(), main.GetId());
  EXPECT_EQ(clone.XmlDocument::GetName(), clone.GetId());
  EXPECT_EQ(clone.GetFunctionIdOfKey(12), extrude->GetId());
  EXPECT_NE(clone.GetFilePath(), Profiles().GetProfile(2)->GetFilePath());
  Command(page, kSaveProfiles);
  EXPECT_NE(ReadBytes(main.GetFilePath()), ReadBytes(clone.GetFilePath()));
}

TEST_F(ProfileTabTest, SwitchingProfilesMovesTheLearningInterfaceKeyAndMarksTheLowestSlot) {
  MakeProfiles({L"Main", L"Work"});
  Profiles().GetProfile(2)->AddVisualAssignment(33);
  for (int slot : {4, 2}) Main().SetQuickProfile(slot, 2);
  ProfileTab& page = OpenProfilePage();
  const int rebuilds = assignmentRebuilds_;
  Choose(page.GetProfilesMenu(), 3);
  EXPECT_EQ(Root().GetLearningKeyButton(), page.GetLayout().GetKeyButton(33));
  EXPECT_TRUE(Main().GetQuickActive(2));
  EXPECT_FALSE(Main().GetQuickActive(4));
  EXPECT_GT(assignmentRebuilds_, rebuilds);
  Choose(page.GetProfilesMenu(), 2);
  EXPECT_EQ(Root().GetLearningKeyButton(), nullptr);
  EXPECT_FALSE(Main().GetQuickActive(2));
}

TEST_F(ProfileTabTest, ExportAndImportGoThroughTheMenuMessages) {
  ProfileTab& page = OpenWithSlots();
  const std::filesystem::path file = root_ / "Main export.xml";
  winsim::AnswerFileDialog(WidePath(file));
  page.SendMessage(ExportProfileMessage);
  ASSERT_EQ(ReadBytes(file), Root().GetCurrentProfile()->ToText());
  Command(page, kDeleteProfile);
  winsim::AnswerFileDialog(WidePath(file));
  page.SendMessage(LoadProfileMessage);
  EXPECT_EQ(ProfileState(), L"Default;Work;Main; selected 2; slots 1 1 -1 -1 -1 -1");
  ExpectPageShowsDocuments(page);
  winsim::AnswerFileDialog(WidePath(root_ / "Main.zip"));
  Command(page, kExportProfileZip);
  EXPECT_TRUE(std::filesystem::exists(root_ / "Main.zip"));
}

}  // namespace Talvo::testing
