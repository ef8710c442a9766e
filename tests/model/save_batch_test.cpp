// Saving several documents as one action: files put in place together, each still whole or not at all.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>

#include <memory>

#include "model/save_batch.h"
#include "model/xml_doc_directory.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::FileSizeLimit;
using testing::ReadFile;

class SaveBatchTest : public testing::ModelFolderTest {
 protected:
  void SetUp() override {
    ModelFolderTest::SetUp();
    folder_ = std::make_unique<XmlDocDirectory>(root_);
  }

  // A document "<name>" holding <root v="<value>"/>, saved once before the batch.
  XmlDocument* SavedDocument(const std::wstring& name, const std::string& value) {
    XmlDocument* document = folder_->Add(std::make_unique<XmlDocument>());
    EXPECT_EQ(document->Parse(Text(value)), kXmlOk);
    document->SetName(name);
    EXPECT_TRUE(document->Save());
    return document;
  }

  static std::string Text(const std::string& value) { return "<root v=\"" + value + "\"/>"; }
  static void Change(XmlDocument& document, const std::string& value) {
    document.SetAttribute(document.GetNode("root"), "v", value);
    document.Changed();
  }
  // The value a file of the folder holds.
  std::string Value(const char* file) const {
    XmlDocument document;
    if (document.Parse(ReadFile(root_ / file)) != kXmlOk) return "unreadable";
    return XmlDocument::Attribute(document.GetNode("root"), "v");
  }
  void ExpectNoTemporaryFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(root_)) {
      EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
  }

  std::unique_ptr<XmlDocDirectory> folder_;
};

TEST_F(SaveBatchTest, FilesReplaceTheOldOnesOnlyAtTheCommitWithTheirBackups) {
  XmlDocument* a = SavedDocument(L"a", "a1");
  XmlDocument* b = SavedDocument(L"b", "b1");
  {
    SaveBatch batch;
    Change(*a, "a2");
    ASSERT_TRUE(a->Save());
    Change(*b, "b2");
    ASSERT_TRUE(b->Save());
    Change(*b, "b3");  // saved twice: the file takes the last, the backup keeps what was there before
    ASSERT_TRUE(b->Save());
    EXPECT_TRUE(a->IsSaved());
    EXPECT_EQ(Value("a.xml"), "a1");
    EXPECT_EQ(Value("b.xml"), "b1");
    batch.Commit();
    EXPECT_EQ(Value("a.xml"), "a2");
    EXPECT_EQ(Value("b.xml"), "b3");
    EXPECT_EQ(Value("a.xml.bak"), "a1");
    EXPECT_EQ(Value("b.xml.bak"), "b1");
    Change(*a, "a3");
    ASSERT_TRUE(a->Save());
  }  // the end of the batch commits what came after the commit
  EXPECT_EQ(Value("a.xml"), "a3");
  EXPECT_EQ(Value("a.xml.bak"), "a2");
  EXPECT_TRUE(a->IsSaved() && b->IsSaved());
  ExpectNoTemporaryFiles();
}

TEST_F(SaveBatchTest, AWriteThatFailsKeepsTheOldFileAndBackupAndTheOthersAreSaved) {
  XmlDocument* big = SavedDocument(L"big", "small");
  Change(*big, std::string(8000, 'x'));
  ASSERT_TRUE(big->Save());  // the file is large now, its backup small
  const std::string file = ReadFile(root_ / "big.xml");
  const std::string backup = ReadFile(root_ / "big.xml.bak");
  XmlDocument* other = SavedDocument(L"other", "o1");

  SaveBatch batch;
  Change(*other, "o2");
  ASSERT_TRUE(other->Save());
  Change(*big, "next");
  // The backup copy of the large current file does not fit under a small file-size limit.
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"));
  {
    const FileSizeLimit limit(4096);
    EXPECT_FALSE(big->Save());
  }
  batch.Commit();
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_FALSE(big->IsSaved());
  EXPECT_EQ(ReadFile(root_ / "big.xml"), file);
  EXPECT_EQ(ReadFile(root_ / "big.xml.bak"), backup);
  EXPECT_EQ(Value("other.xml"), "o2");
  ExpectNoTemporaryFiles();
}

TEST_F(SaveBatchTest, AFileThatCannotBePutInPlaceLeavesItsDocumentUnsavedAndSaysSo) {
  XmlDocument* blocked = SavedDocument(L"blocked", "1");
  XmlDocument* gone = SavedDocument(L"gone", "1");
  XmlDocument* kept = SavedDocument(L"kept", "1");
  SaveBatch batch;
  for (XmlDocument* document : {blocked, gone, kept}) {
    Change(*document, "2");
    ASSERT_TRUE(document->Save());
  }
  // Folders now stand where two of the files go: their renames fail at the commit.
  for (const char* name : {"blocked.xml", "gone.xml"}) {
    std::filesystem::remove(root_ / name);
    std::filesystem::create_directory(root_ / name);
  }
  folder_->Release(folder_->IndexOf(gone)).reset();  // a document that goes away before the commit is not told about it
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"));
  batch.Commit();
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_FALSE(blocked->IsSaved());
  EXPECT_TRUE(std::filesystem::is_directory(root_ / "blocked.xml"));
  EXPECT_TRUE(kept->IsSaved());
  EXPECT_EQ(Value("kept.xml"), "2");
  ExpectNoTemporaryFiles();
}

}  // namespace
}  // namespace Talvo
