// Command ids of the unsaved-document entries: every document of either kind has its own id, whatever the
// number of documents, and the id leads back to it.
#include <gtest/gtest.h>

#include <set>

#include "frame/unsaved_menu_ids.h"

namespace Talvo::testing {
namespace {

struct IdCase {
  UnsavedKind kind;
  int index;
  UINT id;
};

class UnsavedMenuIdTest : public ::testing::TestWithParam<IdCase> {};

TEST_P(UnsavedMenuIdTest, IdAndBack) {
  const IdCase& c = GetParam();
  ASSERT_EQ(UnsavedCommandId(c.kind, c.index), c.id);
  const std::optional<UnsavedEntry> entry = UnsavedEntryOf(c.id);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->kind, c.kind);
  EXPECT_EQ(entry->index, c.index);
}

INSTANTIATE_TEST_SUITE_P(Ranges, UnsavedMenuIdTest,
                         ::testing::Values(IdCase{UnsavedKind::Function, 0, 5000}, IdCase{UnsavedKind::Profile, 2, 5502},
                                           IdCase{UnsavedKind::Function, 101, 5101},
                                           IdCase{UnsavedKind::Function, 499, 5499},
                                           IdCase{UnsavedKind::Function, 500, 10500},
                                           IdCase{UnsavedKind::Profile, 500, 30500},
                                           IdCase{UnsavedKind::Function, 599, 10599}));

TEST(UnsavedMenuIds, NoTwoDocumentsShareAnIdAndForeignIdsMeanNothing) {
  std::set<UINT> seen;
  for (UnsavedKind kind : {UnsavedKind::Function, UnsavedKind::Profile})
    for (int i = 0; i < kMaxUnsavedEntries; ++i) EXPECT_TRUE(seen.insert(*UnsavedCommandId(kind, i)).second) << i;
  EXPECT_FALSE(UnsavedCommandId(UnsavedKind::Function, kMaxUnsavedEntries));
  for (UINT foreign : {4999U, 6000U, 10499U, 30499U, 127U}) EXPECT_FALSE(UnsavedEntryOf(foreign)) << foreign;
}

}  // namespace
}  // namespace Talvo::testing
