#include "frame/case_commands.h"

#include "commands_fixture.h"
#include "controls/input_context_menu.h"
#include "controls/mode_context_menu.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

using CaseCommandsTest = CommandsTest;

const std::wstring kEP = kInputEditablePoly;

// Command ids of the case grid's menus that have no name outside the command table.
constexpr UINT kCopyCase = 3012;
constexpr UINT kPasteCase = 3013;
constexpr UINT kFirstSelectionCount = 3120;  // "Add 0 selected" .. "Add more than 2 selected"
constexpr UINT kFirstContextSelection = 3130;
constexpr UINT kFirstKeyModifier = 282;  // "Tap", then the modifier keys
constexpr UINT kFirstTapCount = 290;     // "Single Tap" .. "Quadra Tap"

// One command on a fresh function: its kind and the editor page it is sent from, an optional set-up of the
// function and of the cell menu, the document afterwards, the undo steps it makes and what the page is asked.
struct CaseCommandRow {
  const char* name;
  int kind;
  std::wstring input;
  std::wstring level;
  UINT command;
  std::function<void(XmlFunction&)> prepare;
  std::function<bool(const XmlFunction&)> expect;
  int undoSteps;
  std::vector<std::wstring> requests;
  CellMenuRecord menu = {};
};

// An "Editable Poly" page at the global level, as "Add Editable Poly" leaves it.
void AddEditablePoly(XmlFunction& function) {
  function.SetDependent(kKindModifierCases);
  function.AddInput(kEP);
  function.AddModes(kEP);
  function.AddMode(kEP, kModeGlobal);
  function.AddSelectionCase(kEP, kModeGlobal, 0);
  function.SetInputGlobal(kEP, true);
}

