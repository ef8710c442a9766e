// The overlay window: its frame, its boxes and their texts, the modifier keys it shows, and how it
// follows changes of the held key and modifiers.
#include "form_fixture.h"
#include "overlay/overlay_layout.h"

namespace Talvo::testing {
namespace {

bool Shown(CWnd* window) { return window && window->IsWindowVisible(); }

TEST_F(FormTest, ShowsTheKeysCasesInATransparentCentredWindow) {
  ASSERT_TRUE(AcceleratorsEnabled());
  Press('Q');
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(AcceleratorsEnabled());
  RECT window{};
  form->GetWindowRect(&window);
  EXPECT_NEAR(window.left + window.right, 1920, 1);
  EXPECT_NEAR(window.top + window.bottom, 1080, 1);
  EXPECT_EQ(form->GetStyle() & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(form->GetExStyle() & (WS_EX_LAYERED | WS_EX_TOPMOST), static_cast<DWORD>(WS_EX_LAYERED | WS_EX_TOPMOST));
  EXPECT_EQ(form->GetTitle(), L"Quillon Visual Interface");
  const std::vector<HWND> dialogs = hostsim::RegisteredDialogWindows();
  EXPECT_NE(std::find(dialogs.begin(), dialogs.end(), form->m_hWnd), dialogs.end());

  EXPECT_EQ(FunctionCaptions(form), (std::vector<std::wstring>{L"Weld", L"Original key behavior", L"«missing»", L"",
                                                                L"Chamfer", L"", L"", L""}));
  const bool runnable[8] = {true, true, true, false, true, false, false, false};  // "«missing»" still runs
  for (int i = 0; i < 8; ++i) EXPECT_EQ(form->FunctionButton(i)->runnable, runnable[i]) << i;
  EXPECT_EQ(Caption(form->KeyBox()), Layout().GetKeyText(KeyOf('Q')));
  EXPECT_EQ(Caption(form->CountBox()), L"0");
  EXPECT_EQ(Caption(form->ModeBox()), L"global");
  EXPECT_EQ(Caption(form->InputTypeBox()), L"SingleTap");
  EXPECT_EQ(form->CtrlButton(), nullptr);

  // The boxes sit where the layout puts them.
  const OverlayLayout layout = ComputeOverlayLayout(kOverlayWidth, kOverlayHeight);
  for (int i = 0; i < 4; ++i) {
    RECT a = ClientRectOf(form->FunctionButton(i));
    RECT b = ClientRectOf(form->FunctionButton(i + 4));
    EXPECT_TRUE(EqualRect(&a, &layout.rowA[i]) && EqualRect(&b, &layout.rowB[i])) << i;
  }
  const RECT key = ClientRectOf(form->KeyBox());
  EXPECT_TRUE(EqualRect(&key, &layout.keyBox));
}

TEST_F(FormTest, ModifierChangesUpdateButtonsAndRows) {
  Press('Q', 11);
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"Weld with Ctrl");
  KeyButton* ctrl = form->CtrlButton();
  EXPECT_EQ(Caption(ctrl), L"Ctrl");
  const int resolves = Traces(L"VI SetPreference\n");

  // Only a bit above the Shift, Ctrl and Alt bits changed: nothing happens.
  Press(kShownKey, 11 | 0x20);
  EXPECT_EQ(Traces(L"VI SetPreference\n"), resolves);

  // Ctrl, then Ctrl and Alt: the Ctrl key moves left, Alt appears right of it; the key stays.
  const RECT alone = ClientRectOf(ctrl);
  Press(kShownKey, 27);
  ASSERT_EQ(Form(), form);
  EXPECT_EQ(form->CtrlButton(), ctrl);
  EXPECT_LT(ClientRectOf(ctrl).left, alone.left);
  ASSERT_NE(form->AltButton(), nullptr);
  EXPECT_GT(ClientRectOf(form->AltButton()).left, alone.left);
  EXPECT_EQ(form->Preference().key, static_cast<UINT>('Q'));
  EXPECT_EQ(Caption(form->FunctionButton(0)), L"");
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
  EXPECT_EQ(Caption(form->CountBox()), L"0");  // modifiers only: the context boxes keep their texts

  Press('E', 3);
  ASSERT_EQ(Form(), form);
  EXPECT_EQ(Caption(form->CountBox()), L"2");
  EXPECT_EQ(Caption(form->ModeBox()), L"objects");
  EXPECT_EQ(Caption(form->InputTypeBox()), L"No modifier");
  EXPECT_EQ(Caption(form->KeyBox()), Layout().GetKeyText(KeyOf('E')));
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
  EXPECT_EQ(FunctionCaptions(form), std::vector<std::wstring>(8));
  EXPECT_FALSE(form->FunctionButton(0)->runnable);
  EXPECT_TRUE(Shown(form->CtrlButton()));
}

}  // namespace
}  // namespace Talvo::testing
