// The root object: first start, current documents, creation and deletion, saving at shutdown.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>

#include <host/core_interface.h>
#include <host/directories.h>
#include <host/simulation.h>

#include "model/file_names.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::ReadFile;
using testing::WriteFile;
using ScriptList = testing::ModelFolderTest;
using TalvoStartUp = testing::ModelFolderTest;

// A root object loaded from a fresh data folder.
class TalvoTest : public testing::ModelFolderTest {
 protected:
  void SetUp() override {
    ModelFolderTest::SetUp();
    ASSERT_TRUE(root.Load(root_));
  }
  Talvo root;
};

TEST_F(TalvoStartUp, FirstStartWritesAndLoadsTheDefaultDocumentsInTheHostsFolder) {
  Talvo root;
  ASSERT_TRUE(root.Load());
  const std::filesystem::path data = PathFromWide(GetCOREInterface()->GetDir(APP_PLUGCFG_DIR)) / "Talvo";
  EXPECT_EQ(root.GetDataFolder(), data);
  for (const char* file : {"Talvo.xml", "TalvoOptions.xml", "TalvoCustomScripts.xml", "Layouts/US-ISO.xml",
                           "Profiles/DefaultProfile.xml", "WheelEvents/DefaultWheelEvents.xml"}) {
    EXPECT_TRUE(std::filesystem::exists(data / file)) << file;
  }
  EXPECT_TRUE(std::filesystem::is_directory(data / "Functions"));
  EXPECT_EQ(root.GetKeyboards()->Count(), 2);
  EXPECT_NE(root.GetCurrentProfile(), nullptr);
  EXPECT_NE(root.GetCurrentKeyboard(), nullptr);
  EXPECT_NE(root.GetCurrentWheelEvents(), nullptr);
  EXPECT_FALSE(root.HasUnsaved());
}

TEST_F(TalvoStartUp, OutOfRangeSelectionsAreClampedAndBrokenFilesReplacedByDefaults) {
  Talvo first;
  ASSERT_TRUE(first.Load(root_));
  first.GetMainDocument()->SetSelectedProfile(9);
  first.GetMainDocument()->SetSelectedWheelEvents(4);
  ASSERT_TRUE(first.GetMainDocument()->Save());
  WriteFile(root_ / "TalvoOptions.xml", "<talvooptions><general>");

  Talvo second;
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"));
  ASSERT_TRUE(second.Load(root_));
  EXPECT_EQ(second.GetMainDocument()->GetSelectedProfile(), 0);
  EXPECT_EQ(second.GetMainDocument()->GetSelectedWheelEvents(), 0);
  EXPECT_NE(second.GetCurrentProfile(), nullptr);
  // The broken options file stays on disk until the defaults are saved over it.
  EXPECT_TRUE(second.GetOptions()->IsOptionsDocument());
  EXPECT_FALSE(second.GetOptions()->IsSaved());
  EXPECT_EQ(ReadFile(root_ / "TalvoOptions.xml"), "<talvooptions><general>");

  second.GetMainDocument()->SetSelectedProfile(-1);
  EXPECT_EQ(second.GetCurrentProfile(), nullptr);
  second.GetMainDocument()->SetSelectedProfile(1);
  EXPECT_EQ(second.GetCurrentProfile(), nullptr);
}

TEST_F(TalvoTest, CreatedFunctionsAreCurrentUniqueAndSurviveAReload) {
  XmlFunction* first = root.CreateFunction(kKindSingleTap);
  XmlFunction* second = root.CreateFunction(kKindContextSensitive);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(root.CreateFunction(999), nullptr);
  EXPECT_EQ(first->GetName(), L"New Function");
  EXPECT_EQ(second->GetName(), L"New Function 01");
  EXPECT_EQ(root.GetCurrentFunction(), second);
  EXPECT_EQ(second->XmlDocument::GetName(), second->GetId());
  EXPECT_EQ(root.IndexOfFunctionById(second->GetId()), 1);
  EXPECT_EQ(root.FindFunctionById(L""), nullptr);
  const std::wstring id = second->GetId();

  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"not saved"));
  EXPECT_TRUE(root.SaveAll());
  EXPECT_FALSE(root.HasUnsaved());

  Talvo reloaded;
  ASSERT_TRUE(reloaded.Load(root_));
  EXPECT_EQ(reloaded.GetFunctions()->Count(), 2);
  ASSERT_NE(reloaded.FindFunctionById(id), nullptr);
  EXPECT_EQ(reloaded.FindFunctionById(id)->GetDependent(), kKindContextSensitive);
}

