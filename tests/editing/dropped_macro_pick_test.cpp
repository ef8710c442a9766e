// An action picked from a list whose macro the host dropped after the list was filled stores nothing, and
// so it is no undo step: the steps that could be redone stay.
#include <host/undo.h>

#include "engine/restore_obj.h"
#include "function_editor_fixture.h"

namespace Talvo::testing {
namespace {

constexpr int kGroup = 4;
constexpr int kCategory = 6;
constexpr int kAction = 8;

TEST_F(FunctionEditorTest, APickOfADroppedMacroIsNoStepAndKeepsTheRedoSteps) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  const CaseKeys vertexTap{kInputEditablePoly, L"vertex", 0, 1, 3};
  function.AddAction(vertexTap);
  const MacroID dropped = hostsim::AddMacro({L"Selection", L"Loop Twice", L"", L"", L"", L""});
  MakePage(kInputEditablePoly);
  Expand(0, 3);
  Choose(3, kGroup, L"Main UI");
  Choose(3, kCategory, L"Selection");  // the action list now holds the macro
  const std::string chosenSoFar = function.ToText();

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  function.SetName(L"Renamed");
  theHold.Accept(L"Rename");
  ASSERT_TRUE(hostsim::Undo());
  const int steps = theHold.UndoCount();

  ASSERT_TRUE(hostsim::RemoveMacro(dropped));
  Choose(3, kAction, L"Loop Twice");
  EXPECT_EQ(theHold.UndoCount(), steps);
  EXPECT_EQ(hostsim::RedoLabels(), std::vector<std::wstring>{L"Rename"});
  EXPECT_EQ(function.ToText(), chosenSoFar);
}

}  // namespace
}  // namespace Talvo::testing