const CaseCommandRow kCaseCommands[] = {
    {"AddEditablePolyPage", kKindSingleTap, L"SingleTap", L"global", ID_INPUT_MENU_EDITABLE_POLY, nullptr,
     [](const XmlFunction& f) {
       return f.IsInputGlobal(kEP) && f.HasPress({kEP, L"global", 0, 1, 3}) && f.GetDependent() == kKindSingleTap;
     },
     1, {L"page Editable Poly/Editable Poly", L"rebuild"}},
    {"AddObjectModePage", kKindSingleTap, L"SingleTap", L"global", ID_INPUT_MENU_OBJECTS, nullptr,
     [](const XmlFunction& f) { return f.HasPress({L"No modifier", L"global", 0, 1, 3}); }, 1,
     {L"page No modifier/Objects Mode", L"rebuild"}},
    {"ExistingPageIsNotAddedTwice", kKindSingleTap, L"SingleTap", L"global", ID_INPUT_MENU_EDITABLE_POLY,
     AddEditablePoly,
     [](const XmlFunction& f) { return f.HasInput(kEP); }, 0, {}},
    {"SingleTapPageBecomesEditPoly", kKindSingleTap, L"SingleTap", L"global", ID_ADD_EDIT_POLY, nullptr,
     [](const XmlFunction& f) {
       return f.HasInput(L"Edit Poly") && !f.HasInput(L"SingleTap") && f.GetDependent() == kKindModifierCases &&
              f.IsInputGlobal(L"Edit Poly");
     },
     0, {L"rename Edit Poly/Edit Poly", L"grid"}},
    {"ModifierPageIsNoModeButtonTarget", kKindModifierCases, kEP, L"global", ID_ADD_EDIT_POLY, AddEditablePoly,
     [](const XmlFunction& f) { return f.HasInput(kEP) && !f.HasInput(L"Edit Poly"); }, 0, {}},
    {"VertexLevelIsAddedAndShown", kKindModifierCases, kEP, L"global", ID_MODE_VERTEX, AddEditablePoly,
     [](const XmlFunction& f) { return f.HasPress({kEP, L"vertex", 0, 1, 3}); }, 0,
     {L"level vertex", L"select-level 146"}},
    {"GlobalLevelBecomesEdges", kKindModifierCases, kEP, L"global", ID_ADD_EDGE_MODE, AddEditablePoly,
     [](const XmlFunction& f) {
       return f.HasMode(kEP, L"edge") && !f.HasMode(kEP, L"global") && f.GetDependent() == kKindContextSensitive;
     },
     0, {L"level edge"}},
    {"BorderIdTurnsGlobalIntoBorder", kKindModifierCases, kEP, L"global", ID_ADD_BORDER_MODE, AddEditablePoly,
     [](const XmlFunction& f) { return f.HasMode(kEP, L"border"); }, 0, {L"level border"}},
    {"SelectionCountIsAdded", kKindModifierCases, kEP, L"global", kFirstSelectionCount + 2, AddEditablePoly,
     [](const XmlFunction& f) { return f.HasPress({kEP, L"global", 2, 1, 3}); }, 0, {L"select-case 2 3"}},
    {"ContextSelectionEndsTheGlobalInput", kKindModifierCases, kEP, L"global", kFirstContextSelection + 1,
     AddEditablePoly,
     [](const XmlFunction& f) {
       return f.HasPress({kEP, L"global", 1, 1, 3}) && !f.IsInputGlobal(kEP) &&
              f.GetDependent() == kKindContextSensitive;
     },
     0, {L"select-case 1 3"}},
    {"ObjectsPageTurnsContextSensitive", kKindModifierCases, L"No modifier", L"global", kFirstContextSelection + 3,
     nullptr,
     [](const XmlFunction& f) {
       return f.HasPress({L"No modifier", L"objects", 3, 1, 3}) && !f.HasMode(L"No modifier", L"global");
     },
     0, {L"level objects", L"select-case 3 3"}},
    {"CtrlTapIsAddedFromTheCellMenu", kKindModifierCases, kEP, L"global", kFirstKeyModifier + 2, AddEditablePoly,
     [](const XmlFunction& f) { return f.HasPress({kEP, L"global", 0, 1, 11}); }, 0, {L"select-case 0 11"},
     {0, 3, 1, true}},
    {"ModifierWithoutCellMenuDoesNothing", kKindModifierCases, kEP, L"global", kFirstKeyModifier + 2, AddEditablePoly,
     [](const XmlFunction& f) { return !f.HasModifiers(kEP, L"global", 0, 11); }, 0, {}},
    {"DoubleTapMakesAMultiTapFunction", kKindSingleTap, L"SingleTap", L"global", kFirstTapCount + 1, nullptr,
     [](const XmlFunction& f) {
       return f.HasPress({L"SingleTap", L"global", 0, 2, 3}) && f.GetDependent() == kKindMultiTap;
     },
     0, {L"select-case 0 3"}, {0, 3, 1, true}},
    {"NothingWithoutALevel", kKindModifierCases, kEP, L"", kFirstSelectionCount + 2, AddEditablePoly,
     [](const XmlFunction& f) { return !f.HasSelection(kEP, L"global", 2); }, 0, {}},
    {"NothingWithoutAnInput", kKindModifierCases, L"", L"global", ID_MODE_VERTEX, AddEditablePoly,
     [](const XmlFunction& f) { return !f.HasMode(kEP, L"vertex"); }, 0, {}},
};

TEST_F(CaseCommandsTest, EachCommandChangesTheFunctionAndTellsThePage) {
  for (const CaseCommandRow& row : kCaseCommands) {
    SCOPED_TRACE(row.name);
    XmlFunction* function = GetTalvo().CreateFunction(row.kind);
    ASSERT_NE(function, nullptr);
    if (row.prepare) row.prepare(*function);
    view_.input = row.input;
    view_.level = row.level;
    view_.requests.clear();
    GetCellMenuRecord() = row.menu;
    const int undoSteps = UndoSteps();

    Run(row.command);
    EXPECT_TRUE(row.expect(*function));
    EXPECT_EQ(UndoSteps() - undoSteps, row.undoSteps);
    EXPECT_EQ(view_.requests, row.requests);
    EXPECT_FALSE(GetCellMenuRecord().menuOpen);
  }
}

TEST_F(CaseCommandsTest, AddingAModifierPageIsUndoneInOneStep) {
  XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
  const std::wstring id = function->GetId();
  Run(ID_INPUT_MENU_EDIT_POLY);
  ASSERT_TRUE(GetTalvo().FindFunctionById(id)->HasInput(L"Edit Poly"));
  ASSERT_TRUE(hostsim::Undo());
  EXPECT_FALSE(GetTalvo().FindFunctionById(id)->HasInput(L"Edit Poly"));
}

