// Files read ahead on a thread of their own come back in list order with their CRC-32, unreadable ones
// failing in their place.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/file_read_ahead.h"
#include "editor_test_helpers.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

class FileReadAheadTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    std::filesystem::create_directories(root_);
  }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    WriteBytes(root_ / name, bytes);
    return root_ / name;
  }
};

TEST_F(FileReadAheadTest, FilesComeInOrderAndAnUnreadableOneFailsInItsPlace) {
  FileReadAhead reader({Write("a", "first"), root_ / "missing", Write("b", std::string(100000, 'b')), root_,
                        Write("empty", "")});
  const std::vector<std::string> expected{"first", "", std::string(100000, 'b'), "", ""};
  const std::vector<bool> readable{true, false, true, false, true};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    FileBytes bytes;
    std::uint32_t crc32 = 0;
    EXPECT_EQ(reader.Next(bytes, crc32), readable[i]) << i;
    if (readable[i]) {
      EXPECT_EQ(bytes.View(), expected[i]) << i;
      EXPECT_EQ(crc32, crc32_z(0, reinterpret_cast<const Bytef*>(expected[i].data()), expected[i].size())) << i;
    }
  }
  FileBytes after;
  std::uint32_t crc32 = 0;
  EXPECT_FALSE(reader.Next(after, crc32));  // the list is done
}

// Leaving before the end (an archive abandoned on the way) stops the reading.
TEST_F(FileReadAheadTest, EndsWhenLeftBeforeTheLastFile) {
  std::vector<std::filesystem::path> files(500, Write("f", "x"));
  FileReadAhead reader(files);
  FileBytes bytes;
  std::uint32_t crc32 = 0;
  ASSERT_TRUE(reader.Next(bytes, crc32));
  EXPECT_EQ(bytes.View(), "x");
}

}  // namespace
}  // namespace Talvo::testing
