// Every data folder of the tests carries letters of several scripts in its name; the documents' file routes
// that start there must take such names: loading, saving and applying a wheel-events set.
#include <host/core_interface.h>
#include <host/simulation.h>

#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/xml_wheel_events.h"
#include "model_test_support.h"

namespace Talvo::testing {
namespace {

using ForeignNamesTest = ModelFolderTest;

TEST_F(ForeignNamesTest, TheDataFolderNameHoldsAccentedCjkAndRightToLeftLetters) {
  const std::wstring name = WidePath(root_.filename());
  for (const wchar_t* letters : {L"\u00E9", L"\u6570\u636E", L"\u05E0\u05EA\u05D5\u05E0\u05D9\u05DD"}) {
    EXPECT_NE(name.find(letters), std::wstring::npos) << WideToUtf8(letters);
  }
}

TEST_F(ForeignNamesTest, ApplyingAWheelEventsSetWritesTheActiveFileAndAsksTheScript) {
  Talvo& root = GetTalvo();
  ASSERT_TRUE(root.Load());
  XmlWheelEvents* set = root.GetCurrentWheelEvents();
  ASSERT_NE(set, nullptr);
  hostsim::SetMAXScriptDefault(true);
  EXPECT_TRUE(set->Apply());
  const std::filesystem::path active =
      PathFromWide(GetCOREInterface()->GetDir(APP_PLUGCFG_DIR)) / "quillonWheelEvents.xml";
  EXPECT_EQ(ReadFile(active), set->ToText());
  ASSERT_FALSE(hostsim::MAXScriptLog().empty());
  EXPECT_EQ(hostsim::MAXScriptLog().back().text, L"quillonUserSet.updateWheelEvents()");
}

}  // namespace
}  // namespace Talvo::testing
