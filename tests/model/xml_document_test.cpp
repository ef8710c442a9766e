// Loading, parsing and saving documents; folders of documents.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/xml_doc_directory.h"
#include "model/xml_function.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::ReadFile;
using testing::WriteFile;
using DocumentFolder = testing::ModelFolderTest;
using XmlDocumentLoad = testing::ModelFolderTest;
using XmlDocumentSave = testing::ModelFolderTest;

constexpr const char* kGood =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<properties name=\"a\" id=\"1\"/>\n<root>\n\t<x v=\"1\"/>\n</root>\n";

TEST_F(XmlDocumentLoad, ResultsForGoodMissingAndMalformedFilesAndNothingChangesOnFailure) {
  WriteFile(root_ / "good.xml", kGood);
  WriteFile(root_ / "bad.xml", "<root><x></root>");
  XmlDocument document;
  ASSERT_EQ(document.Load(root_ / "good.xml"), kXmlOk);
  EXPECT_EQ(document.GetName(), L"good");
  EXPECT_TRUE(document.IsSaved());
  EXPECT_EQ(document.GetId(), L"1");
  const std::string before = document.ToText();

  EXPECT_EQ(document.Load(root_ / "missing.xml"), kXmlCannotOpen);
  EXPECT_EQ(document.Load(root_), kXmlCannotOpen);  // a folder is not a file
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"));
  EXPECT_EQ(document.Load(root_ / "bad.xml"), kXmlCannotParse);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);

  EXPECT_EQ(document.ToText(), before);
  EXPECT_EQ(document.GetName(), L"good");
  EXPECT_TRUE(document.IsSaved());
}

// A loaded document answers its properties and top-level names from its text until its tree is needed;
// the answers must be the tree's.
TEST_F(XmlDocumentLoad, PropertiesAndTopLevelNamesAreTheSameBeforeAndAfterTheTreeIsBuilt) {
  WriteFile(root_ / "doc.xml", "<properties name=\"A &amp; B\" id=\"7\" name=\"second\"/>\n<root/><other/>\n");
  XmlDocument document;
  ASSERT_EQ(document.Load(root_ / "doc.xml"), kXmlOk);
  const auto answers = [&] {
    return std::vector<std::wstring>{document.GetProperty("name"),
                                     document.GetId(),
                                     document.GetProperty("none"),
                                     document.HasNode("root") ? L"root" : L"",
                                     document.HasNode("other") ? L"other" : L"",
                                     document.HasNode("properties") ? L"properties" : L"",
                                     document.HasNode("x") ? L"x" : L""};
  };
  const std::vector<std::wstring> before = answers();
  EXPECT_EQ(before, (std::vector<std::wstring>{L"A & B", L"7", L"", L"root", L"other", L"properties", L""}));
  ASSERT_NE(document.GetNode("root"), nullptr);  // builds the tree
  EXPECT_EQ(answers(), before);
  EXPECT_TRUE(document.IsSaved());
}

TEST(XmlDocumentParse, ExactSizeBufferWithoutTerminatorIsCopied) {
  const std::string text = "<root><x v=\"12\"/></root>";
  // A heap block of exactly the text's size: reading past it would trip AddressSanitizer.
  auto bytes = std::make_unique<char[]>(text.size());
  std::copy(text.begin(), text.end(), bytes.get());
  XmlDocument document;
  ASSERT_EQ(document.Parse(std::string_view(bytes.get(), text.size())), kXmlOk);
  bytes.reset();  // the document owns its copy
  EXPECT_EQ(XmlDocument::Attribute(document.GetNode("root")->first_node("x"), "v"), "12");
  EXPECT_EQ(document.Parse(std::string_view("<root>", 6)), kXmlCannotParse);
  EXPECT_TRUE(document.HasNode("root"));
}

TEST(XmlDocumentParse, BytesThatHoldNoWholeDocumentAreRefused) {
  using namespace std::string_literals;
  XmlDocument document;
  for (const std::string& bytes : {""s, "  \n"s, "<?xml version=\"1.0\"?>\n"s, "<!-- nothing -->"s, "\0<root/>"s,
                                   "<root/>\0<x/>"s, "<root>\0</root>"s}) {
    EXPECT_EQ(document.Parse(bytes), kXmlCannotParse) << ::testing::PrintToString(bytes);
  }
  EXPECT_EQ(document.Parse("<root/>"), kXmlOk);
}

TEST(XmlDocumentParse, RejectsAbsurdNestingWithoutCrashing) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  XmlDocument document;
  EXPECT_EQ(document.Parse(deep), kXmlCannotParse);
  // Markup that only looks like closing tags (inside values, comments, CDATA, or stray closing tags
  // before the first element) must not hide the real depth from the check.
  for (const std::string& unit : {std::string("<a x=\"/>\">"), std::string("<a><!-- /> -->"),
                                  std::string("<a><![CDATA[</b>]]>"), std::string("<a y='</b>'>")}) {
    std::string hostile;
    for (int i = 0; i < 100000; ++i) hostile += unit;
    EXPECT_EQ(document.Parse(hostile), kXmlCannotParse) << unit;
  }
  std::string strays;
  for (int i = 0; i < 1000; ++i) strays += "</b>";
  for (int i = 0; i < 1000; ++i) strays += "<a>";
  EXPECT_EQ(document.Parse(strays), kXmlCannotParse);
  // Ordinary documents with comments, CDATA and self-closing elements still parse.
  EXPECT_EQ(document.Parse("<r><!-- <x> --><a v=\">\"/><b><![CDATA[<c>]]></b></r>"), kXmlOk);
}

