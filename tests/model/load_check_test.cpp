// The check a loaded file passes before the document keeps its bytes unparsed: whatever it lets through
// must later parse into the tree without fail, with or without character references in the file.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>

#include <string>

#include "model/xml_document.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using LoadCheck = testing::ModelFolderTest;

struct RefusedFile {
  const char* label;
  std::string text;
};

std::string Nested(int depth, const std::string& inside) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  text += inside;
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

TEST_F(LoadCheck, FilesTheTreeCouldNotBeBuiltFromAreRefusedAtLoad) {
  for (const RefusedFile& file : {
           RefusedFile{"deep", Nested(100000, "")},
           RefusedFile{"deep with a reference", Nested(100000, "&amp;")},
           RefusedFile{"a reference past the last character", "<root v=\"&#99999999;\"/>"},
           RefusedFile{"an unfinished reference", "<root>&#65</root>"},
           RefusedFile{"unclosed", "<root><x></root>"},
       }) {
    testing::WriteFile(root_ / "file.xml", file.text);
    XmlDocument document;
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"));
    EXPECT_EQ(document.Load(root_ / "file.xml"), kXmlCannotParse) << file.label;
    EXPECT_EQ(winsim::PendingModalAnswers(), 0u) << file.label;
  }
}

TEST_F(LoadCheck, TheBytesKeptUnparsedBuildTheTreeTheFileHolds) {
  const std::string text = "<?xml version=\"1.0\"?>\n<properties name=\"plain\"/>\n<!-- note -->\n" +
                           Nested(200, "<x v=\"1\">text<![CDATA[<raw>]]></x>");
  testing::WriteFile(root_ / "file.xml", text);
  XmlDocument loaded;
  ASSERT_EQ(loaded.Load(root_ / "file.xml"), kXmlOk);
  EXPECT_EQ(loaded.GetProperty("name"), L"plain");
  XmlDocument parsed;
  ASSERT_EQ(parsed.Parse(text), kXmlOk);
  EXPECT_EQ(loaded.ToText(), parsed.ToText());
}

}  // namespace
}  // namespace Talvo
