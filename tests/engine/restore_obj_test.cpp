// The undo record of editing steps: undo restores the data before the step, redo the data after it,
// and the editor hears where the step happened.
#include "engine/restore_obj.h"
#include "engine_fixture.h"

namespace Talvo::testing {
namespace {

// Where a step happened: pages of the editor and sub-page codes (a modifier's string id, or none).
constexpr std::uint16_t kProfilesPage = 0;
constexpr std::uint16_t kFirstKeyPage = 3;
constexpr std::uint16_t kNoSubPage = 65535;
constexpr std::uint16_t kEditablePolySubPage = 136;

constexpr WPARAM ChangeCode(std::uint16_t page, std::uint16_t subPage) { return (WPARAM{subPage} << 16) | page; }

// The editor window as far as the record talks to it.
std::vector<WPARAM> changes;

LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TalvoDataChangedMessage) changes.push_back(wParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class RestoreObjTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    changes.clear();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &EditorProc;
    windowClass.lpszClassName = L"TestEditor";
    RegisterClassW(&windowClass);
    editor_ = CreateWindowExW(0, L"TestEditor", L"Editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }

  // One editing step as the pages make it.
  template <typename Change>
  void Step(std::uint16_t page, std::uint16_t subPage, const wchar_t* label, Change change) {
    theHold.Begin();
    theHold.Put(new TalvoDataRestoreObj(page, subPage));
    change();
    theHold.Accept(label);
  }

  HWND editor_ = nullptr;
};

TEST_F(RestoreObjTest, UndoAndRedoOfAProfileChangeLeaveItUnsavedAndOtherDocumentsAlone) {
  XmlProfile* profile = &Profile();
  const int key = KeyOf('Q');
  Step(kProfilesPage, kNoSubPage, L"Select Profile", [&] {
    profile->SetName(L"Modelling");
    profile->Assign(key, 'Q', L"", false, true);
  });
  ASSERT_TRUE(profile->Save());
  SetEditorWindow(editor_);

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(profile->GetName(), L"Default");
  EXPECT_FALSE(profile->HasAssignment(key));
  EXPECT_FALSE(profile->IsSaved());
  EXPECT_EQ(changes, std::vector<WPARAM>{ChangeCode(kProfilesPage, kNoSubPage)});

  ASSERT_TRUE(profile->Save());
  ASSERT_TRUE(hostsim::Redo());
  EXPECT_EQ(profile->GetName(), L"Modelling");
  EXPECT_TRUE(profile->GetLearningFlag(key));
  EXPECT_FALSE(profile->IsSaved());
  EXPECT_EQ(changes.size(), 2u);
  EXPECT_TRUE(GetTalvo().GetMainDocument()->IsSaved());
}

TEST_F(RestoreObjTest, CreatedFunctionsGoAndComeBackWithTheSubPageInTheMessage) {
  SetEditorWindow(editor_);
  Step(kFirstKeyPage, kEditablePolySubPage, L"Create Function", [&] { AssignNewFunction('E')->SetName(L"Extrude"); });
  XmlFunctionDir& functions = *GetTalvo().GetFunctions();
  ASSERT_EQ(functions.Count(), 1);

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(functions.Count(), 0);
  EXPECT_TRUE(Profile().GetFunctionIdOfKey(KeyOf('E')).empty());
  EXPECT_EQ(changes, std::vector<WPARAM>{ChangeCode(kFirstKeyPage, kEditablePolySubPage)});

  ASSERT_TRUE(hostsim::Redo());
  ASSERT_EQ(functions.Count(), 1);
  EXPECT_EQ(functions.GetFunction(0)->GetName(), L"Extrude");
  EXPECT_EQ(functions.GetFunction(0)->GetOwner(), &functions);
  EXPECT_EQ(Profile().GetFunctionIdOfKey(KeyOf('E')), functions.GetFunction(0)->GetId());
}

TEST_F(RestoreObjTest, UndoingADeletionPutsEveryProfileBackInItsPlace) {
  Talvo& root = GetTalvo();
  root.NewProfile()->SetName(L"Second");
  root.NewProfile()->SetName(L"Third");
  ASSERT_TRUE(root.GetProfiles()->SaveAll());
  auto names = [&] {
    std::vector<std::wstring> list;
    for (int i = 0; i < root.GetProfiles()->Count(); ++i) list.push_back(root.GetProfile(i)->GetName());
    return list;
  };
  Step(kProfilesPage, kNoSubPage, L"Delete Profile", [&] {
    root.SetCurrentProfile(1);
    ASSERT_TRUE(root.DeleteCurrentProfile());
  });
  ASSERT_EQ(names(), (std::vector<std::wstring>{L"Default", L"Third"}));

  ASSERT_TRUE(hostsim::Undo());
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"Default", L"Second", L"Third"}));
  EXPECT_EQ(root.GetCurrentProfile()->GetName(), L"Default");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(root.GetProfile(i)->GetOwner(), root.GetProfiles());
  // The deletion removed the profile's file: undo writes it back, so a restart agrees.
  const std::filesystem::path file = root.GetProfile(1)->GetFilePath();
  EXPECT_TRUE(root.GetProfile(1)->IsSaved());
  EXPECT_TRUE(std::filesystem::exists(file));

  ASSERT_TRUE(hostsim::Redo());
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"Default", L"Third"}));
  EXPECT_EQ(root.GetCurrentProfile()->GetName(), L"Default");
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(RestoreObjTest, ACancelledHoldRestoresTheDataBeforeTheStep) {
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kProfilesPage, kNoSubPage));
  Profile().SetName(L"B");
  theHold.Cancel();
  EXPECT_EQ(Profile().GetName(), L"Default");
}

}  // namespace
}  // namespace Talvo::testing
