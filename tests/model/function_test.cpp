// Function documents: the case hierarchy, payloads, kinds, upgrades and script handling.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_function.h"

namespace Talvo {
namespace {

std::unique_ptr<XmlFunction> MakeFunction(int kind) {
  auto function = std::make_unique<XmlFunction>();
  function->SetProperty("name", L"Box");
  function->SetId(L"0123456789abcdef0123456789abcdef");
  function->SetProperty("version", kCurrentFunctionVersion);
  function->FillDefaultCases(kind);
  return function;
}

// Every input, mode, selection count and modifier byte, with press counts cycling through 1..4.
std::vector<CaseKeys> EveryCase() {
  std::vector<CaseKeys> cases;
  for (const std::wstring input : {kInputEditablePoly, kInputEditPoly, kInputUnwrapUVW, kInputNoModifier}) {
    for (const std::wstring mode : {L"vertex", L"edge", L"border", L"polygon", L"element", L"objects", L"global"}) {
      for (int selection = 0; selection <= 3; ++selection) {
        for (unsigned char modifiers : {3, 7, 11, 19, 15, 23, 27, 31})
          cases.push_back({input, mode, selection, 1 + static_cast<int>(cases.size() % 4), modifiers});
      }
    }
  }
  return cases;
}

TEST(XmlFunctionCases, EveryLevelCountAndModifierByteRoundTrips) {
  auto function = MakeFunction(kKindContextSensitive);
  const std::vector<CaseKeys> cases = EveryCase();
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    ASSERT_TRUE(function->SetCaseGroup(cases[i], L"Editable Polygon Object"));
    ASSERT_TRUE(function->SetCaseTableAction(cases[i], L"Extrude " + std::to_wstring(i), 0x4d5a8e01, i));
  }
  XmlFunction reloaded;
  ASSERT_EQ(reloaded.Parse(function->ToText()), kXmlOk);
  EXPECT_EQ(reloaded.ToText(), function->ToText());
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    std::wstring action;
    int table = 0;
    int id = 0;
    ASSERT_TRUE(reloaded.GetCaseTableAction(cases[i], action, table, id));
    EXPECT_EQ(action, L"Extrude " + std::to_wstring(i));
    EXPECT_EQ(id, i);
    EXPECT_EQ(table, 0x4d5a8e01);
  }
  std::vector<std::wstring> storedModes;
  reloaded.GetModes(kInputEditPoly, storedModes);
  EXPECT_EQ(storedModes,
            (std::vector<std::wstring>{L"vertex", L"edge", L"border", L"polygon", L"element", L"objects", L"global"}));
}

TEST(XmlFunctionCases, EachLevelNeedsItsParentAndCommandsCanBeClearedAndRemoved) {
  auto function = MakeFunction(kKindModifierCases);
  EXPECT_TRUE(function->HasPress({kInputNoModifier, kModeGlobal, 0, 1, 3}));
  EXPECT_FALSE(function->HasCase({kInputNoModifier, kModeGlobal, 0, 1, 3}));  // declared, no command yet

  EXPECT_FALSE(function->AddInput(kInputNoModifier));
  EXPECT_TRUE(function->AddInput(kInputEditablePoly));
  EXPECT_FALSE(function->AddMode(kInputEditablePoly, L"vertex"));  // no modes element yet
  EXPECT_TRUE(function->AddModes(kInputEditablePoly));
  EXPECT_TRUE(function->AddMode(kInputEditablePoly, L"vertex"));
  EXPECT_FALSE(function->AddSelection(kInputEditablePoly, L"vertex", 4));
  EXPECT_TRUE(function->AddSelectionCase(kInputEditablePoly, L"vertex", 2));
  EXPECT_TRUE(function->HasModifiers(kInputEditablePoly, L"vertex", 2, 3 | 0x40));  // bits 5.. are ignored
  EXPECT_TRUE(function->AddModifiers(kInputEditablePoly, L"vertex", 2, 7));
  EXPECT_FALSE(function->AddPress({kInputEditablePoly, L"vertex", 2, 5, 7}));
  EXPECT_TRUE(function->AddPress({kInputEditablePoly, L"vertex", 2, 2, 7}));

  const CaseKeys keys{kInputEditablePoly, L"vertex", 2, 2, 7};
  EXPECT_TRUE(function->SetCaseGroup(keys, kGroupCustomCode));
  EXPECT_TRUE(function->SetCaseScript(keys, L"abc"));
  EXPECT_TRUE(function->HasCasesFor(kInputEditablePoly, L"vertex", 2, 7));
  std::wstring text;
  EXPECT_FALSE(function->GetCaseAction(keys, text));
  EXPECT_TRUE(function->ClearCaseCommand(keys));
  EXPECT_TRUE(function->GetCaseGroup(keys, text));
  EXPECT_EQ(text, kGroupCustomCode);
  EXPECT_FALSE(function->GetCaseScript(keys, text));
  EXPECT_TRUE(function->RemoveAction(keys));
  EXPECT_FALSE(function->HasCase(keys));
  EXPECT_TRUE(function->HasPress(keys));  // the case row stays

  EXPECT_TRUE(function->RemoveInput(kInputEditablePoly));
  EXPECT_FALSE(function->RemoveInput(kInputEditablePoly));
}

