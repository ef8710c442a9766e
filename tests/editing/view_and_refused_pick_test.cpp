// Looking at a function changes nothing, and a pick the page refuses is no undo step: the steps that
// could be redone stay.
#include <host/undo.h>

#include "editing/case_pickers.h"
#include "engine/restore_obj.h"
#include "function_editor_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

constexpr int kGroup = 4;
constexpr int kCategory = 6;

// A function of a mode kind whose one input is missing, and how it is looked at.
struct ViewRow {
  const char* name;
  int kind;
  const wchar_t* input;
  bool inViewer;
};

void PrintTo(const ViewRow& row, std::ostream* out) { *out << row.name; }

class ViewWithoutInputTest : public FunctionEditorTest, public ::testing::WithParamInterface<ViewRow> {};

TEST_P(ViewWithoutInputTest, ShowsItsPageAndLeavesTheDocumentAsItWas) {
  const ViewRow& row = GetParam();
  XmlFunction* function = AssignNewFunction(row.kind);
  ASSERT_TRUE(function->RemoveInput(row.input));
  ASSERT_TRUE(function->Save());
  const std::string stored = function->ToText();

  if (row.inViewer) {
    FunctionViewerTabs& viewer = MakeViewerStrip();
    ASSERT_EQ(viewer.GetPageCount(), 1);
    EXPECT_EQ(viewer.GetPage(0)->GetPageName(), row.input);
  } else {
    FunctionEditorTabs& editor = MakeStrip();
    ASSERT_EQ(editor.GetPageCount(), 1);
    EXPECT_EQ(editor.GetPage(0)->GetPageName(), row.input);
  }
  EXPECT_EQ(function->ToText(), stored);
  EXPECT_TRUE(function->IsSaved());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ViewWithoutInputTest,
                         ::testing::Values(ViewRow{"ClassicInTheEditor", kKindClassic, kInputClassic, false},
                                           ViewRow{"MultiPressInTheEditor", kKindMultiPress, kInputMultiPress, false},
                                           ViewRow{"ClassicInTheViewer", kKindClassic, kInputClassic, true},
                                           ViewRow{"MultiPressInTheViewer", kKindMultiPress, kInputMultiPress, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FunctionEditorTest, APickUnderAMissingGroupKeepsTheRedoSteps) {
  const CaseKeys vertexTap{kInputEditablePoly, L"vertex", 0, 1, 3};
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction(vertexTap);
  function.SetCaseGroup(vertexTap, L"Table The Host Lost");
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  function.SetName(L"Renamed");
  theHold.Accept(L"Rename");
  ASSERT_TRUE(hostsim::Undo());
  const int undoSteps = theHold.UndoCount();

  MakePage(kInputEditablePoly);
  Expand(0, 3);
  ASSERT_EQ(std::wstring(DropDown(3, kGroup)->GetText()), MissingText());
  Choose(3, kCategory, AllCommandsText());
  EXPECT_EQ(theHold.UndoCount(), undoSteps);
  EXPECT_EQ(hostsim::RedoLabels(), std::vector<std::wstring>{L"Rename"});
  std::wstring category;
  EXPECT_FALSE(function.GetCaseCategory(vertexTap, category) && !category.empty());
}

}  // namespace
}  // namespace Talvo::testing
