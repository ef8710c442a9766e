// Files as they are found on disk: names in any script, damaged documents at start-up, reserved device
// names, and backups that survive a full disk.
#include <windows.h>
#include <win32/modal_responder.h>

#include <gtest/gtest.h>
#include <host/simulation.h>

#include <map>

#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using testing::FileSizeLimit;
using testing::ReadFile;
using testing::WriteFile;
using Backup = testing::ModelFolderTest;
using StartUp = testing::ModelFolderTest;

// Every file below a folder with its bytes (a link with its target), to show that nothing was written.
std::map<std::filesystem::path, std::string> FilesBelow(const std::filesystem::path& folder) {
  std::map<std::filesystem::path, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_symlink())
      files[entry.path()] = "-> " + std::filesystem::read_symlink(entry.path()).native();
    else if (entry.is_regular_file())
      files[entry.path()] = ReadFile(entry.path());
  }
  return files;
}

struct ScriptName {
  const char* label;
  std::string bytes;  // the name as the file system holds it
  bool validUtf8;
};

class NamesInAnyScript : public testing::ModelFolderTest, public ::testing::WithParamInterface<ScriptName> {};

// The data folder, a profile file in it and a saved document all carry the name.
TEST_P(NamesInAnyScript, LoadAndSaveOrAreNamedAndLeftOut) {
  const ScriptName& name = GetParam();
  const std::filesystem::path data = root_ / (name.bytes + " data");
  {
    Talvo first;
    ASSERT_TRUE(first.Load(data));
  }
  const std::filesystem::path profile = data / "Profiles" / (name.bytes + ".xml");
  std::filesystem::copy_file(data / "Profiles" / "DefaultProfile.xml", profile);

  Talvo root;
  ASSERT_TRUE(root.Load(data));
  const std::wstring listener = hostsim::ListenerText();
  if (!name.validUtf8) {
    EXPECT_EQ(root.GetProfiles()->Count(), 1);
    EXPECT_NE(listener.find(L"its name is not valid UTF-8"), std::wstring::npos) << listener;
    EXPECT_TRUE(std::filesystem::exists(profile));
    return;
  }
  ASSERT_EQ(root.GetProfiles()->Count(), 2);
  const std::wstring wide = Utf8ToWide(name.bytes);
  XmlDocument* loaded = root.GetProfiles()->GetAt(root.GetProfiles()->GetAt(0)->GetName() == wide ? 0 : 1);
  ASSERT_EQ(loaded->GetName(), wide);
  EXPECT_EQ(loaded->GetFilePath(), profile);
  loaded->SetName(wide + L" 2");
  ASSERT_TRUE(loaded->Save());
  EXPECT_TRUE(std::filesystem::exists(data / "Profiles" / (name.bytes + " 2.xml")));
  EXPECT_EQ(WideFromPath(loaded->GetFilePath().stem()), wide + L" 2");
}

INSTANTIATE_TEST_SUITE_P(Scripts, NamesInAnyScript,
                         ::testing::Values(ScriptName{"Accented", "Caf\xC3\xA9 pr\xC3\xB3\x66ile", true},
                                           ScriptName{"Cjk", "\xE5\x87\xBD\xE6\x95\xB0", true},
                                           ScriptName{"RightToLeft", "\xD7\xA4\xD7\xA8\xD7\x95\xD7\xA4", true},
                                           ScriptName{"InvalidUtf8", "bad\xFF\xFE", false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(StartUp, DamagedDocumentsAreNamedLeftOutAndNothingIsWritten) {
  const std::filesystem::path data = root_ / "data";
  {
    Talvo first;
    ASSERT_TRUE(first.Load(data));
    first.NewProfile()->SetName(L"Second");
    ASSERT_TRUE(first.GetProfiles()->SaveAll());
    first.SetCurrentProfile(1);
    ASSERT_TRUE(first.GetMainDocument()->Save());
  }
  const std::filesystem::path truncated = data / "Profiles" / "DefaultProfile.xml";
  const std::string whole = ReadFile(truncated);
  WriteFile(truncated, whole.substr(0, whole.size() / 2));
  WriteFile(data / "WheelEvents" / "Empty.xml", "");
  std::filesystem::create_symlink(data / "missing-target", data / "Profiles" / "Unreadable.xml");
  WriteFile(data / "TalvoOptions.xml", "");
  const auto before = FilesBelow(data);

  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"), winsim::Repeat::Always);
  {
    Talvo root;
    ASSERT_TRUE(root.Load(data));
    const std::wstring listener = hostsim::ListenerText();
    for (const wchar_t* file : {L"DefaultProfile.xml", L"Empty.xml", L"Unreadable.xml", L"TalvoOptions.xml"}) {
      EXPECT_NE(listener.find(file), std::wstring::npos) << file;
    }
    EXPECT_EQ(root.GetProfiles()->Count(), 1);
    EXPECT_EQ(root.GetCurrentProfile()->GetName(), L"Second");  // the stored index moved, in memory only
    EXPECT_TRUE(root.GetMainDocument()->IsSaved());
  }
  EXPECT_EQ(FilesBelow(data), before);
}

TEST(FileNames, ReservedDeviceNamesInAnyCaseAndWithAnyExtension) {
  struct Row {
    const wchar_t* name;
    bool reserved;
  };
  for (const Row row :
       {Row{L"CON", true}, Row{L"con.xml", true}, Row{L"Aux.tar.gz", true}, Row{L"nul", true}, Row{L"PRN.txt", true},
        Row{L"COM1", true}, Row{L"lpt9.xml", true}, Row{L"CON .xml", true}, Row{L"COM0", false}, Row{L"COM10", false},
        Row{L"LPT", false}, Row{L"CONSOLE", false}, Row{L"Icon", false}, Row{L"", false}}) {
    EXPECT_EQ(IsReservedDeviceName(row.name), row.reserved) << WideToUtf8(row.name);
  }
}

TEST_F(Backup, AFullDiskDuringTheBackupKeepsTheOldBackupWhole) {
  XmlDocDirectory directory(root_);
  auto* document = directory.Add(std::make_unique<XmlDocument>());
  ASSERT_EQ(document->Parse("<root/>"), kXmlOk);
  document->SetName(L"doc");
  ASSERT_TRUE(document->Save());
  const std::string small = ReadFile(root_ / "doc.xml");
  document->SetProperty("name", std::wstring(8000, L'x'));
  ASSERT_TRUE(document->Save());
  const std::string current = ReadFile(root_ / "doc.xml");
  const std::string backupBefore = ReadFile(root_ / "doc.xml.bak");
  ASSERT_EQ(backupBefore, small);

  // The new document is small, but the backup copy of the large current file does not fit.
  document->SetProperty("name", L"small");
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't save file!"));
  {
    const FileSizeLimit limit(4096);
    EXPECT_FALSE(document->Save());
  }
  EXPECT_EQ(ReadFile(root_ / "doc.xml.bak"), backupBefore);
  EXPECT_EQ(ReadFile(root_ / "doc.xml"), current);
  for (const char* leftover : {"doc.xml.tmp", "doc.xml.bak.tmp"})
    EXPECT_FALSE(std::filesystem::exists(root_ / leftover));
}

}  // namespace
}  // namespace Talvo
