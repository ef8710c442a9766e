#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "profile_transfer_fixture.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

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
    EXPECT_FALSE(writer.AddFile(L"y.xml", folder_ / "missing.xml"));
    EXPECT_FALSE(writer.Close());
  }
  EXPECT_EQ(ReadBytes(folder_ / "a.zip"), "old");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "a.zip.tmp"));

  ZipArchiveWriter unwritable;
  EXPECT_FALSE(unwritable.Create(folder_ / "no-such-folder" / "a.zip"));
}

TEST_F(ZipArchiveTest, NamesThatCouldLeaveAFolderRefuseTheWholeArchive) {
  for (const std::wstring name : {L"../evil.xml", L"a/../../evil.xml", L"..", L"/etc/evil.xml", L"C:evil.xml",
                                  L"sub\\evil.xml", L"bad\x01name.xml", L"", L"CON", L"sub/nul.txt", L"Com3.XML",
                                  L"lpt1.xml"}) {
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

TEST_F(ZipArchiveTest, SizesThatLieOrExceedTheLimitsAreRefused) {
  constexpr std::uint32_t kCentral = 0x02014b50, kLocal = 0x04034b50;
  const std::string data(5000, 'y');
  // Declared larger than the data (central directory offset 24, local header offset 22).
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 24, 6000, 4);
  PatchZipRecords(folder_ / "a.zip", kLocal, 22, 6000, 4);
  ZipArchiveReader reader;
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);

  // Declared smaller: the data is cut and fails its checksum.
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 24, 100, 4);
  PatchZipRecords(folder_ / "a.zip", kLocal, 22, 100, 4);
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);

  // A huge declared size is refused before anything is allocated.
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 24, 0xFFFFFFF0u, 4);
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);
  EXPECT_NE(reader.Error().find(L"too large"), std::wstring::npos);

  // Damaged data, encryption and unknown compression.
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 16, 0x12345678u, 4);  // the checksum
  PatchZipRecords(folder_ / "a.zip", kLocal, 14, 0x12345678u, 4);
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 8, 0x0801, 2);
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);
  EXPECT_NE(reader.Error().find(L"password"), std::wstring::npos);
  WriteZip(folder_ / "a.zip", {{L"f.xml", data}});
  PatchZipRecords(folder_ / "a.zip", kCentral, 10, 99, 2);
  EXPECT_EQ(ReadBack(reader), ZipArchiveReader::Status::Refused);

  // The limits on entries, one entry and the whole content.
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
