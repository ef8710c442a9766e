// Undo and redo keep the disk in step with memory: a document that a step created and a later save wrote
// leaves the disk with the undo and comes back with the redo, so that a restart shows what the editor
// showed. A cancelled step that changed nothing stays silent; the script list follows the scripts.
#include <host/undo.h>

#include <set>

#include "engine/restore_obj.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

int changeMessages = 0;

LRESULT CALLBACK CountingEditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TalvoDataChangedMessage) ++changeMessages;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The ids of a folder's documents (a start loads them in file-name order).
std::set<std::wstring> Ids(const XmlDocDirectory* folder) {
  std::set<std::wstring> ids;
  for (int i = 0; folder != nullptr && i < folder->Count(); ++i) ids.insert(folder->GetAt(i)->GetId());
  return ids;
}

// A kind of document that a step creates.
struct CreationRow {
  const char* name;
  std::function<XmlDocument*(Talvo&)> create;
  std::function<const XmlDocDirectory*(const Talvo&)> folder;
};

const CreationRow kCreations[] = {
    {"Function", [](Talvo& root) -> XmlDocument* { return root.CreateFunction(kKindSingleTap); },
     [](const Talvo& root) -> const XmlDocDirectory* { return root.GetFunctions(); }},
    {"Profile", [](Talvo& root) -> XmlDocument* { return root.NewProfile(); },
     [](const Talvo& root) -> const XmlDocDirectory* { return root.GetProfiles(); }},
};

void PrintTo(const CreationRow& row, std::ostream* out) { *out << row.name; }

class UndoAndDiskTest : public EngineTest, public ::testing::WithParamInterface<CreationRow> {
 protected:
  template <typename Change>
  static void Step(Change change) {
    theHold.Begin();
    theHold.Put(new TalvoDataRestoreObj(0, 65535));
    change();
    theHold.Accept(L"Step");
  }

  // What a new start on the data folder would show of the folder, against what memory shows.
  void ExpectRestartShowsMemory(const char* when) {
    Talvo restarted;
    ASSERT_TRUE(restarted.Load(GetTalvo().GetDataFolder()));
    EXPECT_EQ(Ids(GetParam().folder(restarted)), Ids(GetParam().folder(GetTalvo()))) << when;
  }

  XmlDocument* CreateInAStep() {
    XmlDocument* made = nullptr;
    Step([&] { made = GetParam().create(GetTalvo()); });
    return made;
  }
};

TEST_P(UndoAndDiskTest, ACreationSavedAfterItsStepLeavesTheDiskWithTheUndo) {
  XmlDocument* made = CreateInAStep();
  ASSERT_NE(made, nullptr);
  const std::filesystem::path file = made->GetFilePath();
  ASSERT_TRUE(made->Save());

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_FALSE(std::filesystem::exists(file));
  ExpectRestartShowsMemory("after undo");

  ASSERT_TRUE(hostsim::Redo());
  ASSERT_TRUE(std::filesystem::exists(file));
  const XmlDocDirectory* folder = GetParam().folder(GetTalvo());
  EXPECT_TRUE(folder->GetAt(folder->Count() - 1)->IsSaved());
  ExpectRestartShowsMemory("after redo");

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_FALSE(std::filesystem::exists(file));
  ExpectRestartShowsMemory("after a second undo");
}

TEST_P(UndoAndDiskTest, StepsAndSavesUndoneAndRedoneEndWithTheFileOfTheLastSave) {
  XmlDocument* made = CreateInAStep();
  ASSERT_TRUE(made->Save());
  const std::wstring id = made->GetId();
  Step([&] { made->SetProperty("name", L"Renamed"); });
  ASSERT_TRUE(made->Save());

  ASSERT_TRUE(hostsim::Undo());
  ASSERT_TRUE(hostsim::Undo());
  ExpectRestartShowsMemory("after both undos");
  ASSERT_TRUE(hostsim::Redo());
  ASSERT_TRUE(hostsim::Redo());

  const XmlDocDirectory* folder = GetParam().folder(GetTalvo());
  const XmlDocument* back = folder->GetAt(folder->Count() - 1);
  EXPECT_EQ(back->GetId(), id);
  EXPECT_EQ(back->GetProperty("name"), L"Renamed");
  EXPECT_TRUE(back->IsSaved());
  EXPECT_TRUE(back->MatchesFile());
  ExpectRestartShowsMemory("after both redos");
}

INSTANTIATE_TEST_SUITE_P(Documents, UndoAndDiskTest, ::testing::ValuesIn(kCreations),
                         [](const auto& info) { return std::string(info.param.name); });

class UndoNoticesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    changeMessages = 0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &CountingEditorProc;
    windowClass.lpszClassName = L"CountingEditor";
    RegisterClassW(&windowClass);
    SetEditorWindow(
        CreateWindowExW(0, L"CountingEditor", L"Editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  }
};

TEST_F(UndoNoticesTest, ACancelledStepTellsTheEditorOnlyWhenItPutSomethingBack) {
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  theHold.Cancel();
  EXPECT_EQ(changeMessages, 0);

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  GetTalvo().CreateFunction(kKindSingleTap);
  theHold.Cancel();
  EXPECT_EQ(changeMessages, 1);
  EXPECT_EQ(GetTalvo().GetFunctions()->Count(), 0);
}

TEST_F(UndoNoticesTest, TheScriptListFollowsTheScriptsThroughUndoAndRedo) {
  RefreshScriptNames();
  const std::vector<std::wstring> before = ScriptNames();
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  std::wstring id;
  GetTalvo().GetCustomScripts()->AddScript(L"Chamfer it", L"polyop.chamfer $", id);
  theHold.Accept(L"Step");
  RefreshScriptNames();

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(ScriptNames(), before);
  ASSERT_TRUE(hostsim::Redo());
  EXPECT_EQ(ScriptNames().back(), L"Chamfer it");
}

}  // namespace
}  // namespace Talvo::testing
