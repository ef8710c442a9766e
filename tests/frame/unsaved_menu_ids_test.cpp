// Command ids of the unsaved-document entries: every document of either kind has its own id, whatever the
// number of documents, and the id leads back to it.
#include <gtest/gtest.h>

#include <set>

#include "frame/unsaved_menu_ids.h"

namespace Talvo::testing {
namespace {

TEST(UnsavedMenuIds, EachDocumentHasItsOwnIdThatLeadsBack) {
  std::set<UINT> seen;
  for (UnsavedKind kind : {UnsavedKind::Function, UnsavedKind::Profile}) {
    for (int i = 0; i < kMaxUnsavedEntries; ++i) {
      const std::optional<UINT> id = UnsavedCommandId(kind, i);
      ASSERT_TRUE(id) << i;
      EXPECT_TRUE(seen.insert(*id).second) << i;
      const std::optional<UnsavedEntry> entry = UnsavedEntryOf(*id);
      ASSERT_TRUE(entry) << *id;
      EXPECT_EQ(entry->kind, kind);
      EXPECT_EQ(entry->index, i);
    }
  }
  // The first documents keep the short ranges.
  EXPECT_EQ(UnsavedCommandId(UnsavedKind::Function, 499), kFunctionShortFirst + 499);
  EXPECT_EQ(UnsavedCommandId(UnsavedKind::Profile, 0), kProfileShortFirst);
  EXPECT_FALSE(UnsavedCommandId(UnsavedKind::Function, kMaxUnsavedEntries));
  for (UINT foreign : {4999U, 6000U, 10499U, 30499U, 127U}) EXPECT_FALSE(UnsavedEntryOf(foreign)) << foreign;
}

}  // namespace
}  // namespace Talvo::testing
