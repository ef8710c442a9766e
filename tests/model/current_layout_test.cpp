// Which layout is current: the one the current profile names, or the main document's without a profile;
// and a document folder's deletion that the system refuses keeps the document and the system's reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "model/talvo.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

class CurrentLayoutTest : public testing::ModelFolderTest {
 protected:
  void SetUp() override {
    ModelFolderTest::SetUp();
    ASSERT_TRUE(root.Load(root_));
    root.GetMainDocument()->SetSelectedLayout(L"US-ANSI");
  }
  std::wstring CurrentName() const {
    const XmlKeyboard* layout = root.GetCurrentKeyboard();
    return layout != nullptr ? layout->GetName() : L"<none>";
  }
  Talvo root;
};

TEST_F(CurrentLayoutTest, IsTheProfilesLayoutElseTheMainDocumentsWithoutAProfile) {
  root.GetCurrentProfile()->SetLayout(L"US-ISO");
  EXPECT_EQ(CurrentName(), L"US-ISO");

  // A profile whose layout is gone has none: its key numbers belong to no other layout.
  root.GetCurrentProfile()->SetLayout(L"Gone");
  EXPECT_EQ(CurrentName(), L"<none>");
  EXPECT_EQ(root.GetCurrentKeyboardIndex(), -1);

  while (root.GetProfiles()->Count() > 0) ASSERT_TRUE(root.DeleteCurrentProfile());
  ASSERT_EQ(root.GetCurrentProfile(), nullptr);
  EXPECT_EQ(CurrentName(), L"US-ANSI");
  root.GetMainDocument()->SetSelectedLayout(L"Gone");
  EXPECT_EQ(CurrentName(), L"<none>");
}

using DocumentFolderDeletion = testing::ModelFolderTest;

// The platform refuses to delete a read-only file or a folder as a file; either way the document stays.
TEST_F(DocumentFolderDeletion, ARefusedDeletionKeepsTheDocumentAndTheSystemsReason) {
  for (bool folder : {false, true}) {
    XmlDocDirectory directory(root_);
    auto* document = directory.Add(std::make_unique<XmlDocument>());
    document->Parse("<root/>");
    document->SetName(folder ? L"folder" : L"locked");
    const std::filesystem::path file = root_ / (folder ? "folder.xml" : "locked.xml");
    if (folder) {
      std::filesystem::create_directory(file);
    } else {
      ASSERT_TRUE(document->Save());
      std::filesystem::permissions(file, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                             std::filesystem::perms::others_write,
                                   std::filesystem::perm_options::remove);
    }
    SetLastError(0);
    EXPECT_FALSE(directory.DeleteFile(0)) << folder;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << folder;
    EXPECT_EQ(directory.Count(), 1) << folder;
    EXPECT_TRUE(std::filesystem::exists(file)) << folder;
    std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  }
}

}  // namespace
}  // namespace Talvo
