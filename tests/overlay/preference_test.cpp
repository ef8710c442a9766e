// What the overlay offers for a key: the context a function kind looks its cases up in, and the two
// rows of entries with their texts and whether they can be run.
#include "overlay/overlay_preference.h"

#include "overlay/context_resolver.h"
#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

struct KindCase {
  int kind;
  const wchar_t* input;
  const wchar_t* mode;
  int selection;
};

class PreferenceTest : public OverlayTest {
 protected:
  // Each kind finds a case stored under the context it looks up, with the given selected count.
  void ExpectKindsFindTheirCases(const std::vector<KindCase>& cases, int count) {
    for (const KindCase& expected : cases) {
      XmlFunction* function = AssignNewFunction('Q', expected.kind);
      AddActionCase(*function, {expected.input, expected.mode, expected.selection, 2, 3}, L"Hit");
      bool resolved = false;
      const OverlayPreference preference = Resolve('Q', 3, &resolved);
      EXPECT_TRUE(resolved) << expected.kind;
      EXPECT_EQ(preference.inputType, expected.input) << expected.kind;
      EXPECT_EQ(preference.mode, expected.mode) << expected.kind;
      EXPECT_EQ(preference.count, count) << expected.kind;
      EXPECT_EQ(preference.rowA.names, (std::vector<std::wstring>{L"", L"Hit", L"", L""})) << expected.kind;
    }
  }

  OverlayPreference Resolve(UINT key, unsigned char modifiers = 3, bool* result = nullptr) {
    OverlayPreference preference;
    const bool resolved = ResolvePreference(key, modifiers, L"Key", preference);
    if (result) *result = resolved;
    return preference;
  }

  // An editable poly in the modify panel at vertex level with seven selected vertices.
  void SelectSevenVertices() {
    MNMesh mesh = hostsim::MakeGridMesh(3, 1);
    hostsim::SelectVertices(mesh, {0, 1, 2, 3, 4, 5, 6});
    INode* node = hostsim::AddEditablePoly(L"Plane", std::move(mesh), EP_SL_VERTEX);
    hostsim::SelectNodes({node});
    hostsim::SetCurEditObject(hostsim::GetPolyObject(node));
  }

  // Two objects of different classes, one of them at a sub-object level.
  void SelectUnnameableContext() {
    INode* poly = hostsim::AddEditablePoly(L"Poly", hostsim::MakeGridMesh(1, 1), EP_SL_EDGE);
    INode* other = hostsim::AddNode(L"Other", new hostsim::SimpleObject(Class_ID(9, 9)));
    hostsim::SelectNodes({poly, other});
  }
};

TEST_F(PreferenceTest, EachGroupShowsItsTextAndWhetherItRuns) {
  XmlFunction* function = AssignNewFunction('Q', kKindSingleTap);
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 1, 3}, L"Weld");
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 2, 3}, L"Gone", kMissingCommand);
  const std::wstring scriptId = AddScriptCase(*function, {kInputSingleTap, kModeGlobal, 0, 3, 3}, L"Relax All");
  AddOriginalKeyCase(*function, {kInputSingleTap, kModeGlobal, 0, 4, 3});
  AddActionCase(*function, {kInputOverrideMode, kModeGlobal, 0, 1, 3}, L"Chamfer");
  const std::wstring deletedId = AddScriptCase(*function, {kInputOverrideMode, kModeGlobal, 0, 2, 3}, L"Old");
  GetTalvo().GetCustomScripts()->DeleteScript(deletedId);
  AddActionCase(*function, {kInputOverrideMode, kModeGlobal, 0, 3, 3}, L"Gone too", kMissingCommand);

  OverlayPreference preference = Resolve('Q');
  EXPECT_EQ(preference.rowA.names,
            (std::vector<std::wstring>{L"Weld", L"«missing»", L"Relax All", L"Original key behavior"}));
  // A command the host lacks stays runnable in row A: the dispatcher reports what it cannot run. Row B
  // shows the stored text without asking the host.
  EXPECT_EQ(preference.rowA.flags, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(preference.rowB.names, (std::vector<std::wstring>{L"Chamfer", L"", L"Gone too", L""}));
  EXPECT_EQ(preference.rowB.flags, (std::vector<bool>{true, false, true, false}));

  // A deleted script keeps its entry in row A, still runnable since its id was read; a custom-code case
  // without a script id is not.
  GetTalvo().GetCustomScripts()->DeleteScript(scriptId);
  const CaseKeys withoutScript{kInputSingleTap, kModeGlobal, 0, 1, 3};
  function->RemoveAction(withoutScript);
  function->AddAction(withoutScript);
  function->SetCaseGroup(withoutScript, kGroupCustomCode);
  preference = Resolve('Q');
  EXPECT_EQ(preference.rowA.names[2], L"Not Selected");
  EXPECT_TRUE(preference.rowA.flags[2]);
  EXPECT_EQ(preference.rowA.names[0], L"Not Selected");
  EXPECT_FALSE(preference.rowA.flags[0]);

  // Another modifier byte has no cases at all: four empty entries.
  EXPECT_EQ(Resolve('Q', 11).rowA.names, std::vector<std::wstring>(4));
}

