#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

TEST(GlobalMemory, AMoveableBlockIsZeroedAndCountsItsLocks) {
  HGLOBAL block = GlobalAlloc(GHND, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 16u);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_NE(static_cast<void*>(bytes), block);  // a moveable handle is not an address
  EXPECT_EQ(bytes[0] | bytes[15], 0);           // GMEM_ZEROINIT
  std::memcpy(bytes, "abc", 4);
  EXPECT_NE(GlobalLock(block), nullptr);
  EXPECT_TRUE(GlobalUnlock(block));  // still locked once
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
  EXPECT_EQ(GlobalFree(block), nullptr);
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
    EXPECT_EQ(GlobalFree(bad), bad);  // failure returns the handle
  }
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}