TEST_F(CaseCommandsTest, ItemsAreGreyedWhenTheirCaseExists) {
  XmlFunction* function = GetTalvo().CreateFunction(kKindModifierCases);
  AddEditablePoly(*function);
  view_.input = kEP;
  view_.level = L"global";
  GetCellMenuRecord() = {0, 3, 1, true};
  EXPECT_FALSE(Enabled(ID_INPUT_MENU_EDITABLE_POLY));
  EXPECT_TRUE(Enabled(ID_INPUT_MENU_EDIT_POLY));
  EXPECT_TRUE(Enabled(ID_MODE_VERTEX));
  EXPECT_FALSE(Enabled(kFirstSelectionCount));
  EXPECT_TRUE(Enabled(kFirstSelectionCount + 1));
  EXPECT_FALSE(Enabled(kFirstKeyModifier));
  EXPECT_TRUE(Enabled(kFirstKeyModifier + 1));
  EXPECT_FALSE(Enabled(kFirstTapCount));
  EXPECT_TRUE(Enabled(kFirstTapCount + 1));
  EXPECT_FALSE(Enabled(kPasteCase));  // nothing copied yet
}

// The clipboard's target: a case of the function, as a right click on its row leaves it.
void Target(const XmlFunction& function, const CaseKeys& keys) {
  CaseClipboard& clip = GetCaseClipboard();
  clip.functionId = function.GetId();
  clip.input = keys.input;
  clip.mode = keys.mode;
  clip.selection = keys.selection;
  clip.press = keys.press;
  clip.modifiers = keys.modifiers;
}

TEST_F(CaseCommandsTest, CopyAndPasteCarryTheCommandOrTheScript) {
  XmlFunction* function = GetTalvo().CreateFunction(kKindMultiTap);
  const CaseKeys from{L"MultiTap", L"global", 0, 1, 3};
  const CaseKeys to{L"MultiTap", L"global", 0, 2, 3};
  const CaseKeys scripted{L"MultiTap", L"global", 0, 3, 3};
  function->AddAction(from);
  function->SetCaseGroup(from, L"Edit");
  function->SetCaseCategory(from, L"Edit");
  function->SetCaseTableAction(from, L"Undo", 0, 42);
  function->AddAction(scripted);
  function->SetCaseGroup(scripted, kGroupCustomCode);
  function->SetCaseScript(scripted, bevelId_);

  Target(*function, from);
  EXPECT_TRUE(Enabled(kCopyCase));
  Run(kCopyCase);
  Target(*function, to);
  EXPECT_TRUE(Enabled(kPasteCase));
  Run(kPasteCase);
  std::wstring action;
  int tableId = -1;
  int actionId = -1;
  ASSERT_TRUE(function->GetCaseTableAction(to, action, tableId, actionId));
  EXPECT_EQ(action, L"Undo");
  EXPECT_EQ(actionId, 42);
  EXPECT_EQ(view_.requests, std::vector<std::wstring>{L"pasted 3"});

  // A script case brings only its script along, nothing of the command copied before.
  Target(*function, scripted);
  Run(kCopyCase);
  Target(*function, to);
  Run(kPasteCase);
  std::wstring scriptId;
  std::wstring category;
  EXPECT_TRUE(function->GetCaseScript(to, scriptId));
  EXPECT_EQ(scriptId, bevelId_);
  EXPECT_FALSE(function->GetCaseCategory(to, category) && !category.empty());
}

TEST_F(CaseCommandsTest, ADeletedFunctionEmptiesTheCaseClipboard) {
  XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
  const CaseKeys keys{L"SingleTap", L"global", 0, 1, 3};
  function->AddAction(keys);
  function->SetCaseGroup(keys, L"Edit");
  Target(*function, keys);
  Run(kCopyCase);
  ASSERT_TRUE(GetCaseClipboard().copied);

  // The menu greys Copy then, but the function may go while the menu is open.
  CaseCommands& commands = commands_.GetCaseCommands();
  for (void (CaseCommands::*command)() : {&CaseCommands::OnPasteCase, &CaseCommands::OnCopyCase}) {
    GetCaseClipboard().copied = true;
    GetCaseClipboard().grid = grid_.get();
    GetCaseClipboard().functionId = L"deleted";
    EXPECT_FALSE(Enabled(kCopyCase));
    (commands.*command)();
    EXPECT_FALSE(GetCaseClipboard().copied);
    EXPECT_EQ(GetCaseClipboard().grid, nullptr);
    EXPECT_TRUE(GetCaseClipboard().group.empty());
  }
  EXPECT_TRUE(view_.requests.empty());
}

}  // namespace
}  // namespace Talvo::testing
