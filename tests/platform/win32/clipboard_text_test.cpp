#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

const HWND kEditor = reinterpret_cast<HWND>(0x1010);
const HWND kOtherWindow = reinterpret_cast<HWND>(0x2020);

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override { winsim::ResetClipboard(); }
  void TearDown() override { winsim::ResetClipboard(); }
};

HGLOBAL BlockOf(const void* data, size_t bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(block), data, bytes);
  GlobalUnlock(block);
  return block;
}

std::string AnsiText(HANDLE block) {
  std::string text(static_cast<const char*>(GlobalLock(block)));
  GlobalUnlock(block);
  return text;
}

std::wstring WideText(HANDLE block) {
  std::wstring text(static_cast<const wchar_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  return text;
}

}  // namespace

TEST_F(Clipboard, UnicodeTextIsAlsoOfferedAsAnsiText) {
  const wchar_t text[] = L"5 \u20AC \u03A9";  // the euro sign is in Windows-1252, omega is not
  ASSERT_TRUE(OpenClipboard(kEditor));
  EXPECT_EQ(GetOpenClipboardWindow(), kEditor);
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), kEditor);
  HGLOBAL block = BlockOf(text, sizeof text);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), block);
  EXPECT_TRUE(CloseClipboard());

  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(CountClipboardFormats(), 2);
  ASSERT_TRUE(OpenClipboard(kOtherWindow));
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), block);  // still the clipboard's block
  EXPECT_EQ(WideText(block), text);
  EXPECT_EQ(AnsiText(GetClipboardData(CF_TEXT)), "5 \x80 ?");
  EXPECT_TRUE(CloseClipboard());
}

TEST_F(Clipboard, AnsiTextIsAlsoOfferedAsUnicodeText) {
  const char text[] = "a\tb\r\n\x80\x93x\x94";
  ASSERT_TRUE(OpenClipboard(kEditor));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, BlockOf(text, sizeof text));
  EXPECT_EQ(WideText(GetClipboardData(CF_UNICODETEXT)), L"a\tb\r\n\u20AC\u201Cx\u201D");
  EXPECT_EQ(AnsiText(GetClipboardData(CF_TEXT)), text);
  CloseClipboard();
}

TEST_F(Clipboard, ReplacedAndEmptiedBlocksAreFreedByTheClipboard) {
  ASSERT_TRUE(OpenClipboard(kEditor));
  HGLOBAL first = BlockOf("one", 4);
  HGLOBAL second = BlockOf("two", 4);
  SetClipboardData(CF_TEXT, first);
  SetClipboardData(CF_TEXT, second);
  EXPECT_EQ(GlobalSize(first), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(CountClipboardFormats(), 2);
  EmptyClipboard();
  EXPECT_EQ(GlobalSize(second), 0u);
  EXPECT_EQ(CountClipboardFormats(), 0);
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
}

TEST_F(Clipboard, OpenIsRefusedWhileAnotherWindowHoldsItOrWhenForced) {
  ASSERT_TRUE(OpenClipboard(kEditor));
  EXPECT_TRUE(OpenClipboard(kEditor));  // the holder may open it again
  EXPECT_FALSE(OpenClipboard(kOtherWindow));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(CloseClipboard());
  EXPECT_FALSE(CloseClipboard());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));

  HGLOBAL block = BlockOf("x", 2);
  EXPECT_EQ(SetClipboardData(CF_TEXT, block), nullptr);  // not open: the caller keeps the block
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
  GlobalFree(block);

  winsim::SetClipboardOpenFails(true);
  EXPECT_FALSE(OpenClipboard(kOtherWindow));
  winsim::SetClipboardOpenFails(false);
  EXPECT_TRUE(OpenClipboard(kOtherWindow));
  CloseClipboard();
}

TEST_F(Clipboard, SynthesizedTextFollowsNewData) {
  ASSERT_TRUE(OpenClipboard(kEditor));
  SetClipboardData(CF_UNICODETEXT, BlockOf(L"first", sizeof L"first"));
  EXPECT_EQ(AnsiText(GetClipboardData(CF_TEXT)), "first");
  SetClipboardData(CF_UNICODETEXT, BlockOf(L"second", sizeof L"second"));
  EXPECT_EQ(AnsiText(GetClipboardData(CF_TEXT)), "second");
  SetClipboardData(CF_TEXT, BlockOf("own", 4));  // real data of a format replaces its synthesized form
  EXPECT_EQ(AnsiText(GetClipboardData(CF_TEXT)), "own");
  EXPECT_EQ(WideText(GetClipboardData(CF_UNICODETEXT)), L"second");
  CloseClipboard();
}
