// Running a case chosen on the overlay: the overlay goes first, then the action, macro, custom code or
// original key runs inside one undo step.
#include <host/simulation.h>

#include <stdexcept>

#include "engine_fixture.h"
#include "model/modifiers.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {
namespace {

constexpr ActionTableId kTestTable = 0x7e57;
constexpr int kTestCommand = 7;
// Added to the modifier byte of a run request from the overlay's "Override Mode" row.
constexpr LPARAM kOverrideModeRow = 0x10000;

// A piece of undo data that a host command puts into the open hold.
class Marker : public RestoreObj {
 public:
  void Restore(int) override {}
  void Redo() override {}
};

// What the host saw while a case ran.
struct HostSide {
  int actions = 0;
  bool holdOpen = false;
  std::vector<std::pair<UINT, LPARAM>> keys;
  bool overlayGoneAtKey = false;
  BOOL acceleratorsAtKey = FALSE;
  HWND activeAtKey = nullptr;
  WNDPROC original = nullptr;
};
HostSide host;

class TestCallback : public ActionCallback {
 public:
  BOOL ExecuteAction(int id) override {
    if (id != kTestCommand) return FALSE;
    ++host.actions;
    host.holdOpen = theHold.Holding() != 0;
    theHold.Put(new Marker);
    return TRUE;
  }
};
TestCallback callback;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_KEYUP) {
    host.keys.emplace_back(message, lParam);
    host.overlayGoneAtKey = viFormDlg == nullptr;
    host.acceleratorsAtKey = AcceleratorsEnabled();
    host.activeAtKey = GetActiveWindow();
  }
  return CallWindowProcW(host.original, hwnd, message, wParam, lParam);
}

class RunCaseTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    host = HostSide{};
    auto* table = new ActionTable(kTestTable, kActionMainUIContext, MSTR(_M("Test")));
    table->AppendOperation(new ActionItem(kTestCommand, _M("Do"), _M("Do"), _M("Test"), _M("Do it")));
    IActionManager* manager = GetCOREInterface()->GetActionManager();
    ASSERT_TRUE(manager->RegisterActionTable(table));
    manager->ActivateActionTable(&callback, kTestTable);
    HWND window = GetCOREInterface()->GetMAXHWnd();
    host.original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
    hostsim::SetMAXScriptHandler([](const std::wstring&) -> std::optional<bool> {
      host.holdOpen = theHold.Holding() != 0;
      theHold.Put(new Marker);
      return true;
    });

    function_ = AssignNewFunction('Q', /*learning=*/true);
    function_->SetName(L"Quick Tool");
    function_->SetCaseTableAction(AddCase(Keys(1), L"Main UI"), L"Do", kTestTable, kTestCommand);
    macroId_ = hostsim::AddMacro({L"Tools", L"Align", L"Align", L"", L"", L""});
    function_->SetCaseMacroScript(AddCase(Keys(2), L"Macro Scripts"),
                                  {L"Tools", L"Tools", L"Align", L"", L"", macroId_});
    std::wstring scriptId;
    GetTalvo().GetCustomScripts()->AddScript(L"Greet", L"print \"hello\"", scriptId);
    function_->SetCaseScript(AddCase(Keys(3), kGroupCustomCode), scriptId);
    AddCase(Keys(4), kGroupOriginalKey);
    InstallKeyHooks();
  }

  static CaseKeys Keys(int press) { return {kInputSingleTap, kModeGlobal, 0, press, kModifierNone}; }

  // Adds a case of the function with its command group.
  CaseKeys AddCase(const CaseKeys& keys, const wchar_t* group) {
    function_->AddAction(keys);
    function_->SetCaseGroup(keys, group);
    return keys;
  }

  // Shows the overlay and clicks a runnable button of row A (or B).
  void RunFromOverlay(int taps, bool overrideRow = false) {
    PressForOverlay('Q');
    ASSERT_NE(viFormDlg, nullptr);
    PostMessageW(CurrentOverlay()->Button(), RunFromVisualInterfaceMessage, ('Q' << 16) + taps,
                 kModifierNone | (overrideRow ? kOverrideModeRow : 0));
    winsim::PumpMessages();
    EXPECT_EQ(viFormDlg, nullptr);
  }

  XmlFunction* function_ = nullptr;
  MacroID macroId_ = BAD_MACRO_ID;
};

TEST_F(RunCaseTest, AnActionRunsInOneUndoStepNamedAfterTheFunction) {
  RunFromOverlay(1);
  EXPECT_EQ(host.actions, 1);
  EXPECT_TRUE(host.holdOpen);
  EXPECT_FALSE(theHold.Holding());
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Quick Tool"});
  EXPECT_EQ(Overlays().destroyed, 1);
}

TEST_F(RunCaseTest, AMacroRunsByCategoryAndNameEvenAfterItsIdChanged) {
  RunFromOverlay(2);
  ASSERT_EQ(hostsim::MacroLog().size(), 1u);
  EXPECT_EQ(hostsim::MacroLog()[0].id, macroId_);
  EXPECT_TRUE(hostsim::MacroLog()[0].found);
  EXPECT_FALSE(theHold.Holding());

  // The host reloaded its macros: the same macro under a new id.
  hostsim::RemoveMacro(macroId_);
  const MacroID moved = hostsim::AddMacro({L"Tools", L"Align", L"Align", L"", L"", L""});
  RunFromOverlay(2);
  ASSERT_EQ(hostsim::MacroLog().size(), 2u);
  EXPECT_EQ(hostsim::MacroLog()[1].id, moved);
}