TEST(XmlFunctionCases, MacroAndTableCommandsReplaceEachOther) {
  auto function = MakeFunction(kKindSingleTap);
  const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, 1, 3};
  CaseMacroScript macro{L"Modeling", L"PolyTools", L"SwiftLoop", L"Modeling.mcr", L"Swift Loop", 12};
  ASSERT_TRUE(function->SetCaseMacroScript(keys, macro));
  CaseMacroScript read;
  ASSERT_TRUE(function->GetCaseMacroScript(keys, read));
  std::wstring action;
  int table = 0;
  int id = 0;
  EXPECT_TRUE(function->GetCaseAction(keys, action));
  EXPECT_EQ(action, L"SwiftLoop");
  EXPECT_FALSE(function->GetCaseTableAction(keys, action, table, id));
  ASSERT_TRUE(function->SetCaseTableAction(keys, L"Chamfer", 5, 40));
  EXPECT_FALSE(function->GetCaseMacroScript(keys, read));
  EXPECT_TRUE(function->GetCaseTableAction(keys, action, table, id));
}

TEST(XmlFunctionModes, RenameGlobalModeAndInput) {
  auto function = MakeFunction(kKindModifierCases);
  EXPECT_TRUE(function->SetCaseGroup({kInputNoModifier, kModeGlobal, 0, 1, 3}, kGroupOriginalKey));
  EXPECT_TRUE(function->RenameGlobalMode(kInputNoModifier, kModeObjects));
  EXPECT_FALSE(function->HasMode(kInputNoModifier, kModeGlobal));
  EXPECT_TRUE(function->HasCase({kInputNoModifier, kModeObjects, 0, 1, 3}));
  EXPECT_FALSE(function->RenameGlobalMode(kInputNoModifier, L"vertex"));
  EXPECT_TRUE(function->RenameInput(kInputNoModifier, kInputEditPoly));
  EXPECT_FALSE(function->RenameInput(kInputEditPoly, kInputOverrideMode));  // taken
  EXPECT_TRUE(function->HasCase({kInputEditPoly, kModeObjects, 0, 1, 3}));
}

TEST(XmlFunctionKinds, NormalizeOnlyChangesKind1100) {
  auto legacy = MakeFunction(kKindMultiTapModifiers);
  legacy->AddInput(kInputEditablePoly);
  legacy->NormalizeKind();
  EXPECT_EQ(legacy->GetDependent(), kKindModifierCases);
  EXPECT_TRUE(legacy->IsInputGlobal(kInputEditablePoly));

  auto multiTap = MakeFunction(kKindMultiTap);
  const std::string before = multiTap->ToText();
  multiTap->NormalizeKind();
  EXPECT_EQ(multiTap->ToText(), before);
}

TEST(XmlFunctionKinds, ClassicFunctionsGetAPressPerModifierAndContextFunctionsTheObjectsMode) {
  auto classic = MakeFunction(kKindClassic);
  for (unsigned char modifiers : {3, 7, 11, 19, 15, 23, 27, 31})
    EXPECT_TRUE(classic->HasPress({kInputClassic, kModeGlobal, 0, 1, modifiers})) << int(modifiers);
  auto context = MakeFunction(kKindContextSensitive);
  EXPECT_TRUE(context->HasMode(kInputNoModifier, kModeObjects));
  EXPECT_FALSE(context->IsInputGlobal(kInputNoModifier));
}