TEST_F(PreferenceTest, OverrideRowHidesEmptyCommands) {
  XmlFunction* function = AssignNewFunction('Q', kKindMultiTap);
  AddActionCase(*function, {kInputOverrideMode, kModeGlobal, 0, 1, 3}, L"");
  AddOriginalKeyCase(*function, {kInputOverrideMode, kModeGlobal, 0, 4, 3});
  const OverlayPreference preference = Resolve('Q');
  EXPECT_EQ(preference.rowB.names, (std::vector<std::wstring>{L"", L"", L"", L"Original key behavior"}));
  EXPECT_EQ(preference.rowB.flags, (std::vector<bool>{false, false, false, true}));
}

TEST_F(PreferenceTest, EveryKindLooksUpItsOwnContext) {
  ExpectKindsFindTheirCases({{kKindMultiTapModifiers, L"No modifier", L"global", 0},
                             {kKindMultiTapModifiersElements, L"No modifier", L"objects", 0},
                             {kKindContextElements, L"No modifier", L"objects", 0},
                             {kKindClassic, L"3DSMax Classic", L"global", 0},
                             {kKindMultiPress, L"MultiPress", L"global", 0},
                             {kKindSingleTap, L"SingleTap", L"global", 0},
                             {kKindMultiTap, L"MultiTap", L"global", 0},
                             {kKindModifierCases, L"No modifier", L"global", 0},
                             {kKindContextSensitive, L"No modifier", L"objects", 0}},
                            0);
  SelectSevenVertices();
  ExpectKindsFindTheirCases({{kKindMultiTapModifiers, L"Editable Poly", L"global", 0},
                             {kKindMultiTapModifiersElements, L"Editable Poly", L"vertex", 0},
                             {kKindContextElements, L"Editable Poly", L"vertex", 3},
                             {kKindClassic, L"3DSMax Classic", L"global", 0},
                             {kKindModifierCases, L"Editable Poly", L"global", 0},
                             {kKindContextSensitive, L"Editable Poly", L"vertex", 3}},
                            7);
}

TEST_F(PreferenceTest, ContextSensitiveGlobalInputsIgnoreLevelAndCount) {
  XmlFunction* function = AssignNewFunction('Q', kKindContextSensitive);
  AddActionCase(*function, {L"Editable Poly", L"global", 0, 2, 3}, L"Poly anywhere");
  function->SetInputGlobal(L"Editable Poly", true);
  SelectSevenVertices();
  const OverlayPreference preference = Resolve('Q');
  EXPECT_EQ(preference.mode, L"global");
  EXPECT_EQ(preference.rowA.names[1], L"Poly anywhere");
}

TEST_F(PreferenceTest, AnUnnameableContextStoresTheKeyButNoRows) {
  SelectUnnameableContext();
  for (int kind : {kKindMultiTapModifiers, kKindContextElements, kKindContextSensitive}) {
    AssignNewFunction('Q', kind);
    bool resolved = true;
    const OverlayPreference preference = Resolve('Q', 7, &resolved);
    EXPECT_FALSE(resolved) << kind;
    EXPECT_EQ(preference.modifiers, 7);
    EXPECT_TRUE(preference.rowA.names.empty());
  }
  // Kinds whose cases ignore the selection still resolve.
  AssignNewFunction('Q', kKindSingleTap);
  bool resolved = false;
  Resolve('Q', 3, &resolved);
  EXPECT_TRUE(resolved);
}

TEST_F(PreferenceTest, KeysWithoutAFunctionKeepKeyModifiersAndName) {
  Profile().AddVisualAssignment(KeyOf('W'));
  OverlayPreference preference;
  preference.mode = L"vertex";  // left from an earlier key
  EXPECT_FALSE(ResolvePreference('W', 11, L"W", preference));
  EXPECT_EQ(preference.key, static_cast<UINT>('W'));
  EXPECT_EQ(preference.modifiers, 11);
  EXPECT_EQ(preference.keyName, L"W");
  EXPECT_TRUE(preference.mode.empty());

  // An assignment whose function is gone, and a key the layout does not know.
  Profile().Assign(KeyOf('R'), 'R', L"0123456789abcdef0123456789abcdef", false, true);
  EXPECT_FALSE(ResolvePreference('R', 3, L"R", preference));
  EXPECT_FALSE(ResolvePreference(0xE8, 3, L"?", preference));
}

TEST_F(PreferenceTest, DispatcherContextMatchesWhatTheOverlayOffers) {
  SelectSevenVertices();
  XmlFunction* function = AssignNewFunction('Q', kKindContextElements);
  OverlayContextResolver resolver;
  SelectionContext context;
  ASSERT_TRUE(resolver.Resolve(*function, context));
  EXPECT_EQ(context.mode, L"vertex");
  EXPECT_EQ(context.selection, 3);
  hostsim::ClearScene();
  SelectUnnameableContext();
  EXPECT_FALSE(resolver.Resolve(*function, context));
}

}  // namespace
}  // namespace Talvo::testing
