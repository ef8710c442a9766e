// The overlay window: its frame, its boxes and their texts, the modifier keys it shows, and how it
// follows changes of the held key and modifiers.
#include "form_fixture.h"

namespace Talvo::testing {
namespace {

::testing::AssertionResult At(const RECT& rect, int x, int y, int width, int height) {
  if (rect.left == x && rect.top == y && rect.right - rect.left == width && rect.bottom - rect.top == height)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << rect.left << ", " << rect.top << ", " << rect.right - rect.left
                                       << " x " << rect.bottom - rect.top << ")";
}

bool Shown(CWnd* window) { return window && window->IsWindowVisible(); }

TEST_F(FormTest, ShowsTheKeysCasesInTransparentCentredWindow) {
  ASSERT_TRUE(AcceleratorsEnabled());
  Press('Q');
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_STREQ(form->GetRuntimeClass()->m_lpszClassName, "VisualInterfaceForm");
  EXPECT_FALSE(AcceleratorsEnabled());

  RECT window{};
  form->GetWindowRect(&window);
  EXPECT_TRUE(At(window, (1920 - 519) / 2, (1080 - 270) / 2, 519, 270));
  EXPECT_EQ(form->GetStyle() & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(form->GetExStyle() & 0x80088u, 0x80088u);
  EXPECT_EQ(form->GetTitle(), L"Quillon Visual Interface");
  const std::vector<HWND> dialogs = hostsim::RegisteredDialogWindows();
  EXPECT_NE(std::find(dialogs.begin(), dialogs.end(), form->m_hWnd), dialogs.end());

  const std::wstring expected[8] = {L"Weld", L"Original key behavior", L"«missing»", L"", L"Chamfer", L"", L"", L""};
  const bool runnable[8] = {true, true, false, false, true, false, false, false};
  for (int i = 0; i < 8; ++i) {
    KeyButtonVI* button = form->FunctionButton(i);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Caption(button), expected[i]) << i;
    EXPECT_EQ(button->runnable, runnable[i]) << i;
    EXPECT_EQ(button->tapCount, i % 4 + 1);
    EXPECT_EQ(button->overrideRow, i >= 4);
    EXPECT_EQ(button->key, static_cast<UINT>('Q'));
    EXPECT_TRUE(button->IsWindowEnabled());
    EXPECT_EQ(button->GetDlgCtrlID(), 6000);
  }
  EXPECT_EQ(Caption(form->KeyBox()), Layout().GetKeyText(KeyOf('Q')));
  EXPECT_FALSE(form->KeyBox()->IsWindowEnabled());
  EXPECT_EQ(Caption(form->CountBox()), L"0");
  EXPECT_EQ(Caption(form->ModeBox()), L"global");
  EXPECT_EQ(Caption(form->InputTypeBox()), L"SingleTap");
  for (CWnd* box : {static_cast<CWnd*>(form->CountBox()), static_cast<CWnd*>(form->ModeBox()),
                    static_cast<CWnd*>(form->InputTypeBox())})
    EXPECT_FALSE(box->IsWindowEnabled());
  EXPECT_EQ(form->ShiftButton(), nullptr);
  EXPECT_EQ(form->CtrlButton(), nullptr);
  EXPECT_EQ(form->AltButton(), nullptr);
}

TEST_F(FormTest, ChildrenSitWhereTheLayoutPutsThem) {
  Press('Q', 31);
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  const int rowA[4][2] = {{339, 103}, {339, 185}, {0, 185}, {0, 103}};
  const int rowB[4][2] = {{339, 69}, {339, 151}, {0, 151}, {0, 69}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(At(ClientRectOf(form->FunctionButton(i)), rowA[i][0], rowA[i][1], 180, 34)) << "A" << i + 1;
    EXPECT_TRUE(At(ClientRectOf(form->FunctionButton(i + 4)), rowB[i][0], rowB[i][1], 180, 34)) << "B" << i + 1;
  }
  EXPECT_TRUE(At(ClientRectOf(form->KeyBox()), 233, 139, 52, 46));
  EXPECT_TRUE(At(ClientRectOf(form->CountBox()), 233, 70, 52, 30));
  EXPECT_TRUE(At(ClientRectOf(form->ModeBox()), 199, 36, 120, 34));
  EXPECT_TRUE(At(ClientRectOf(form->InputTypeBox()), 169, 0, 180, 34));
  EXPECT_TRUE(At(ClientRectOf(form->CtrlButton()), 159, 224, 65, 46));
  EXPECT_TRUE(At(ClientRectOf(form->ShiftButton()), 227, 224, 65, 46));
  EXPECT_TRUE(At(ClientRectOf(form->AltButton()), 294, 224, 65, 46));
}

TEST_F(FormTest, ModifierKeysShownForEachModifierByte) {
  struct Expected {
    unsigned char byte;
    bool shift, ctrl, alt;
  };
  for (const Expected& e :
       {Expected{3, false, false, false}, Expected{7, true, false, false}, Expected{11, false, true, false},
        Expected{15, true, true, false}, Expected{19, false, false, true}, Expected{23, true, false, true},
        Expected{27, false, true, true}, Expected{31, true, true, true}, Expected{12, false, false, false}}) {
    Press('Q', e.byte);
    VisualInterfaceForm* form = Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Shown(form->ShiftButton()), e.shift) << int{e.byte};
    EXPECT_EQ(Shown(form->CtrlButton()), e.ctrl) << int{e.byte};
    EXPECT_EQ(Shown(form->AltButton()), e.alt) << int{e.byte};
    EXPECT_EQ(Caption(form->ShiftButton()), e.shift ? L"Shift" : L"<none>");
    EXPECT_EQ(Caption(form->CtrlButton()), e.ctrl ? L"Ctrl" : L"<none>");
    EXPECT_EQ(Caption(form->AltButton()), e.alt ? L"Alt" : L"<none>");
    DestroyVisualInterface();
    winsim::PumpMessages();
  }
}

TEST_F(FormTest, ModifierChangesUpdateButtonsAndRows) {
  Press('Q', 11);
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"Weld with Ctrl");
  KeyButton* ctrl = form->CtrlButton();
  EXPECT_TRUE(At(ClientRectOf(ctrl), 227, 224, 65, 46));
  const int resolves = Traces(L"VI SetPreference\n");