TEST_F(RunCaseTest, AMacroThatIsGoneRunsNothingInItsPlace) {
  // The stored id now belongs to another macro ("Align"); the case's own macro no longer exists.
  function_->SetCaseMacroScript(Keys(2), {L"Tools", L"Tools", L"Gone", L"", L"", macroId_});
  RunFromOverlay(2);
  EXPECT_TRUE(hostsim::MacroLog().empty());
  EXPECT_FALSE(theHold.Holding());
}

TEST_F(RunCaseTest, CustomCodeRunsItsScriptInOneUndoStep) {
  RunFromOverlay(3);
  ASSERT_EQ(hostsim::MAXScriptLog().size(), 1u);
  EXPECT_EQ(hostsim::MAXScriptLog()[0].text, L"print \"hello\"");
  EXPECT_TRUE(host.holdOpen);
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Quick Tool"});
}

TEST_F(RunCaseTest, TheOriginalKeyReachesTheHostAfterTheOverlayIsGone) {
  RunFromOverlay(4);
  ASSERT_EQ(host.keys.size(), 2u);
  EXPECT_EQ(host.keys[0].first, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(host.keys[1].first, static_cast<UINT>(WM_KEYUP));
  EXPECT_TRUE(IsSyntheticKey(host.keys[0].second));
  EXPECT_TRUE(IsSyntheticKey(host.keys[1].second));
  EXPECT_TRUE(host.overlayGoneAtKey);
  EXPECT_TRUE(host.acceleratorsAtKey);
  EXPECT_EQ(host.activeAtKey, GetCOREInterface()->GetMAXHWnd());
  EXPECT_FALSE(theHold.Holding());
  EXPECT_TRUE(hostsim::UndoLabels().empty());  // nothing was changed
}

TEST_F(RunCaseTest, AFailingCaseClosesItsHoldAndTheHookCarriesOn) {
  hostsim::SetMAXScriptHandler([](const std::wstring&) -> std::optional<bool> {
    theHold.Put(new Marker);
    throw std::runtime_error("script engine failed");
  });
  RunFromOverlay(3);
  EXPECT_FALSE(theHold.Holding());
  EXPECT_TRUE(hostsim::UndoLabels().empty());
  EXPECT_NE(hostsim::DebugLog().find(L"GetMsgProc: script engine failed"), std::wstring::npos);

  RunFromOverlay(1);
  EXPECT_EQ(host.actions, 1);
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Quick Tool"});
}

TEST_F(RunCaseTest, TheOverrideRowAndMissingCasesFallBackToOverrideMode) {
  std::wstring scriptId;
  GetTalvo().GetCustomScripts()->AddScript(L"Override", L"override()", scriptId);
  function_->SetCaseScript(AddCase({kInputOverrideMode, kModeGlobal, 0, 1, 3}, kGroupCustomCode), scriptId);

  RunFromOverlay(1, /*overrideRow=*/true);
  EXPECT_EQ(host.actions, 0);
  ASSERT_EQ(hostsim::MAXScriptLog().size(), 1u);
  EXPECT_EQ(hostsim::MAXScriptLog()[0].text, L"override()");

  // A context without a case for the press falls back as well.
  function_->RemoveAction(Keys(1));
  EXPECT_TRUE(RunFunctionCase('Q', 1, 3, false));
  EXPECT_EQ(hostsim::MAXScriptLog().size(), 2u);
  EXPECT_FALSE(RunFunctionCase('Q', 2, kModifierNone | kModifierShift, false));  // no case anywhere
}

// A resolver that knows the context of one function only: asked about another, it cannot name one.
class OneFunctionResolver : public iContextResolver {
 public:
  explicit OneFunctionResolver(const XmlFunction& known) : known_(known) {}
  bool Resolve(const XmlFunction& function, SelectionContext& context) override {
    ++calls;
    if (function.GetId() != known_.GetId()) return false;
    context = {L"Editable Poly", L"vertex", 2};
    return true;
  }
  int calls = 0;

 private:
  const XmlFunction& known_;
};

TEST_F(RunCaseTest, TheContextComesFromTheResolver) {
  OneFunctionResolver resolver(*function_);
  SetContextResolver(&resolver);
  function_->SetCaseTableAction(AddCase({L"Editable Poly", L"vertex", 2, 1, 3}, L"Main UI"), L"Do", kTestTable,
                                kTestCommand);
  function_->RemoveAction(Keys(1));

  EXPECT_TRUE(RunFunctionCase('Q', 1, 3, false));
  EXPECT_EQ(resolver.calls, 1);
  EXPECT_EQ(host.actions, 1);
  // The override row never asks.
  EXPECT_FALSE(RunFunctionCase('Q', 1, 3, true));
  EXPECT_EQ(resolver.calls, 1);
}

TEST_F(RunCaseTest, RunRequestsNotAddressedToTheOverlayAreIgnored) {
  PressForOverlay('Q');
  PostAndPump(RunFromVisualInterfaceMessage, ('Q' << 16) + 1, 3);
  PostMessageW(GetCOREInterface()->GetMAXHWnd(), RunFromVisualInterfaceMessage, ('Q' << 16) + 1, 3);
  winsim::PumpMessages();
  EXPECT_EQ(host.actions, 0);
  EXPECT_NE(viFormDlg, nullptr);
}

}  // namespace
}  // namespace Talvo::testing
