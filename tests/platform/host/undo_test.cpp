#include "host/undo.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "host/maxscript.h"
#include "host_fixture.h"

namespace {

// Appends what happens to it to a shared journal.
class JournalRecord : public RestoreObj {
 public:
  JournalRecord(std::vector<std::string>& journal, std::string name) : journal_(journal), name_(std::move(name)) {}
  ~JournalRecord() override { journal_.push_back("delete " + name_); }
  void Restore(int isUndo) override { journal_.push_back((isUndo ? "undo " : "cancel ") + name_); }
  void Redo() override { journal_.push_back("redo " + name_); }

 private:
  std::vector<std::string>& journal_;
  std::string name_;
};

// The journal outlives the records, which the host deletes when the test's host shuts down.
class UndoTest : public HostTest {
 protected:
  std::vector<std::string> journal;
};

void AcceptStep(std::vector<std::string>& journal, const std::string& name, const wchar_t* label) {
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, name + "1"));
  theHold.Put(new JournalRecord(journal, name + "2"));
  theHold.Accept(label);
}

TEST_F(UndoTest, ThreeStepsUndoAndRedoInOrderWithTheirLabels) {
  AcceptStep(journal, "a", L"Create Function");
  AcceptStep(journal, "b", L"Select Profile");
  AcceptStep(journal, "c", L"In Grid Changes");
  EXPECT_EQ(hostsim::UndoLabels(),
            (std::vector<std::wstring>{L"In Grid Changes", L"Select Profile", L"Create Function"}));

  EXPECT_TRUE(hostsim::Undo());
  EXPECT_TRUE(hostsim::Undo());
  EXPECT_EQ(journal, (std::vector<std::string>{"undo c2", "undo c1", "undo b2", "undo b1"}));
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Create Function"});
  EXPECT_EQ(hostsim::RedoLabels(), (std::vector<std::wstring>{L"Select Profile", L"In Grid Changes"}));

  journal.clear();
  EXPECT_TRUE(hostsim::Redo());
  EXPECT_EQ(journal, (std::vector<std::string>{"redo b1", "redo b2"}));
  EXPECT_TRUE(hostsim::Undo());
  EXPECT_TRUE(hostsim::Undo());
  EXPECT_FALSE(hostsim::Undo());
  EXPECT_TRUE(hostsim::Redo());
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Create Function"});
}

TEST_F(UndoTest, ANewStepDeletesTheRedoBranch) {
  AcceptStep(journal, "a", L"A");
  AcceptStep(journal, "b", L"B");
  hostsim::Undo();
  journal.clear();
  AcceptStep(journal, "c", L"C");
  EXPECT_THAT(journal, ::testing::UnorderedElementsAre("delete b1", "delete b2"));
  EXPECT_TRUE(hostsim::RedoLabels().empty());
  EXPECT_EQ(hostsim::UndoLabels(), (std::vector<std::wstring>{L"C", L"A"}));
}

TEST_F(UndoTest, CancelRestoresNewestFirstAndDiscards) {
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, "x"));
  theHold.Put(new JournalRecord(journal, "y"));
  EXPECT_TRUE(theHold.Holding());
  theHold.Cancel();
  EXPECT_FALSE(theHold.Holding());
  ASSERT_EQ(journal.size(), 4u);
  EXPECT_EQ(journal[0], "cancel y");
  EXPECT_EQ(journal[1], "cancel x");
  EXPECT_THAT(journal, ::testing::Contains("delete x"));
  EXPECT_THAT(journal, ::testing::Contains("delete y"));
  EXPECT_TRUE(hostsim::UndoLabels().empty());
}

TEST_F(UndoTest, NestedHoldsMakeOneStepAndInnerCancelOnlyDropsItsOwnRecords) {
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, "outer"));
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, "inner"));
  theHold.Cancel();
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, "kept"));
  theHold.Accept(L"inner label");
  EXPECT_TRUE(hostsim::UndoLabels().empty());
  theHold.Accept(L"Outer");
  EXPECT_EQ(hostsim::UndoLabels(), std::vector<std::wstring>{L"Outer"});
  journal.clear();
  hostsim::Undo();
  EXPECT_EQ(journal, (std::vector<std::string>{"undo kept", "undo outer"}));
}

TEST_F(UndoTest, PutWithoutHoldDeletesAndAcceptWithoutBeginIsHarmless) {
  theHold.Put(new JournalRecord(journal, "stray"));
  EXPECT_EQ(journal, std::vector<std::string>{"delete stray"});
  theHold.Accept(L"Nothing");
  theHold.Cancel();
  EXPECT_TRUE(hostsim::UndoLabels().empty());

  // An accepted hold without records makes no step either.
  theHold.Begin();
  theHold.Accept(L"Empty");
  EXPECT_TRUE(hostsim::UndoLabels().empty());

  theHold.Begin();
  theHold.Suspend();
  theHold.Put(new JournalRecord(journal, "suspended"));
  theHold.Resume();
  theHold.Accept(L"Suspended");
  EXPECT_EQ(journal.back(), "delete suspended");
  EXPECT_TRUE(hostsim::UndoLabels().empty());
}

TEST_F(UndoTest, MaxUndoAndRedoThroughMAXScriptReachTheStack) {
  AcceptStep(journal, "a", L"A");
  EXPECT_TRUE(ExecuteMAXScriptScript(L"max undo"));
  EXPECT_EQ(journal, (std::vector<std::string>{"undo a2", "undo a1"}));
  EXPECT_TRUE(ExecuteMAXScriptScript(L"max redo"));
  EXPECT_EQ(journal.back(), "redo a2");
  // With nothing left to redo the command still succeeds, as the host's does.
  EXPECT_TRUE(ExecuteMAXScriptScript(L"max redo"));
  EXPECT_EQ(hostsim::MAXScriptLog().size(), 3u);
  // MAXScript reads the command whatever its case and spacing.
  journal.clear();
  EXPECT_TRUE(ExecuteMAXScriptScript(L"  Max\tUNDO "));
  EXPECT_EQ(journal, (std::vector<std::string>{"undo a2", "undo a1"}));
  hostsim::SetMAXScriptDefault(false);
  EXPECT_FALSE(ExecuteMAXScriptScript(L"max undone"));
  EXPECT_EQ(journal.size(), 2u);
}

TEST_F(UndoTest, ResetDeletesEveryRecord) {
  AcceptStep(journal, "a", L"A");
  theHold.Begin();
  theHold.Put(new JournalRecord(journal, "open"));
  hostsim::Reset();
  EXPECT_THAT(journal, ::testing::UnorderedElementsAre("delete open", "delete a1", "delete a2"));
  EXPECT_FALSE(theHold.Holding());
}

}  // namespace