  // Only a bit above the Shift, Ctrl and Alt bits changed: nothing happens.
  Press(kShownKey, 11 | 0x20);
  EXPECT_EQ(Traces(L"VI SetPreference\n"), resolves);
  EXPECT_EQ(form->Preference().modifiers, 11);

  // Ctrl, then Ctrl and Alt: the Ctrl key moves left of the centre, Alt appears right of it.
  Press(kShownKey, 27);
  ASSERT_EQ(Form(), form);
  EXPECT_EQ(form->CtrlButton(), ctrl);
  EXPECT_TRUE(At(ClientRectOf(ctrl), 192, 224, 65, 46));
  ASSERT_NE(form->AltButton(), nullptr);
  EXPECT_TRUE(At(ClientRectOf(form->AltButton()), 257, 224, 65, 46));
  EXPECT_EQ(form->ShiftButton(), nullptr);
  EXPECT_EQ(form->Preference().key, static_cast<UINT>('Q'));  // 0xFFFF kept the key
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"");
  EXPECT_FALSE(form->FunctionButton(0)->runnable);
  EXPECT_EQ(form->FunctionButton(0)->modifiers, 27);

  // Back to no modifier: the keys hide, the cases of byte 3 come back.
  Press(kShownKey, 3);
  EXPECT_FALSE(Shown(form->CtrlButton()));
  EXPECT_FALSE(Shown(form->AltButton()));
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"Weld");
  EXPECT_TRUE(form->FunctionButton(0)->runnable);
}

TEST_F(FormTest, ContextBoxesChangeWithTheKeyNotWithTheModifiers) {
  XmlFunction* objects = AssignNewFunction('E', kKindContextElements);
  AddActionCase(*objects, {kInputNoModifier, kModeObjects, 2, 1, 3}, L"Pair tool");
  Press('Q');
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);

  INode* a = hostsim::AddNode(L"A", new hostsim::SimpleObject(Class_ID(1, 1)));
  INode* b = hostsim::AddNode(L"B", new hostsim::SimpleObject(Class_ID(2, 2)));
  hostsim::SelectNodes({a, b});
  Press(kShownKey, 7);
  EXPECT_EQ(form->Preference().count, 2);
  EXPECT_EQ(Caption(form->CountBox()), L"0");  // modifiers only: the context boxes keep their texts
  EXPECT_EQ(Caption(form->InputTypeBox()), L"SingleTap");

  Press('E', 3);
  ASSERT_EQ(Form(), form);
  EXPECT_EQ(Caption(form->CountBox()), L"2");
  EXPECT_EQ(Caption(form->ModeBox()), L"objects");
  EXPECT_EQ(Caption(form->InputTypeBox()), L"No modifier");
  EXPECT_EQ(Caption(form->KeyBox()), Layout().GetKeyText(KeyOf('E')));
  EXPECT_EQ(form->KeyBox()->virtualKey, static_cast<UINT>('E'));
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"Pair tool");
  EXPECT_EQ(form->FunctionButton(0)->key, static_cast<UINT>('E'));
}

TEST_F(FormTest, WithoutLayoutTheButtonsEmpty) {
  Press('Q');
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  GetTalvo().GetMainDocument()->SetSelectedLayout(L"No such layout");
  Profile().SetLayout(L"No such layout");
  ASSERT_EQ(GetTalvo().GetCurrentKeyboard(), nullptr);
  form->SendMessage(WM_MOD_KEY_MSG, (static_cast<WPARAM>('E') << 16) + 1, 11);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Caption(form->FunctionButton(i)), L"") << i;
    EXPECT_FALSE(form->FunctionButton(i)->runnable) << i;
  }
  EXPECT_EQ(form->Preference().modifiers, 11);
  EXPECT_TRUE(Shown(form->CtrlButton()));
}

TEST_F(FormTest, KeyWithOnlyAVisualAssignmentShowsKeyAndModifiers) {
  Profile().AddVisualAssignment(KeyOf('W'));
  Press('W', 7);
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Caption(form->KeyBox()), Layout().GetKeyText(KeyOf('W')));
  EXPECT_TRUE(Shown(form->ShiftButton()));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Caption(form->FunctionButton(i)), L"");
}

}  // namespace
}  // namespace Talvo::testing
