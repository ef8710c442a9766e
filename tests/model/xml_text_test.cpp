// A document's text is what the parser library's own printer makes of its tree, byte for byte: files
// written before and after stay identical, and so do the comparisons of a document with its file.
#include <gtest/gtest.h>
#include <rapidxml/rapidxml_print.hpp>

#include <iterator>
#include <string>
#include <vector>

#include "model/xml_document.h"

namespace Talvo {
namespace {

std::string LibraryText(std::string bytes) {
  rapidxml::xml_document<char> tree;
  tree.parse<0>(bytes.data());
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  rapidxml::print(std::back_inserter(text), tree, 0);
  while (text.size() > 1 && text.ends_with("\n\n")) text.pop_back();
  return text;
}

class XmlText : public ::testing::TestWithParam<const char*> {};

TEST_P(XmlText, IsTheLibraryPrintersText) {
  XmlDocument document;
  ASSERT_EQ(document.Parse(GetParam()), kXmlOk);
  EXPECT_EQ(document.ToText(), LibraryText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlText,
    ::testing::Values(
        "<properties name=\"a\" id=\"1\"/><root><x v=\"1\"/><y>text</y><z a=\"\" b=\"2\"></z></root>",
        // Values with one kind of quote, the other kind, both, and every markup character.
        "<r a=\"it's &lt;1&gt; &amp; more\" b='say \"hi\"' c='both \"&apos;\" &amp; &lt;'/>",
        "<t>&lt;tag&gt; &amp; &apos;single&apos; &quot;double&quot; plain</t>",
        // Text beside elements, nested levels, CDATA alone and among elements.
        "<m>before<c/>after<d><e>deep</e></d></m>",
        "<c><![CDATA[a<b>&c]]></c><d><x/><![CDATA[raw & <kept>]]><y>z</y></d>",
        // Bytes beyond ASCII pass through untouched.
        "<u name=\"\xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC\">\xE6\x97\xA5\xE6\x9C\xAC &amp; \xC3\xBC</u>"));

// Values set through the document (not parsed) print the same way.
TEST(XmlTextOfChanges, SetValuesAreEscapedAsTheLibraryDoes) {
  XmlDocument document;
  ASSERT_EQ(document.Parse("<root/>"), kXmlOk);
  XmlNode* root = document.GetNode("root");
  document.SetAttribute(root, "a", "x < y & 'z'");
  document.SetAttribute(root, "b", "\"q\" 'p' > &");
  XmlNode* child = document.AppendElement(root, "child");
  document.SetText(child, "1 < 2 & \"3\"");
  const std::string text = document.ToText();
  EXPECT_EQ(text, LibraryText(text));
  EXPECT_NE(text.find("a=\"x &lt; y &amp; 'z'\""), std::string::npos) << text;
  EXPECT_NE(text.find("b='\"q\" &apos;p&apos; &gt; &amp;'"), std::string::npos) << text;
}

}  // namespace
}  // namespace Talvo
