#include "editing/function_clone.h"
#include "function_transfer_fixture.h"
#include "model/ids.h"

namespace Talvo::testing {
namespace {

using FunctionCloneTest = FunctionTransferTest;

TEST_F(FunctionCloneTest, TheCloneIsAnUnsavedCopyWithItsOwnIdentityAndBecomesCurrent) {
  std::wstring scriptId;
  XmlFunction* box = MakeScriptFunction(L"Box", scriptId);
  const std::string stored = ReadFileBytes(box->GetFilePath());
  const int count = Functions().Count();

  XmlFunction* clone = CloneFunction(Root());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(Functions().Count(), count + 1);
  EXPECT_EQ(Functions().IndexOf(clone), count);
  EXPECT_EQ(Root().GetCurrentFunction(), clone);
  EXPECT_EQ(clone->GetName(), L"Box(clone)");
  EXPECT_TRUE(IsDocumentId(clone->GetId()));
  EXPECT_NE(clone->GetId(), box->GetId());
  EXPECT_EQ(clone->XmlDocument::GetName(), clone->GetId());
  EXPECT_FALSE(clone->GetProperty("time").empty());
  std::wstring cloneScript;
  EXPECT_TRUE(clone->GetCaseScript(ScriptCase(), cloneScript));
  EXPECT_EQ(cloneScript, scriptId);
  EXPECT_FALSE(clone->IsSaved());
  EXPECT_FALSE(std::filesystem::exists(clone->GetFilePath()));
  EXPECT_EQ(box->GetName(), L"Box");
  EXPECT_EQ(ReadFileBytes(box->GetFilePath()), stored);

  // Cloning the same source again gives the same name (clone names are not made unique), another id.
  Root().GetMainDocument()->SetSelectedFunction(Functions().IndexOf(box));
  XmlFunction* second = CloneFunction(Root());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetName(), L"Box(clone)");
  EXPECT_NE(second->GetId(), clone->GetId());
  EXPECT_EQ(theHold.UndoLabels(), (std::vector<MSTR>{MSTR(L"Load Function"), MSTR(L"Load Function")}));

  ASSERT_TRUE(theHold.Undo());
  EXPECT_EQ(Functions().Count(), count + 1);
}

TEST_F(FunctionCloneTest, WithoutACurrentFunctionNothingHappens) {
  MakeFunction(L"Box");
  const int count = Functions().Count();
  Root().GetMainDocument()->SetSelectedFunction(count);
  EXPECT_EQ(CloneFunction(Root()), nullptr);
  EXPECT_EQ(Functions().Count(), count);
  EXPECT_EQ(theHold.UndoCount(), 0);
}

}  // namespace
}  // namespace Talvo::testing
