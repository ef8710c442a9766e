// The data of archive entries as the reader takes it from the archive's bytes: stored and deflated
// entries, their checksum, and data that is cut, damaged or declared to run past the archive's end.
#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/crc32.h"
#include "profile_transfer_fixture.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

constexpr std::uint32_t kCentralRecord = 0x02014b50;
constexpr std::uint32_t kLocalRecord = 0x04034b50;

TEST(Crc32, EqualsZlibForEveryLengthAlignmentAndContinuation) {
  std::string bytes(5000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7919u) ^ (i >> 5));
  for (std::size_t offset : {0u, 3u}) {
    for (std::size_t size = 0; size + offset <= bytes.size(); size += size < 300 ? 1 : 997) {
      const std::string_view part(bytes.data() + offset, size);
      for (std::uint32_t start : {0u, 0xFFFFFFFFu, 0x1234567u}) {
        const auto expected = static_cast<std::uint32_t>(crc32_z(start, reinterpret_cast<const Bytef*>(part.data()), size));
        ASSERT_EQ(Crc32(start, part), expected) << "size " << size << ", offset " << offset << ", start " << start;
      }
    }
  }
  const std::string_view whole(bytes);
  EXPECT_EQ(Crc32(Crc32(0, whole.substr(0, 1234)), whole.substr(1234)), Crc32(0, whole));
}

class ZipEntryData : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    std::filesystem::create_directories(root_);
    path_ = root_ / "a.zip";
  }

  // An archive whose entries are stored as they are (no compression).
  void WriteStored(const std::vector<std::pair<const char*, std::string>>& entries) {
    zipFile zip = zipOpen(path_.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : entries) {
      zip_fileinfo info{};
      ASSERT_EQ(zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, 0, 0), ZIP_OK);
      ASSERT_EQ(zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())), ZIP_OK);
      ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
  }

  // Patches a field in the central directory and in the local header.
  void PatchBoth(std::size_t centralOffset, std::size_t localOffset, std::uint32_t value) {
    PatchZipRecords(path_, kCentralRecord, centralOffset, value, 4);
    PatchZipRecords(path_, kLocalRecord, localOffset, value, 4);
  }

  // Reads the archive, expecting it refused with `message` in the reason.
  void ExpectRefused(const wchar_t* message, const char* what) {
    ZipArchiveReader reader;
    EXPECT_EQ(reader.Read(path_), ZipArchiveReader::Status::Refused) << what;
    EXPECT_NE(reader.Error().find(message), std::wstring::npos) << what << ": " << ::testing::PrintToString(reader.Error());
    EXPECT_TRUE(reader.Entries().empty()) << what;
  }

  std::filesystem::path path_;
};

TEST_F(ZipEntryData, StoredEntriesComeBackWholeBesideDeflatedOnes) {
  const std::string text(5000, 'y');
  WriteStored({{"a.xml", text}, {"empty", ""}, {"b.xml", "<b/>"}});
  ZipArchiveReader reader;
  ASSERT_EQ(reader.Read(path_), ZipArchiveReader::Status::Ok) << ::testing::PrintToString(reader.Error());
  ASSERT_EQ(reader.Entries().size(), 3u);
  EXPECT_EQ(reader.Entries()[0].bytes, text);
  EXPECT_EQ(reader.Entries()[1].bytes, "");
  EXPECT_EQ(reader.Entries()[2].bytes, "<b/>");

  WriteZip(path_, {{L"a.xml", text}, {L"b.xml", std::string(3000, 'z')}, {L"c.xml", text}});
  ASSERT_EQ(reader.Read(path_), ZipArchiveReader::Status::Ok) << ::testing::PrintToString(reader.Error());
  ASSERT_EQ(reader.Entries().size(), 3u);
  EXPECT_EQ(reader.Entries()[1].bytes, std::string(3000, 'z'));
  EXPECT_EQ(reader.Entries()[2].bytes, text);
}

TEST_F(ZipEntryData, DataThatIsCutDamagedOrRunsPastTheArchiveIsRefused) {
  const std::string text(5000, 'y');
  WriteStored({{"a.xml", text}});
  PatchBoth(20, 18, 4000);  // the stored data declared shorter than the entry
  ExpectRefused(L"not as large as it declares", "stored, cut");

  WriteStored({{"a.xml", text}});
  std::string bytes = ReadBytes(path_);
  bytes[bytes.find("yyyy") + 100] = 'x';
  WriteBytes(path_, bytes);
  ExpectRefused(L"checksum mismatch", "stored, one byte changed");

  for (const bool stored : {true, false}) {
    if (stored) {
      WriteStored({{"a.xml", text}});
    } else {
      WriteZip(path_, {{L"a.xml", text}});
    }
    PatchBoth(20, 18, 0x7FFFFFF0u);  // the data would run far past the archive's end
    ExpectRefused(L"not as large as it declares", stored ? "stored, past the end" : "deflated, past the end");
  }

  WriteZip(path_, {{L"a.xml", text}});
  bytes = ReadBytes(path_);
  const auto field = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8; };
  const std::size_t data = 30 + field(26) + field(28);  // after the first local header, its name and extra field
  for (std::size_t i = data; i < data + 8; ++i) bytes[i] = '\xFF';
  WriteBytes(path_, bytes);
  ExpectRefused(L"damaged", "deflated, damaged");
}

}  // namespace
}  // namespace Talvo::testing
