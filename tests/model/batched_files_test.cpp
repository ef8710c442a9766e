// What a save finds beside its file (a stale temporary file) and a batch over several folders, whose
// files are flushed by file system and put in place folder by folder.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>

#include <memory>

#include "model/save_batch.h"
#include "model/xml_doc_directory.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class BatchedFiles : public testing::ModelFolderTest {
 protected:
  // A new document "<name>" of `folder` holding <root v="<value>"/>.
  static XmlDocument* NewDocument(XmlDocDirectory& folder, const std::wstring& name, const std::string& value) {
    XmlDocument* document = folder.Add(std::make_unique<XmlDocument>());
    EXPECT_EQ(document->Parse("<root v=\"" + value + "\"/>"), kXmlOk);
    document->SetName(name);
    return document;
  }
  static bool Holds(const std::filesystem::path& file, const std::string& value) {
    return ReadFile(file).find("v=\"" + value + "\"") != std::string::npos;
  }
};

// A temporary file an earlier crash left behind is written over, alone and in a batch.
TEST_F(BatchedFiles, AStaleTemporaryFileIsReplaced) {
  XmlDocDirectory folder(root_);
  XmlDocument* alone = NewDocument(folder, L"alone", "1");
  XmlDocument* batched = NewDocument(folder, L"batched", "1");
  WriteFile(root_ / "alone.xml.tmp", "left by a crash");
  WriteFile(root_ / "batched.xml.tmp", "left by a crash");
  ASSERT_TRUE(alone->Save());
  {
    SaveBatch batch;
    ASSERT_TRUE(batched->Save());
  }
  EXPECT_TRUE(Holds(root_ / "alone.xml", "1"));
  EXPECT_TRUE(Holds(root_ / "batched.xml", "1"));
  EXPECT_TRUE(batched->IsSaved());
  EXPECT_FALSE(std::filesystem::exists(root_ / "alone.xml.tmp"));
  EXPECT_FALSE(std::filesystem::exists(root_ / "batched.xml.tmp"));
}

TEST_F(BatchedFiles, FilesOfSeveralFoldersAreAllPutInPlace) {
  std::filesystem::create_directories(root_ / "one");
  std::filesystem::create_directories(root_ / "two");
  XmlDocDirectory one(root_ / "one");
  XmlDocDirectory two(root_ / "two");
  std::vector<XmlDocument*> documents{NewDocument(one, L"a", "1"), NewDocument(one, L"b", "1"),
                                      NewDocument(two, L"c", "1")};
  {
    SaveBatch batch;
    for (XmlDocument* document : documents) ASSERT_TRUE(document->Save());
    EXPECT_FALSE(std::filesystem::exists(root_ / "one" / "a.xml"));
  }
  for (const char* file : {"one/a.xml", "one/b.xml", "two/c.xml"}) EXPECT_TRUE(Holds(root_ / file, "1")) << file;
  for (XmlDocument* document : documents) EXPECT_TRUE(document->IsSaved());
}

// A written file that disappears before the commit fails its own document only.
TEST_F(BatchedFiles, AWrittenFileThatIsGoneFailsOnlyItsDocument) {
  XmlDocDirectory folder(root_);
  XmlDocument* gone = NewDocument(folder, L"gone", "1");
  XmlDocument* kept = NewDocument(folder, L"kept", "1");
  SaveBatch batch;
  ASSERT_TRUE(gone->Save());
  ASSERT_TRUE(kept->Save());
  std::filesystem::remove(root_ / "gone.xml.tmp");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"));
  batch.Commit();
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_FALSE(gone->IsSaved());
  EXPECT_FALSE(std::filesystem::exists(root_ / "gone.xml"));
  EXPECT_TRUE(kept->IsSaved());
  EXPECT_TRUE(Holds(root_ / "kept.xml", "1"));
}

}  // namespace
}  // namespace Talvo
