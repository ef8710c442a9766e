// The function ids of all assigned keys at once answer what the key-by-key question answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/xml_profile.h"

namespace Talvo {
namespace {

TEST(ProfileFunctionIds, AreWhatEachKeyAnswers) {
  XmlProfile profile;
  // A key assigned twice (its first assignment counts), a key written with a leading zero (which its
  // number does not find), an assignment without key or function.
  ASSERT_EQ(profile.Parse("<talvoprofile>"
                          "<assignment key=\"5\" function=\"a\"/>"
                          "<assignment key=\"9\" function=\"b\"/>"
                          "<assignment key=\"5\" function=\"c\"/>"
                          "<assignment key=\"07\" function=\"d\"/>"
                          "<assignment function=\"e\"/>"
                          "<assignment key=\"-1\" function=\"f\"/>"
                          "<assignment key=\"3\"/>"
                          "</talvoprofile>"),
            kXmlOk);
  std::vector<int> keys;
  profile.GetAssignedKeys(keys);
  std::vector<std::wstring> expected;
  for (const int key : keys) expected.push_back(profile.GetFunctionIdOfKey(key));
  EXPECT_EQ(profile.GetFunctionIdsOfAssignedKeys(), expected);
  EXPECT_EQ(expected, (std::vector<std::wstring>{L"a", L"b", L"a", L"", L"f", L"f", L""}));
}

}  // namespace
}  // namespace Talvo
