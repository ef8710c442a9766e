// Which entries of a folder a load takes as documents, in which order and under which names, and how the
// files of an opened folder are read.
#include <sys/stat.h>
#include <windows.h>
#include <win32/modal_responder.h>

#include <host/listener.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/whole_file.h"
#include "model/xml_doc_directory.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

using FolderLoading = testing::ModelFolderTest;

std::string Document(const std::string& name) { return "<properties name=\"" + name + "\"/>\n<doc/>\n"; }

std::vector<std::wstring> LoadedNames(XmlDocDirectory& folder) {
  std::vector<std::wstring> names;
  for (int i = 0; i < folder.Count(); ++i) names.push_back(folder.GetAt(i)->GetName());
  return names;
}

TEST_F(FolderLoading, DocumentsAreTheXmlFilesAndLinksToThemInByteOrder) {
  const std::filesystem::path folder = root_ / "Docs";
  std::filesystem::create_directories(folder / "sub.xml");  // a folder, whatever its name
  std::filesystem::create_directories(root_ / "elsewhere.xml");
  std::filesystem::create_directory_symlink(root_ / "elsewhere.xml", folder / "linked folder.xml");
  for (const char* name : {"b.xml", "a.xml", "\xC3\xA9t\xC3\xA9.xml", "B2.xml", "..xml", "notes.txt", "upper.XML",
                           ".xml", "a.xml.bak"}) {
    testing::WriteFile(folder / name, Document(name));
  }
  testing::WriteFile(root_ / "outside.xml", Document("outside"));
  std::filesystem::create_symlink(root_ / "outside.xml", folder / "link.xml");

  XmlDocDirectory documents(folder);
  EXPECT_EQ(documents.LoadAll(), 6);
  EXPECT_EQ(LoadedNames(documents), (std::vector<std::wstring>{L".", L"B2", L"a", L"b", L"link", L"\u00e9t\u00e9"}));
  EXPECT_EQ(documents.GetAt(4)->GetProperty("name"), L"outside");
  EXPECT_EQ(hostsim::ListenerText(), L"");
}

TEST_F(FolderLoading, EntriesThatCannotBeReadAreNamedAndTheRestLoads) {
  const std::filesystem::path folder = root_ / "Docs";
  std::filesystem::create_directories(folder);
  testing::WriteFile(folder / "good.xml", Document("good"));
  testing::WriteFile(folder / "empty.xml", "");
  std::filesystem::create_symlink(root_ / "missing.xml", folder / "dangling.xml");
  ASSERT_EQ(::mkfifo((folder / "pipe.xml").c_str(), 0600), 0);

  XmlDocDirectory documents(folder);
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"empty.xml"));
  EXPECT_EQ(documents.LoadAll(), 1);  // without waiting for a writer of the pipe
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(LoadedNames(documents), std::vector<std::wstring>{L"good"});
  const std::wstring listener = hostsim::ListenerText();
  for (const wchar_t* expected : {L"dangling.xml\": it cannot be read", L"pipe.xml\": it cannot be read",
                                  L"empty.xml\": it is empty, damaged or not XML"}) {
    EXPECT_NE(listener.find(expected), std::wstring::npos) << expected << "\n" << listener;
  }
}

TEST_F(FolderLoading, AMissingFolderOrAFileInItsPlaceLoadsNothing) {
  testing::WriteFile(root_ / "file", Document("file"));
  for (const std::filesystem::path& path : {root_ / "missing", root_ / "file", std::filesystem::path()}) {
    XmlDocDirectory documents(path);
    EXPECT_EQ(documents.LoadAll(), 0) << path;
  }
}

TEST_F(FolderLoading, AnOpenedFolderReadsItsFilesWholeByName) {
  const std::string big(100000, 'x');
  testing::WriteFile(root_ / "big", big);
  std::filesystem::create_directories(root_ / "sub");
  FolderFiles folder(root_);
  ASSERT_TRUE(folder.IsOpen());
  FileBytes bytes;
  ASSERT_TRUE(folder.Read("big", bytes));
  EXPECT_EQ(bytes.View(), big);
  EXPECT_EQ(bytes.data[bytes.size], '\0');
  EXPECT_FALSE(folder.Read("sub", bytes));
  EXPECT_FALSE(folder.Read("missing", bytes));
  EXPECT_EQ(bytes.View(), big);  // a failed read leaves the bytes as they were
  EXPECT_FALSE(FolderFiles(root_ / "big").IsOpen());
}

}  // namespace
}  // namespace Talvo
