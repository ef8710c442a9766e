// The editor window's menu: the unsaved-document lists follow the documents, whatever their number, and
// the commands are enabled by what they need.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "frame_fixture.h"
#include "model/string_table.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

// The File menu's submenu titled with a string id, as the menu bar shows it.
CMenu& FileSubmenu(Frame& frame, UINT titleId) {
  CMenu* bar = CMenu::FromHandle(frame.GetMenuBar().GetHMenu());
  CMenu* file = bar->GetSubMenu(Frame::FindMenuItem(bar, GetString(Menu::kFileTitle)));
  return *file->GetSubMenu(Frame::FindMenuItem(file, GetString(static_cast<int>(titleId))));
}

int FindCommand(CMenu& menu, UINT id) {
  for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i)
    if (menu.GetMenuItemID(i) == id) return i;
  return -1;
}

// More unsaved functions than the short command-id range holds.
constexpr int kManyFunctions = static_cast<int>(kShortRangeSize) + 100;

TEST_F(FrameTest, UnsavedFunctionsAppearOnChangeAndDisappearOnSave) {
  // Copies of a new function, made before the window exists so that one change message lists them all.
  Talvo& root = GetTalvo();
  const int first = root.GetFunctions()->Count();
  XmlFunction* model = root.CreateFunction(kKindSingleTap);
  for (int i = 1; i < kManyFunctions; ++i) {
    std::unique_ptr<XmlDocument> copy = model->Duplicate();
    copy->SetId(root.GetFunctions()->NewUniqueId(first + i));
    copy->SetName(copy->GetId());
    root.GetFunctions()->Add(std::move(copy));
  }
  Frame& frame = OpenFrame();
  frame.SendMessage(DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(&frame));

  CMenu& functions = FileSubmenu(frame, Menu::kUnsavedFunctionsTitle);
  EXPECT_EQ(static_cast<int>(functions.GetMenuItemCount()), kManyFunctions);
  const int last = root.GetFunctions()->Count() - 1;
  const UINT lastId = *UnsavedCommandId(UnsavedKind::Function, last);
  ASSERT_GE(FindCommand(functions, lastId), 0);
  EXPECT_EQ(FindCommand(FileSubmenu(frame, Menu::kUnsavedProfilesTitle), lastId), -1);

  // Saving the last one from its entry writes it and takes the entry away; the others stay.
  frame.SendMessage(WM_COMMAND, lastId, 0);
  EXPECT_TRUE(root.GetFunction(last)->IsSaved());
  EXPECT_TRUE(root.GetFunction(first)->IsSaved() == false);
  EXPECT_EQ(FindCommand(FileSubmenu(frame, Menu::kUnsavedFunctionsTitle), lastId), -1);
  EXPECT_EQ(static_cast<int>(FileSubmenu(frame, Menu::kUnsavedFunctionsTitle).GetMenuItemCount()), kManyFunctions - 1);
}

TEST_F(FrameTest, UnsavedProfileEntrySavesThatProfile) {
  Frame& frame = OpenFrame();
  XmlProfile* profile = GetTalvo().GetProfile(0);
  profile->SetName(L"Edited");
  frame.SendMessage(DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(&frame));
  CMenu& profiles = FileSubmenu(frame, Menu::kUnsavedProfilesTitle);
  ASSERT_EQ(profiles.GetMenuItemCount(), 1U);
  EXPECT_EQ(profiles.GetMenuItemID(0), kProfileShortFirst);
  frame.SendMessage(WM_COMMAND, kProfileShortFirst, 0);
  EXPECT_TRUE(profile->IsSaved());
  EXPECT_EQ(FileSubmenu(frame, Menu::kUnsavedProfilesTitle).GetMenuItemCount(), 0U);
}

struct EnableCase {
  UINT command;
  bool withProfile;
  bool withFunction;
  bool enabled;
};

class MenuEnableTest : public FrameTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(MenuEnableTest, EnabledByWhatTheCommandNeeds) {
  const EnableCase& c = GetParam();
  Frame& frame = OpenFrame();
  XmlTalvo* settings = GetTalvo().GetMainDocument();
  if (!c.withProfile) settings->SetSelectedProfile(999);
  if (c.withFunction) GetTalvo().CreateFunction(kKindSingleTap); else settings->SetSelectedFunction(999);
  CCmdUI update;
  update.m_nID = c.command;
  update.DoUpdate(&frame, FALSE);
  EXPECT_EQ(update.m_bEnabled != FALSE, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MenuEnableTest,
    ::testing::Values(EnableCase{Menu::kSaveProfile, false, true, false}, EnableCase{Menu::kSaveProfile, true, false, true},
                      EnableCase{Menu::kCloneProfile, false, true, false},
                      EnableCase{Menu::kSaveFunction, true, false, false}, EnableCase{Menu::kSaveFunction, false, true, true},
                      EnableCase{Menu::kExportFunction, true, false, false},
                      // Loading needs only the folder, even when nothing is current.
                      EnableCase{Menu::kLoadProfile, false, false, true}, EnableCase{Menu::kLoadFunction, false, false, true},
                      EnableCase{Menu::kUndo, false, false, true}));

}  // namespace
}  // namespace Talvo::testing
