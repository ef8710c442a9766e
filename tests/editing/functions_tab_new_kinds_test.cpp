// Each kind the new-function dialog offers makes a function of that kind on the functions page.
#include "editing/functions_tab.h"

#include "editing/functions_tab_template.h"
#include "function_pages_fixture.h"
#include "model/vocabulary.h"
#include "resources/dialogs/function_new_dlg.h"

namespace Talvo::testing {
namespace {

struct KindCase {
  const char* name;
  int button;
  int kind;
};

class FunctionsTabNewKindTest : public FunctionPageTest<FunctionsTab>, public ::testing::WithParamInterface<KindCase> {};

TEST_P(FunctionsTabNewKindTest, TheChosenKindIsTheNewFunctionsKind) {
  const KindCase& row = GetParam();
  OpenPage();
  const int before = Functions().Count();
  winsim::AnswerModalDialog(IDD_FUNCTION_NEW, [&row](HWND dialog) { ClickItem(dialog, row.button); });
  Click(IDC_FUNCTION_NEW_BAR);
  ASSERT_EQ(Functions().Count(), before + 1);
  ASSERT_NE(Root().GetCurrentFunction(), nullptr);
  EXPECT_EQ(Root().GetCurrentFunction()->GetDependent(), row.kind);
  EXPECT_EQ(Functions().GetFunction(Current()), Root().GetCurrentFunction());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FunctionsTabNewKindTest,
                         ::testing::Values(KindCase{"SingleTap", IDC_KIND_SINGLE_TAP, kKindSingleTap},
                                           KindCase{"MultiTap", IDC_KIND_MULTITAP, kKindMultiTap},
                                           KindCase{"ContextSensitive", IDC_KIND_CONTEXT_SENSITIVE,
                                                    kKindContextSensitive}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
