#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

TEST(GlobalMemory, MoveableBlockCountsLocksAndKeepsItsHandleWhenResized) {
  HGLOBAL block = GlobalAlloc(GHND, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 16u);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_NE(static_cast<void*>(bytes), block);  // a moveable handle is not an address
  EXPECT_EQ(bytes[0] | bytes[15], 0);           // GMEM_ZEROINIT
  std::memcpy(bytes, "abc", 4);
  EXPECT_NE(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);
  EXPECT_TRUE(GlobalUnlock(block));  // still locked once
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));

  EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), block);
  EXPECT_EQ(GlobalSize(block), 4096u);
  auto* grown = static_cast<char*>(GlobalLock(block));
  EXPECT_STREQ(grown, "abc");
  EXPECT_EQ(grown[4095], 0);
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, FixedBlockIsItsOwnAddressAndMovesOnlyWhenAllowed) {
  HGLOBAL block = GlobalAlloc(GPTR, 8);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalLock(block), block);
  EXPECT_EQ(GlobalFlags(block), 0u);  // fixed blocks keep no lock count
  EXPECT_EQ(GlobalReAlloc(block, 64, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  HGLOBAL moved = GlobalReAlloc(block, 64, GMEM_MOVEABLE);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(GlobalSize(moved), 64u);
  EXPECT_EQ(GlobalHandle(GlobalLock(moved)), moved);
  EXPECT_EQ(GlobalFree(moved), nullptr);
}

TEST(GlobalMemory, FreedAndForeignHandlesFailCleanly) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  ASSERT_EQ(GlobalFree(block), nullptr);
  int local = 0;
  for (HGLOBAL bad : {block, static_cast<HGLOBAL>(&local)}) {
    SetLastError(0);
    EXPECT_EQ(GlobalLock(bad), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalSize(bad), 0u);
    EXPECT_EQ(GlobalFlags(bad), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_EQ(GlobalFree(bad), bad);  // failure returns the handle
    EXPECT_EQ(GlobalReAlloc(bad, 8, GMEM_MOVEABLE), nullptr);
  }
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}
