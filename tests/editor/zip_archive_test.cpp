#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "profile_transfer_fixture.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

constexpr std::uint32_t kCentralRecord = 0x02014b50;
constexpr std::uint32_t kLocalRecord = 0x04034b50;

class ZipArchiveTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    folder_ = root_ / "zips";
    std::filesystem::create_directories(folder_);
  }

  ZipArchiveReader::Status ReadBack(ZipArchiveReader& reader) { return reader.Read(folder_ / "a.zip"); }

  std::filesystem::path folder_;
};

TEST_F(ZipArchiveTest, EntriesComeBackInOrderWithTheirBytesAndUtf8Names) {
  const std::string big(300000, 'x');
  WriteZip(folder_ / "a.zip", {{L"Main.xml", "<a/>"}, {L"Größe.xml", big}, {L"Main.xml", "<a/>"}, {L"empty", ""}});
  EXPECT_FALSE(std::filesystem::exists(folder_ / "a.zip.tmp"));
  ZipArchiveReader reader;
  ASSERT_EQ(ReadBack(reader), ZipArchiveReader::Status::Ok);
  ASSERT_EQ(reader.Entries().size(), 4u);
  EXPECT_EQ(reader.Entries()[1].name, L"Größe.xml");
  EXPECT_EQ(reader.Entries()[1].bytes, big);
  EXPECT_EQ(reader.Entries()[2].name, L"Main.xml");
  EXPECT_EQ(reader.Entries()[3].bytes, "");
}

TEST_F(ZipArchiveTest, AFailedOrAbandonedArchiveLeavesThePreviousFileAlone) {
  WriteBytes(folder_ / "a.zip", "old");
  {
    ZipArchiveWriter writer;
    ASSERT_TRUE(writer.Create(folder_ / "a.zip"));
    ASSERT_TRUE(writer.AddEntry(L"x.xml", "<x/>"));
    EXPECT_FALSE(writer.AddFiles({{L"y.xml", folder_ / "missing.xml"}}));
    EXPECT_FALSE(writer.Close());
  }
  EXPECT_EQ(ReadBytes(folder_ / "a.zip"), "old");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "a.zip.tmp"));

  ZipArchiveWriter unwritable;
  EXPECT_FALSE(unwritable.Create(folder_ / "no-such-folder" / "a.zip"));
}

TEST_F(ZipArchiveTest, NamesThatCouldLeaveAFolderRefuseTheWholeArchive) {
  for (const std::wstring name :
       {L"../evil.xml", L"a/../../evil.xml", L"..", L"/etc/evil.xml", L"C:evil.xml", L"sub\\evil.xml",
        L"bad\x01name.xml", L"", L"CON", L"sub/nul.txt", L"Com3.XML", L"sub/LPT1.backup.xml"}) {
    WriteZip(folder_ / "a.zip", {{L"good.xml", "<a/>"}, {name, "<b/>"}});
    ZipArchiveReader reader;
    EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused) << ::testing::PrintToString(name);
    EXPECT_TRUE(reader.Entries().empty());
    EXPECT_FALSE(reader.Error().empty());
  }
  // Dots inside names and plain sub-folders are harmless; folder entries are left out.
  WriteZip(folder_ / "a.zip", {{L"..Main..xml", "<a/>"}, {L"sub/", ""}, {L"sub/f.xml", "<b/>"}});
  ZipArchiveReader reader;
  ASSERT_EQ(ReadBack(reader), ZipArchiveReader::Status::Ok) << ::testing::PrintToString(reader.Error());
  ASSERT_EQ(reader.Entries().size(), 2u);
  EXPECT_EQ(reader.Entries()[1].name, L"sub/f.xml");
}

// A field patched in the central directory (and, where the offset is given, in the local header).
struct Damage {
  const char* what;
  std::size_t centralOffset;
  std::size_t localOffset;  // 0: the local header keeps its field
  std::uint32_t value;
  int width;
  const wchar_t* message;  // a part of the reader's error
};

TEST_F(ZipArchiveTest, SizesThatLieDamagedDataAndUnknownFormatsAreRefused) {
  const Damage damages[] = {
      {"declared larger than the data", 24, 22, 6000, 4, L""},
      {"declared smaller: the data is cut and fails its checksum", 24, 22, 100, 4, L""},
      {"a huge size, refused before anything is allocated", 24, 0, 0xFFFFFFF0u, 4, L"too large"},
      {"a wrong checksum", 16, 14, 0x12345678u, 4, L""},
      {"encrypted", 8, 0, 0x0801, 2, L"password"},
      {"an unknown compression", 10, 0, 99, 2, L""},
  };
  for (const Damage& damage : damages) {
    WriteZip(folder_ / "a.zip", {{L"f.xml", std::string(5000, 'y')}});
    PatchZipRecords(folder_ / "a.zip", kCentralRecord, damage.centralOffset, damage.value, damage.width);
    if (damage.localOffset != 0) {
      PatchZipRecords(folder_ / "a.zip", kLocalRecord, damage.localOffset, damage.value, damage.width);
    }
    ZipArchiveReader reader;
    EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused) << damage.what;
    EXPECT_FALSE(reader.Error().empty()) << damage.what;
    EXPECT_NE(reader.Error().find(damage.message), std::wstring::npos) << damage.what;
  }
}

TEST_F(ZipArchiveTest, EntriesAndSizesBeyondTheLimitsAreRefused) {
  const std::string data(5000, 'y');
  WriteZip(folder_ / "a.zip", {{L"a.xml", data}, {L"b.xml", data}, {L"c.xml", data}});
  ZipArchiveReader fewEntries(ZipLimits{2, 1u << 20, 1u << 20});
  EXPECT_EQ(fewEntries.Read(folder_ / "a.zip"), ZipArchiveReader::Status::Refused);
  ZipArchiveReader smallEntries(ZipLimits{10, 4000, 1u << 20});
  EXPECT_EQ(smallEntries.Read(folder_ / "a.zip"), ZipArchiveReader::Status::Refused);
  ZipArchiveReader smallTotal(ZipLimits{10, 1u << 20, 12000});
  EXPECT_EQ(smallTotal.Read(folder_ / "a.zip"), ZipArchiveReader::Status::Refused);
  ZipArchiveReader enough(ZipLimits{3, 5000, 15000});
  EXPECT_EQ(enough.Read(folder_ / "a.zip"), ZipArchiveReader::Status::Ok);
}

TEST_F(ZipArchiveTest, FilesThatAreNoArchiveCannotBeOpened) {
  ZipArchiveReader reader;
  EXPECT_EQ(reader.Read(folder_ / "missing.zip"), ZipArchiveReader::Status::CannotOpen);
  WriteBytes(folder_ / "a.zip", "<?xml version=\"1.0\"?><talvoprofile/>");
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::CannotOpen);
  std::string cut = [&] {
    WriteZip(folder_ / "a.zip", {{L"f.xml", std::string(4000, 'z')}});
    return ReadBytes(folder_ / "a.zip");
  }();
  WriteBytes(folder_ / "a.zip", cut.substr(0, cut.size() / 2));
  EXPECT_NE(ReadBack(reader), ZipArchiveReader::Status::Ok);
}

}  // namespace
}  // namespace Talvo::testing
