#include "editing/function_clone.h"
#include "function_transfer_fixture.h"
#include "model/ids.h"

namespace Talvo::testing {
namespace {

using FunctionCloneTest = FunctionTransferTest;

// The clone's name, undo step and place in the menu are checked with the functions page's commands.
TEST_F(FunctionCloneTest, TheCloneIsAnUnsavedCopyWithItsOwnIdentity) {
  std::wstring scriptId;
  XmlFunction* box = MakeScriptFunction(L"Box", scriptId);
  const std::string stored = ReadFileBytes(box->GetFilePath());

  XmlFunction* clone = CloneFunction(parent_.get(), Root());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(Root().GetCurrentFunction(), clone);
  EXPECT_TRUE(IsDocumentId(clone->GetId()));
  EXPECT_NE(clone->GetId(), box->GetId());
  EXPECT_EQ(clone->XmlDocument::GetName(), clone->GetId());
  EXPECT_FALSE(clone->GetProperty("time").empty());
  std::wstring cloneScript;
  EXPECT_TRUE(clone->GetCaseScript(ScriptCase(), cloneScript));
  EXPECT_EQ(cloneScript, scriptId);
  EXPECT_FALSE(clone->IsSaved());
  EXPECT_FALSE(std::filesystem::exists(clone->GetFilePath()));
  EXPECT_EQ(ReadFileBytes(box->GetFilePath()), stored);
}

TEST_F(FunctionCloneTest, WithoutACurrentFunctionNothingHappens) {
  MakeFunction(L"Box");
  const int count = Functions().Count();
  Root().GetMainDocument()->SetSelectedFunction(count);
  EXPECT_EQ(CloneFunction(parent_.get(), Root()), nullptr);
  EXPECT_EQ(Functions().Count(), count);
  EXPECT_EQ(theHold.UndoCount(), 0);
}

}  // namespace
}  // namespace Talvo::testing