TEST_F(TalvoTest, QuickSlotsSelectProfilesAndDeletionRemovesTheFile) {
  XmlProfile* added = root.NewProfile();
  ASSERT_NE(added, nullptr);
  root.GetMainDocument()->SetQuickProfile(3, 1);
  root.SetQuickProfileActive(0, true);
  root.SetQuickProfileActive(3, true);
  EXPECT_EQ(root.GetCurrentProfile(), added);
  EXPECT_TRUE(root.GetMainDocument()->GetQuickActive(3));
  EXPECT_FALSE(root.GetMainDocument()->GetQuickActive(0));

  ASSERT_TRUE(added->Save());
  const auto file = added->GetFilePath();
  EXPECT_TRUE(root.DeleteCurrentProfile());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(root.GetMainDocument()->GetSelectedProfile(), 0);
  root.SetCurrentProfile(5);
  EXPECT_FALSE(root.DeleteCurrentProfile());
  EXPECT_EQ(root.GetProfiles()->Count(), 1);

  root.SetKeyboard(1);
  EXPECT_EQ(root.GetMainDocument()->GetSelectedLayout(), L"US-ISO");
  root.SetKeyboard(7);
  EXPECT_EQ(root.GetMainDocument()->GetSelectedLayout(), L"US-ISO");
}

TEST_F(TalvoTest, NewWheelEventSetsAreSelectedAndDeletionMovesTheSelectionBack) {
  XmlWheelEvents* created = root.GetWheelEventsDir()->CreateNew();
  EXPECT_EQ(root.GetCurrentWheelEvents(), created);
  EXPECT_EQ(root.CountWheelEventsNamed(L"Default WheelEvents 1"), 1);
  EXPECT_EQ(created->XmlDocument::GetName(), created->GetId());
  EXPECT_NE(created->GetId(), root.GetWheelEvents(0)->GetId());
  EXPECT_TRUE(root.DeleteCurrentWheelEvents());
  EXPECT_EQ(root.GetMainDocument()->GetSelectedWheelEvents(), 0);
  EXPECT_TRUE(root.DeleteCurrentWheelEvents());
  EXPECT_EQ(root.GetCurrentWheelEvents(), nullptr);
  EXPECT_FALSE(root.DeleteCurrentWheelEvents());
  EXPECT_EQ(root.GetWheelEvents(0), nullptr);
}

TEST_F(TalvoTest, MissingOptionsAreCreatedClear) {
  EXPECT_TRUE(root.GetOption(L"overrideshortcuts"));
  EXPECT_FALSE(root.GetOption(L"brandnew"));
  EXPECT_TRUE(root.GetOptions()->HasOption(kOptionsGeneral, L"brandnew"));
}

TEST_F(TalvoTest, AsksBeforeSavingAndSavesOnYes) {
  root.OnHostShutdown();  // nothing unsaved: no question
  root.GetCurrentProfile()->SetName(L"Renamed");
  winsim::AnswerMessageBox(IDNO, winsim::ModalMatch::TextContaining(L"not saved"));
  root.OnHostShutdown();
  EXPECT_TRUE(root.HasUnsaved());
  EXPECT_EQ(ReadFile(root_ / "Profiles/DefaultProfile.xml").find("Renamed"), std::string::npos);
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"not saved"));
  root.OnHostShutdown();
  EXPECT_FALSE(root.HasUnsaved());
  EXPECT_NE(ReadFile(root_ / "Profiles/DefaultProfile.xml").find("Renamed"), std::string::npos);
}

TEST_F(TalvoTest, EveryFunctionsEmbeddedScriptsMoveToTheScriptsDocument) {
  root.CreateFunction(kKindSingleTap);
  XmlFunction* function = root.CreateFunction(kKindSingleTap);
  XmlFunction old;
  old.Parse(
      "<properties name=\"Old\"/><talvofunction><input type=\"SingleTap\"><modes><mode name=\"global\">"
      "<selection count=\"0\"><modifiers value=\"3\"><press count=\"1\"><action script=\"x\"/></press>"
      "</modifiers></selection></mode></modes></input></talvofunction>");
  function->CopyFrom(old);
  const int before = root.GetCustomScripts()->Count();
  root.MigrateFunctions();
  EXPECT_EQ(root.GetCustomScripts()->Count(), before + 1);
  EXPECT_FALSE(root.MigrateFunction(nullptr));
}

TEST_F(ScriptList, NotSelectedFirstThenTheScriptsOfTheRootObject) {
  Talvo& root = GetTalvo();
  ASSERT_TRUE(root.Load(root_));
  std::wstring first;
  std::wstring second;
  root.GetCustomScripts()->AddScript(L"Box it", L"box()", first);
  root.GetCustomScripts()->AddScript(L"Sphere it", L"sphere()", second);
  RefreshScriptNames();
  EXPECT_EQ(ScriptNames(), (std::vector<std::wstring>{L"Not Selected", L"Box it", L"Sphere it"}));
  EXPECT_EQ(GetScriptIdAt(2), second);
  EXPECT_EQ(GetScriptIdAt(3), L"Not Selected");
  EXPECT_EQ(GetScriptName(L"unknown"), L"Not Selected");
  EXPECT_EQ(IndexOfScript(second), 2);
  EXPECT_EQ(IndexOfScript(L"unknown"), -1);
  root.Clear();
  RefreshScriptNames();
  EXPECT_EQ(ScriptNames().size(), 1u);
}

}  // namespace
}  // namespace Talvo
