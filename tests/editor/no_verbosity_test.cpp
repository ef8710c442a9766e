// The no-verbosity switch: read from the saved options when the editor comes up, and the only thing the
// listener output looks at (a change of the options document counts once the switch is re-read).
#include <host/listener.h>
#include <host/simulation.h>

#include "pagebase/listener_output.h"
#include "pagebase/no_verbosity.h"
#include "options_fixture.h"

namespace Talvo::testing {
namespace {

using NoVerbosityTest = OptionsDialogTest;

TEST_F(NoVerbosityTest, TheSavedOptionHoldsFromStartUpAndTheListenerFollowsTheSwitch) {
  Options().SetOption(kOptionsGeneral, L"noverbosity", 1);
  ASSERT_TRUE(Options().Save());
  GetTalvo().Clear();
  ASSERT_TRUE(GetTalvo().Load());
  ASSERT_FALSE(NoVerbosity);

  // Coming up, the editor reads the saved choice: nothing is printed.
  ReadNoVerbosity();
  EXPECT_TRUE(NoVerbosity);
  the_listener->Clear();
  PrintToListener(L"Zip created.\n");
  EXPECT_EQ(hostsim::ListenerText(), L"");

  // The document alone changes nothing until the switch is re-read.
  Options().SetOption(kOptionsGeneral, L"noverbosity", 0);
  PrintToListener(L"Zip created.\n");
  EXPECT_EQ(hostsim::ListenerText(), L"");
  ReadNoVerbosity();
  PrintToListener(L"Zip created.\n");
  EXPECT_EQ(hostsim::ListenerText(), L"Zip created.\n");
}

TEST_F(NoVerbosityTest, WithoutAnOptionsDocumentTheSwitchIsOff) {
  GetTalvo().Clear();
  NoVerbosity = true;
  ReadNoVerbosity();
  EXPECT_FALSE(NoVerbosity);
}

}  // namespace
}  // namespace Talvo::testing