TEST_F(XmlDocumentSave, WritesAtomicallyAndKeepsThePreviousFileAsBackup) {
  XmlDocDirectory directory(root_);
  auto* document = directory.Add(std::make_unique<XmlDocument>());
  ASSERT_EQ(document->Parse(kGood), kXmlOk);
  document->SetName(L"doc");
  EXPECT_EQ(document->GetFilePath(), root_ / "doc.xml");
  ASSERT_TRUE(document->Save());
  EXPECT_TRUE(document->IsSaved());
  EXPECT_EQ(ReadFile(root_ / "doc.xml"), kGood);
  EXPECT_FALSE(std::filesystem::exists(root_ / "doc.xml.bak"));

  document->SetProperty("time", L"42");
  ASSERT_TRUE(document->Save());
  EXPECT_EQ(ReadFile(root_ / "doc.xml.bak"), kGood);
  EXPECT_NE(ReadFile(root_ / "doc.xml").find("time=\"42\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(root_ / "doc.xml.tmp"));
}

TEST_F(XmlDocumentSave, FailureIsReportedAndKeepsTheOldFileAndTheUnsavedFlag) {
  XmlDocDirectory directory(root_);
  auto* document = directory.Add(std::make_unique<XmlDocument>());
  document->Parse(kGood);
  document->SetName(L"doc");
  ASSERT_TRUE(document->Save());
  document->SetProperty("time", L"1");
  // Something in the way of the temporary file makes the write fail even for a privileged user.
  std::filesystem::create_directory(root_ / "doc.xml.tmp");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't save file!", L"Warning!", true));
  EXPECT_FALSE(document->Save());
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_FALSE(document->IsSaved());
  EXPECT_EQ(ReadFile(root_ / "doc.xml"), kGood);
  EXPECT_EQ(document->SaveAs(root_ / "doc.xml"), kXmlCannotOpen);
  EXPECT_EQ(ReadFile(root_ / "doc.xml"), kGood);

  // A document saved before still reports the failure of a later write (its file may have gone).
  std::filesystem::remove(root_ / "doc.xml.tmp");
  ASSERT_TRUE(document->Save());
  std::filesystem::remove(root_ / "doc.xml");
  std::filesystem::create_directory(root_ / "doc.xml.tmp");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"));
  EXPECT_FALSE(document->Save());
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_FALSE(std::filesystem::exists(root_ / "doc.xml"));
}

TEST(XmlDocumentTree, CopiesAreUnsavedDuplicatesKeepTheClassAndNeitherSharesTheTree) {
  XmlFunction source;
  source.Parse(kGood);
  XmlFunction target;
  target.CopyFrom(source);
  EXPECT_EQ(target.ToText(), source.ToText());
  EXPECT_FALSE(target.IsSaved());
  EXPECT_TRUE(target.RemoveNode("root"));
  EXPECT_FALSE(target.RemoveNode("root"));
  EXPECT_TRUE(source.HasNode("root"));

  std::unique_ptr<XmlDocument> copy = source.Duplicate();
  ASSERT_NE(dynamic_cast<XmlFunction*>(copy.get()), nullptr);
  EXPECT_EQ(copy->ToText(), source.ToText());
  copy->SetProperty("name", L"changed");
  EXPECT_EQ(source.GetProperty("name"), L"a");
}

TEST_F(DocumentFolder, DeletionDropsUnwrittenDocumentsAndRemovesTheFilesOfWrittenOnes) {
  XmlDocDirectory directory(root_);
  for (const wchar_t* name : {L"one", L"two"}) {
    auto* document = directory.Add(std::make_unique<XmlDocument>());
    document->Parse("<root/>");
    document->SetName(name);
  }
  EXPECT_EQ(directory.GetAt(-1), nullptr);
  EXPECT_EQ(directory.GetAt(2), nullptr);
  ASSERT_TRUE(directory.GetAt(1)->Save());

  EXPECT_TRUE(directory.DeleteFile(0));
  EXPECT_EQ(directory.Count(), 1);
  EXPECT_TRUE(directory.DeleteFile(0));
  EXPECT_FALSE(std::filesystem::exists(root_ / "two.xml"));
  EXPECT_FALSE(directory.DeleteFile(0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_FALSE(directory.DeleteFile(-1));
}

TEST_F(DocumentFolder, DeleteFailsWhenTheFileCannotBeRemoved) {
  XmlDocDirectory directory(root_);
  auto* document = directory.Add(std::make_unique<XmlDocument>());
  document->Parse("<root/>");
  document->SetName(L"stuck");
  // A non-empty folder in the file's place cannot be removed as a file.
  std::filesystem::create_directories(root_ / "stuck.xml" / "inside");
  EXPECT_FALSE(directory.DeleteFile(0));
  EXPECT_EQ(directory.Count(), 1);
  EXPECT_NE(GetLastError(), 0u);
}

}  // namespace
}  // namespace Talvo
