// The default documents, profiles, the main settings, options and keyboard layouts.
#include <gtest/gtest.h>

#include <vector>

#include "model/resources.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_doc_directory.h"
#include "model/xml_keyboard.h"
#include "model/xml_options.h"
#include "model/xml_profile.h"
#include "model/xml_talvo.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::ReadFile;
using testing::WriteFile;
using DefaultDocuments = testing::ModelFolderTest;

TEST_F(DefaultDocuments, EveryOneLoadsSavesAndReloadsByteIdentical) {
  XmlDocDirectory directory(root_);
  int documents = 0;
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (resource.path.substr(0, 10) != "documents/") continue;
    ++documents;
    const auto source = root_ / "source.xml";
    WriteFile(source, std::string(resource.bytes));
    XmlDocument document(&directory);
    ASSERT_EQ(document.Load(source), kXmlOk) << resource.path;
    document.SetName(L"copy");
    ASSERT_TRUE(document.Save()) << resource.path;
    EXPECT_EQ(ReadFile(root_ / "copy.xml"), resource.bytes) << resource.path;
    XmlDocument reloaded(&directory);
    ASSERT_EQ(reloaded.Load(root_ / "copy.xml"), kXmlOk);
    EXPECT_EQ(reloaded.ToText(), resource.bytes) << resource.path;
  }
  EXPECT_EQ(documents, 7);
}

// Both layouts name every key with a text and a virtual-key code, the same code for the same key.
TEST(Keyboards, EveryKeyHasATextAndTheSameVirtualKeyInBothLayouts) {
  XmlKeyboard ansi;
  ASSERT_EQ(ansi.Parse(*FindResource("documents/layouts/US-ANSI.xml")), kXmlOk);
  XmlKeyboard iso;
  ASSERT_EQ(iso.Parse(*FindResource("documents/layouts/US-ISO.xml")), kXmlOk);
  ASSERT_EQ(iso.KeyCount(), ansi.KeyCount() + 1);  // the key beside the left Shift
  for (int key = 0; key < ansi.KeyCount(); ++key) {
    EXPECT_FALSE(ansi.GetKeyText(key).empty()) << key;
    EXPECT_GT(ansi.GetVirtOfKey(key), 0) << key;
    EXPECT_EQ(ansi.GetVirtOfKey(key), iso.GetVirtOfKey(key)) << key;
  }
  EXPECT_EQ(ansi.GetVirtOfKey(ansi.KeyCount()), -1);
  EXPECT_EQ(ansi.GetVirtOfKey(-1), -1);
  EXPECT_EQ(ansi.GetVirtOfKey(ansi.GetKeyOfVirt('Q')), 'Q');
  EXPECT_EQ(ansi.GetKeyOfVirt(0xFF), -1);
}

TEST(Profiles, AssignmentsFlagsAndVisualAssignmentsRoundTrip) {
  XmlProfile profile;
  profile.Parse(*FindResource("documents/profiles/DefaultProfile.xml"));
  profile.Assign(12, 123, L"aaaa", true, false);
  profile.Assign(40, 222, L"bbbb", false, true);
  profile.Assign(17, 49, L"", true, true);
  profile.Assign(12, 123, L"cccc", true, true);  // updates in place
  profile.AddVisualAssignment(33);
  profile.AddVisualAssignment(33);

  XmlProfile reloaded;
  ASSERT_EQ(reloaded.Parse(profile.ToText()), kXmlOk);
  EXPECT_EQ(reloaded.ToText(), profile.ToText());
  std::vector<int> keys;
  reloaded.GetAssignedKeys(keys);
  EXPECT_EQ(keys, (std::vector<int>{12, 40, 17}));
  keys.clear();
  reloaded.GetOpenKeys(keys);
  EXPECT_EQ(keys, (std::vector<int>{12, 17}));
  EXPECT_EQ(reloaded.GetFunctionIdOfKey(12), L"cccc");
  EXPECT_EQ(reloaded.GetFunctionIdOfKey(99), L"");
  EXPECT_TRUE(reloaded.GetLearningFlag(40));
  EXPECT_EQ(reloaded.GetVirtOfKey(40), 222);
  EXPECT_EQ(reloaded.GetVisualAssignmentKey(), 33);
  EXPECT_EQ(reloaded.ToText().find("visualassignment key=\"33\"/>\n\t<visual"), std::string::npos);

  EXPECT_TRUE(reloaded.RemoveAssignment(40));
  EXPECT_FALSE(reloaded.RemoveAssignment(40));
  EXPECT_TRUE(reloaded.RemoveVisualAssignment(33));
  EXPECT_FALSE(reloaded.HasVisualAssignment(33));
}

