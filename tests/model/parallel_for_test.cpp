// Work handed to several threads: every index runs once, a throw comes back to the caller, and a thread's
// number stays its own.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "model/parallel_for.h"

namespace Talvo {
namespace {

class ParallelForTest : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override { SetParallelThreadLimit(GetParam()); }
  void TearDown() override { SetParallelThreadLimit(0); }
};

TEST_P(ParallelForTest, EveryIndexRunsOnce) {
  for (const std::size_t count : {0u, 1u, 3u, 5u, 64u, 10000u}) {
    std::vector<std::atomic<int>> runs(count);
    ParallelFor(count, [&](std::size_t i) { runs[i].fetch_add(1); });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << "index " << i << " of " << count;
  }
}

TEST_P(ParallelForTest, TheLowestIndexThatThrewIsRethrownAfterEveryIndexRan) {
  for (const std::size_t count : {1u, 40u, 5000u}) {
    std::vector<std::atomic<int>> runs(count);
    try {
      ParallelFor(count, [&](std::size_t i) {
        runs[i].fetch_add(1);
        if (i >= count / 2 && i % 3 == 0) throw std::runtime_error(std::to_string(i));
      });
      ADD_FAILURE() << "nothing thrown for " << count;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), std::to_string((count / 2 + 2) / 3 * 3)) << count;
    }
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << "index " << i << " of " << count;
  }
}

TEST_P(ParallelForTest, WorkHandedOutFromWithinWorkRunsToo) {
  constexpr std::size_t kOuter = 40;
  constexpr std::size_t kInner = 30;
  std::vector<std::atomic<int>> runs(kOuter * kInner);
  ParallelFor(kOuter, [&](std::size_t outer) {
    ParallelFor(kInner, [&](std::size_t inner) { runs[outer * kInner + inner].fetch_add(1); });
  });
  for (std::size_t i = 0; i < runs.size(); ++i) ASSERT_EQ(runs[i].load(), 1) << "index " << i;
}

TEST_P(ParallelForTest, EachThreadNumberBelongsToOneThreadWithinTheLimit) {
  std::mutex mutex;
  std::vector<std::thread::id> owners;
  bool shared = false;
  ParallelForPerThread(4000, [&](std::size_t, unsigned thread) {
    ASSERT_LT(thread, ParallelThreads());
    const std::lock_guard<std::mutex> lock(mutex);
    if (owners.size() <= thread) owners.resize(thread + 1);
    if (owners[thread] == std::thread::id()) owners[thread] = std::this_thread::get_id();
    shared = shared || owners[thread] != std::this_thread::get_id();
  });
  EXPECT_FALSE(shared);
  if (GetParam() == 1) {
    EXPECT_EQ(owners, std::vector<std::thread::id>{std::this_thread::get_id()});
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, ParallelForTest, ::testing::Values(0u, 1u, 3u),
                         [](const auto& info) { return "limit" + std::to_string(info.param); });

TEST(ParallelThreads, OneThreadAtLeastAndNoMoreThanTheLimit) {
  EXPECT_GE(ParallelThreads(), 1u);
  EXPECT_LE(ParallelThreads(), kMaxParallelThreads);
  SetParallelThreadLimit(1);
  EXPECT_EQ(ParallelThreads(), 1u);
  SetParallelThreadLimit(0);
}

}  // namespace
}  // namespace Talvo