TEST(XmlFunctionUpgrade, OldCasesMoveUnderPressElements) {
  const char* old = R"(<properties name="Old" id="1" version="1002" dependent="1107"/><talvofunction>)"
                    R"(<input type="No modifier" global="1"><modes><mode name="global"><selection count="0">)"
                    R"(<modifiers value="4"><action press="2" group="Original key behavior"/>)"
                    R"(<action press="1" group="Custom Code" maxscript="s1"/></modifiers>)"
                    R"(</selection></mode></modes></input></talvofunction>)";
  XmlFunction function;
  ASSERT_EQ(function.Parse(old), kXmlOk);
  EXPECT_TRUE(function.UpgradeCases());
  EXPECT_EQ(function.GetVersion(), L"1003");
  std::wstring group;
  EXPECT_TRUE(function.GetCaseGroup({kInputNoModifier, kModeGlobal, 0, 2, 7}, group));
  EXPECT_EQ(group, kGroupOriginalKey);
  EXPECT_TRUE(function.GetCaseScript({kInputNoModifier, kModeGlobal, 0, 1, 7}, group));
  EXPECT_EQ(group, L"s1");
  EXPECT_EQ(function.ToText().find("press=\"2\" group"), std::string::npos);
  EXPECT_FALSE(function.UpgradeCases());  // 1003 is current

  // Versions compare as numbers: "999" is older than "1003" although it sorts after it as text.
  XmlFunction older;
  ASSERT_EQ(older.Parse(R"(<properties version="999"/><talvofunction/>)"), kXmlOk);
  older.UpgradeCases();
  EXPECT_EQ(older.GetVersion(), L"1003");
  XmlFunction newer;
  ASSERT_EQ(newer.Parse(R"(<properties version="1010"/><talvofunction/>)"), kXmlOk);
  EXPECT_FALSE(newer.UpgradeCases());
  EXPECT_EQ(newer.GetVersion(), L"1010");
  EXPECT_TRUE(newer.IsSaved());
}

TEST(XmlFunctionScripts, AnEmbeddedExportImportsUnderTheSameId) {
  XmlCustomScripts scripts;
  std::wstring id;
  scripts.AddScript(L"Hello", L"print \"hello\"\n", id);
  auto function = MakeFunction(kKindSingleTap);
  const CaseKeys keys{kInputSingleTap, kModeGlobal, 0, 1, 3};
  function->SetCaseGroup(keys, kGroupCustomCode);
  function->SetCaseScript(keys, id);
  ASSERT_TRUE(function->EmbedScripts(&scripts));
  EXPECT_FALSE(function->EmbedScripts(nullptr));

  XmlFunction reloaded;
  ASSERT_EQ(reloaded.Parse(function->ToText()), kXmlOk);
  XmlCustomScripts other;
  EXPECT_TRUE(other.ImportScripts(reloaded.GetNode(TALVO_XML_EXPORTSCRIPTS)));
  EXPECT_FALSE(other.ImportScripts(nullptr));
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(other.GetScript(id, name, body));
  EXPECT_EQ(name, L"Hello");
  EXPECT_EQ(body, L"print \"hello\"\n");
}

// Files without a version carried the script body in the case; it moves to the scripts document.
TEST(XmlFunctionScripts, EmbeddedBodiesOfOldFilesMoveToTheScriptsDocument) {
  XmlFunction old;
  old.Parse(
      "<properties name=\"Legacy\"/><talvofunction><input type=\"SingleTap\"><modes><mode name=\"global\">"
      "<selection count=\"0\"><modifiers value=\"3\"><press count=\"1\"><action script=\"box()\"/></press>"
      "</modifiers></selection></mode></modes></input></talvofunction>");
  XmlCustomScripts scripts;
  EXPECT_TRUE(old.MigrateScripts(scripts));
  EXPECT_EQ(old.GetVersion(), L"1003");
  std::wstring scriptId;
  ASSERT_TRUE(old.GetCaseScript({kInputSingleTap, kModeGlobal, 0, 1, 3}, scriptId));
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts.GetScript(scriptId, name, body));
  EXPECT_EQ(name, L"Legacy 1");
  EXPECT_EQ(body, L"box()");
  EXPECT_FALSE(old.MigrateScripts(scripts));
}

}  // namespace
}  // namespace Talvo
