#include <algorithm>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/debug.h"
#include "host/listener.h"
#include "host/maxscript.h"
#include "host_fixture.h"

namespace {

using ScriptingTest = HostTest;

TEST_F(ScriptingTest, ScriptsAreRecordedAndAnsweredPerTextByHandlerOrByDefault) {
  hostsim::SetMAXScriptResult(L"broken()", false);
  hostsim::SetMAXScriptHandler([](const std::wstring& text) -> std::optional<bool> {
    if (text.rfind(L"quillonUserSet.", 0) == 0) return false;
    return std::nullopt;
  });
  EXPECT_TRUE(ExecuteMAXScriptScript(L"print 1"));
  EXPECT_FALSE(ExecuteMAXScriptScript(L"broken()", true));
  EXPECT_FALSE(ExecuteMAXScriptScript(L"quillonUserSet.updateWheelEvents()"));
  hostsim::SetMAXScriptDefault(false);
  EXPECT_FALSE(ExecuteMAXScriptScript(L"print 2"));
  EXPECT_FALSE(ExecuteMAXScriptScript(nullptr, true));

  const auto log = hostsim::MAXScriptLog();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[0].text, L"print 1");
  EXPECT_TRUE(log[0].success);
  EXPECT_TRUE(log[1].quiet);
  EXPECT_FALSE(log[2].success);
  EXPECT_EQ(log[4].text, L"");
}

TEST_F(ScriptingTest, ATextAnswerOverridesTheUndoCommand) {
  hostsim::SetMAXScriptResult(L"max undo", false);
  EXPECT_FALSE(ExecuteMAXScriptScript(L"max undo", true));
  hostsim::SetMAXScriptHandler([](const std::wstring&) -> std::optional<bool> { return false; });
  EXPECT_FALSE(ExecuteMAXScriptScript(L"max redo", true)) << "the handler answers before the host's commands";
  hostsim::Reset();
  EXPECT_TRUE(ExecuteMAXScriptScript(L"anything"));
}

TEST_F(ScriptingTest, OnlyLoudFailuresReachTheListener) {
  hostsim::SetMAXScriptDefault(false);
  ExecuteMAXScriptScript(L"quiet()", true);
  EXPECT_EQ(hostsim::ListenerText(), L"");
  ExecuteMAXScriptScript(L"loud()");
  EXPECT_NE(hostsim::ListenerText().find(L"loud()"), std::wstring::npos);
}

TEST_F(ScriptingTest, TheListenerPrintsWideFormatsAndClears) {
  the_listener->edit_stream->puts(L"Zip created. Please check your zipfile.\n");
  the_listener->edit_stream->printf(L"Error: Can't save Function: %s\n", L"Grow «Loop»");
  the_listener->edit_stream->flush();
  EXPECT_EQ(hostsim::ListenerText(),
            L"Zip created. Please check your zipfile.\nError: Can't save Function: Grow «Loop»\n");
  the_listener->Clear();
  EXPECT_EQ(hostsim::ListenerText(), L"");
}

TEST_F(ScriptingTest, DebugPrintAppendsFormattedLinesToTheDebugLog) {
  DebugPrint(L"VI OnCreate\n");
  DebugPrint(L"nState = %i, bMinimized=%i  \n", 1, 0);
  DebugPrint(L"%s, %s, %s, %s \n", L"C:", L"/Users/", L"set", L".xml");
  DebugPrint(L"%I64d %5.1f%%\n", static_cast<long long>(1) << 40, 2.25);
  EXPECT_EQ(hostsim::DebugLog(),
            L"VI OnCreate\nnState = 1, bMinimized=0  \nC:, /Users/, set, .xml \n1099511627776   2.2%\n");
  hostsim::ClearDebugLog();
  EXPECT_EQ(hostsim::DebugLog(), L"");
}

TEST_F(ScriptingTest, ABrokenOrMissingFormatPrintsWhatItCan) {
  DebugPrint(L"100%");
  DebugPrint(L"%-5");
  DebugPrint(nullptr);
  EXPECT_EQ(hostsim::DebugLog(), L"100");
}

TEST_F(ScriptingTest, DebugPrintFromSeveralThreadsKeepsEveryLine) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 50; ++i) DebugPrint(L"THREAD = %i %i\n", t, i);
    });
  for (std::thread& thread : threads) thread.join();
  const std::wstring log = hostsim::DebugLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), L'\n'), 200);
}

TEST_F(ScriptingTest, LongFormattedTextIsNotCut) {
  const std::wstring long_text(5000, L'x');
  DebugPrint(L"[%s]", long_text.c_str());
  EXPECT_EQ(hostsim::DebugLog(), L"[" + long_text + L"]");
}

TEST_F(ScriptingTest, WStrBehavesLikeTheHostsString) {
  MSTR empty;
  EXPECT_TRUE(empty.isNull());
  MSTR name(L"Edit Poly");
  EXPECT_EQ(name.Length(), 9);
  EXPECT_STREQ(name.data(), L"Edit Poly");
  EXPECT_TRUE(name == L"Edit Poly");
  EXPECT_EQ(MSTR(nullptr).Length(), 0);
  EXPECT_EQ(name[100], L'\0');
  MSTR formatted;
  formatted.printf(L"%s %d", L"Tap", 4);
  EXPECT_EQ(formatted, MSTR(L"Tap 4"));
}

}  // namespace
