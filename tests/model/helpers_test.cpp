// Text conversion, number parsing, the radial chart's text helpers, MD5, ids, the string table and
// modifier bytes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/ids.h"
#include "model/md5.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/text.h"

namespace Talvo {
namespace {

TEST(TextConversion, RoundTripsEveryPlaneAndReplacesBrokenSequences) {
  const std::wstring wide = L"A\u00e9\u20ac\U0001F600\u00abmissing\u00bb";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(wide)), wide);
  EXPECT_EQ(WideToUtf8(L"\u00e9"), "\xc3\xa9");
  // A truncated sequence is one U+FFFD; a byte that never starts a sequence (the overlong lead 0xC0) and a
  // stray continuation byte are one each.
  EXPECT_EQ(Utf8ToWide("a\xe2\x82"), L"a\ufffd");
  EXPECT_EQ(Utf8ToWide("\xc0\xaf"), L"\ufffd\ufffd");
  EXPECT_EQ(Utf8ToWide("\x80z"), L"\ufffdz");
  EXPECT_EQ(Utf8ToWide(""), L"");
}

TEST(Numbers, ParseWithPointAndIgnoreUnitSuffix) {
  EXPECT_DOUBLE_EQ(*ParseNumber("0.02"), 0.02);
  EXPECT_DOUBLE_EQ(*ParseNumber("5px"), 5.0);
  EXPECT_DOUBLE_EQ(*ParseNumber("-100.0"), -100.0);
  EXPECT_FALSE(ParseNumber("px").has_value());
  EXPECT_FALSE(ParseNumber("").has_value());
  EXPECT_EQ(ParseInt("1003", 0), 1003);
  EXPECT_EQ(ParseInt("10x", -1), -1);
  EXPECT_EQ(ParseInt("", 7), 7);
}

TEST(ChartText, RepeatAndWrap) {
  EXPECT_EQ(RepeatText(3, L"\u25cf"), L"\u25cf\u25cf\u25cf");
  EXPECT_EQ(RepeatText(0, L"x"), L"");
  EXPECT_EQ(RepeatText(-2, L"x"), L"");
  EXPECT_EQ(WrapText(L"Extrude Polygon Along Spline", 10), L"Extrude\nPolygon\nAlong\nSpline");
  EXPECT_EQ(WrapText(L"Chamfer Edges", 20), L"Chamfer Edges");
  EXPECT_EQ(WrapText(L"Supercalifragilistic", 8), L"Supercal\nifragili\nstic");
  EXPECT_EQ(WrapText(L"a b", 0), L"a b");
  EXPECT_EQ(WrapText(L"", 5), L"");
}

std::string Digest(const std::string& text) {
  MD5 md5;
  md5.Update(text.data(), text.size());
  return md5.HexDigest();
}

TEST(Md5, StandardTestVectors) {
  EXPECT_EQ(Digest(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Digest("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  // Longer than one 64-byte block.
  EXPECT_EQ(Digest("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
            "57edf4a22be3c955ac49da2e2107b67a");
  // Updates in pieces give the digest of the whole text; the object starts over after a digest.
  MD5 md5;
  md5.Update("mess", 4);
  md5.Update("age digest", 10);
  EXPECT_EQ(md5.HexDigest(), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(md5.HexDigest(), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(DocumentIds, ThousandIdsInOneSecondAreDistinctHexDigests) {
  std::set<std::wstring> ids;
  std::set<std::wstring> stamps;
  for (int i = 0; i < 1000; ++i) {
    const std::wstring id = NewDocumentId(7);
    EXPECT_TRUE(IsDocumentId(id)) << WideToUtf8(id);
    ids.insert(id);
    stamps.insert(MakeUniqueId());
  }
  EXPECT_EQ(ids.size(), 1000u);
  EXPECT_EQ(stamps.size(), 1000u);
  EXPECT_FALSE(IsDocumentId(L"000000"));
  EXPECT_FALSE(IsDocumentId(L"D41D8CD98F00B204E9800998ECF8427E"));
}

TEST(DocumentIds, DrawsAgainWhileTheIdIsTaken) {
  // The first three ids drawn are taken; the question must be about a well-formed id each time.
  std::set<std::wstring> refused;
  const std::wstring id = NewDocumentId(1, [&](const std::wstring& candidate) {
    EXPECT_TRUE(IsDocumentId(candidate)) << candidate;
    if (refused.count(candidate) != 0) return true;
    if (refused.size() == 3) return false;
    refused.insert(candidate);
    return true;
  });
  EXPECT_EQ(refused.size(), 3u);
  EXPECT_EQ(refused.count(id), 0u);
  EXPECT_TRUE(IsDocumentId(id));
}

TEST(StringTable, TextsAreStableAndMissingIdsAreNull) {
  const wchar_t* product = GetString(184);
  ASSERT_NE(product, nullptr);
  // Many later look-ups never overwrite an earlier text.
  for (int id = 100; id < 400; ++id) GetString(id);
  EXPECT_EQ(GetString(184), product);
  EXPECT_STREQ(product, L"Quillon");
  EXPECT_STREQ(GetString(171), L"Close ");  // trailing blanks are kept
  EXPECT_EQ(GetString(100), nullptr);
  EXPECT_EQ(GetString(-1), nullptr);
}

TEST(Modifiers, CaseNamesMatchExactlyAndOnlyFiveBitsCount) {
  EXPECT_EQ(ModifierName(L"Edit Poly"), 137);
  EXPECT_EQ(ModifierName(L"No modifier"), -1);  // the case word differs from the display text
  EXPECT_EQ(ModifierName(L"Override Mode"), -1);
  EXPECT_TRUE(ModifiersEqual(7, 7 | 0x20));
  EXPECT_FALSE(ModifiersEqual(3, 7));
  EXPECT_FALSE(ModifiersEqual(11, 19));
}

}  // namespace
}  // namespace Talvo
