// Upgrading old-style cases where one press holds two actions: the first stays, the second is reported.
#include <gtest/gtest.h>
#include <host/listener.h>

#include "model/vocabulary.h"
#include "model/xml_function.h"

namespace Talvo {
namespace {

class FunctionUpgradeReportTest : public ::testing::Test {
 protected:
  void SetUp() override { the_listener->Clear(); }
  void TearDown() override {
    the_listener = saved_;
    the_listener->Clear();
  }
  Listener* saved_ = the_listener;
};

constexpr const char* kTwoActionsForOnePress =
    R"(<properties name="Twice" id="1" version="1002" dependent="1107"/><talvofunction>)"
    R"(<input type="No modifier" global="1"><modes><mode name="global"><selection count="0">)"
    R"(<modifiers value="4"><action press="2" group="Original key behavior"/>)"
    R"(<action press="2" group="Custom Code" maxscript="s1"/></modifiers>)"
    R"(</selection></mode></modes></input></talvofunction>)";

TEST_F(FunctionUpgradeReportTest, ASecondActionForOnePressIsLeftOutAndNamedInTheListener) {
  XmlFunction function;
  ASSERT_EQ(function.Parse(kTwoActionsForOnePress), kXmlOk);
  EXPECT_TRUE(function.UpgradeCases());
  const CaseKeys doubleTap{kInputNoModifier, kModeGlobal, 0, 2, 7};
  std::wstring group;
  ASSERT_TRUE(function.GetCaseGroup(doubleTap, group));
  EXPECT_EQ(group, kGroupOriginalKey);  // the first one stays
  std::wstring script;
  EXPECT_FALSE(function.GetCaseScript(doubleTap, script));
  EXPECT_EQ(the_listener->edit_stream->Text(),
            L"Quillon: function \"Twice\": a second action for tap count 2 (No modifier, global, selection 0, "
            L"modifiers 7) was left out; the first is kept.\n");
}

TEST_F(FunctionUpgradeReportTest, WithoutAListenerTheUpgradeStillKeepsTheFirstAction) {
  the_listener = nullptr;
  XmlFunction function;
  ASSERT_EQ(function.Parse(kTwoActionsForOnePress), kXmlOk);
  EXPECT_TRUE(function.UpgradeCases());
  std::wstring group;
  EXPECT_TRUE(function.GetCaseGroup({kInputNoModifier, kModeGlobal, 0, 2, 7}, group));
}

}  // namespace
}  // namespace Talvo
