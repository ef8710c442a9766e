// Finding a child element by an attribute's value in a document's tree.
#include <gtest/gtest.h>

#include "model/xml_document.h"

namespace Talvo {
namespace {

TEST(TreeLookup, TheFirstChildOfThatNameWhoseAttributeHoldsTheValue) {
  XmlDocument document;
  ASSERT_EQ(document.Parse("<root><item k=\"a\" n=\"1\"/><other k=\"b\" n=\"2\"/><item k=\"b\" n=\"3\"/>"
                           "<item k=\"b\" n=\"4\"/><item n=\"5\"/><item k=\"ab\" n=\"6\"/></root>"),
            kXmlOk);
  const XmlNode* root = document.GetNode("root");
  struct Case {
    const char* value;
    const char* found;  // its "n", or null for none
  } cases[] = {{"a", "1"}, {"b", "3"}, {"", "5"}, {"ab", "6"}, {"c", nullptr}};
  for (const Case& c : cases) {
    const XmlNode* child = XmlDocument::FindChild(root, "item", "k", c.value);
    EXPECT_EQ(child ? XmlDocument::Attribute(child, "n") : "none", c.found ? c.found : "none") << c.value;
  }
  EXPECT_EQ(XmlDocument::FindChild(nullptr, "item", "k", "a"), nullptr);
}

}  // namespace
}  // namespace Talvo
