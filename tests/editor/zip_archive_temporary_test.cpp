// An archive is built in a file of the program's own: files of the user beside the chosen name, whatever
// they are called, are never touched, and nothing is left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "profile_transfer_fixture.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

class ZipArchiveTemporaryTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    folder_ = root_ / "zips";
    std::filesystem::create_directories(folder_);
    for (const char* name : {"a.zip.tmp", "a.tmp", "a.zip.part"}) WriteBytes(folder_ / name, "the user's own");
  }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) names.insert(entry.path().filename());
    return names;
  }
  void ExpectTheUsersFilesAsTheyWere() const {
    for (const char* name : {"a.zip.tmp", "a.tmp", "a.zip.part"}) EXPECT_EQ(ReadBytes(folder_ / name), "the user's own");
  }

  std::filesystem::path folder_;
};

TEST_F(ZipArchiveTemporaryTest, AWrittenArchiveLeavesTheUsersFilesAndNoTemporaryFile) {
  WriteZip(folder_ / "a.zip", {{L"Main.xml", "<a/>"}});
  ExpectTheUsersFilesAsTheyWere();
  EXPECT_EQ(Files(), (std::set<std::string>{"a.zip", "a.zip.tmp", "a.tmp", "a.zip.part"}));
}

TEST_F(ZipArchiveTemporaryTest, AnAbandonedArchiveLeavesTheUsersFilesAndNoTemporaryFile) {
  {
    ZipArchiveWriter writer;
    ASSERT_TRUE(writer.Create(folder_ / "a.zip"));
    ASSERT_TRUE(writer.AddEntry(L"x.xml", "<x/>"));
    EXPECT_EQ(Files().size(), 4u);  // the archive in the making is a file of its own
  }
  ExpectTheUsersFilesAsTheyWere();
  EXPECT_EQ(Files(), (std::set<std::string>{"a.zip.tmp", "a.tmp", "a.zip.part"}));
}

}  // namespace
}  // namespace Talvo::testing