TEST(MainSettings, QuickSlotsOutOfRangeAreIgnoredAndThePositionIsClamped) {
  XmlTalvo main;
  main.Parse(*FindResource("documents/Talvo.xml"));
  main.SetQuickProfile(2, 4);
  main.SetQuickActive(2, true);
  main.SetQuickActive(7, true);
  EXPECT_EQ(main.GetQuickProfile(2), 4);
  EXPECT_TRUE(main.GetQuickActive(2));
  EXPECT_FALSE(main.GetQuickActive(7));
  EXPECT_EQ(main.GetQuickProfile(6), -1);

  int x = 0, y = 0, w = 0, h = 0;
  main.SetPosition(-20, 5, 100, 5000);
  ASSERT_TRUE(main.GetPosition(x, y, w, h));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 5);
  EXPECT_EQ(w, 1350);
  EXPECT_EQ(h, 1040);

  // A document without a stored position leaves the caller's values alone.
  XmlTalvo empty;
  x = 7;
  EXPECT_FALSE(empty.GetPosition(x, y, w, h));
  EXPECT_EQ(x, 7);
}

TEST(Options, AddedOptionsTheTapThresholdBoundsAndReset) {
  XmlOptions options;
  options.ResetToDefault();
  const int defaults = options.Count(kOptionsGeneral);
  EXPECT_EQ(options.GetOptionName(kOptionsGeneral, defaults), L"");
  EXPECT_EQ(options.GetOptionName(kOptionsGeneral, -1), L"");
  options.SetOption(kOptionsGeneral, L"deactivate", 1);
  EXPECT_TRUE(options.IsDeactivated());
  EXPECT_FALSE(options.AddOption(kOptionsGeneral, L"deactivate", 0));
  EXPECT_TRUE(options.IsDeactivated());
  EXPECT_TRUE(options.AddOption(kOptionsGeneral, L"extra", 1, L"Extra"));
  EXPECT_EQ(options.GetOptionTitle(kOptionsGeneral, defaults), L"Extra");
  options.SetTapThreshold(20);
  EXPECT_EQ(options.GetTapThreshold(), 50);
  options.SetTapThreshold(4500);
  EXPECT_EQ(options.GetTapThreshold(), 1000);

  options.ResetToDefault();
  EXPECT_EQ(options.Count(kOptionsGeneral), defaults);
  EXPECT_FALSE(options.IsDeactivated());
  EXPECT_FALSE(options.IsSaved());
}

TEST(CustomScripts, AddedAndRenamedScriptsSurviveAReload) {
  XmlCustomScripts scripts;
  scripts.Parse(*FindResource("documents/TalvoCustomScripts.xml"));
  std::wstring first;
  std::wstring second;
  scripts.AddScript(L"One", L"1", first);
  scripts.AddScript(L"Two", L"a < b && \"c\"", second);
  EXPECT_NE(first, second);
  EXPECT_EQ(scripts.GetScriptIdAt(2), L"");
  scripts.SetScript(first, L"Uno", L"1");
  XmlCustomScripts reloaded;
  ASSERT_EQ(reloaded.Parse(scripts.ToText()), kXmlOk);
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(reloaded.GetScript(second, name, body));
  EXPECT_EQ(body, L"a < b && \"c\"");
  ASSERT_TRUE(reloaded.GetScript(first, name, body));
  EXPECT_EQ(name, L"Uno");
}

}  // namespace
}  // namespace Talvo
