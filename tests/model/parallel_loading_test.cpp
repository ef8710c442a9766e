// Loading a folder whose files are read and checked on several threads gives what loading them one by
// one gives: the same documents, and the same warnings and listener lines in the same order.
#include <windows.h>
#include <win32/modal_responder.h>

#include <host/listener.h>
#include <host/simulation.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/parallel_for.h"
#include "model/text.h"
#include "model/xml_doc_directory.h"
#include "model/xml_wheel_events.h"
#include "model_test_support.h"

namespace Talvo {
namespace {

// What a load leaves behind: every loaded document whole, the listener's text and the message boxes.
struct LoadOutcome {
  int loaded = 0;
  std::vector<std::wstring> documents;
  std::wstring listener;
  std::vector<std::wstring> boxes;
  bool operator==(const LoadOutcome&) const = default;
};

class ParallelLoading : public testing::ModelFolderTest {
 protected:
  void TearDown() override {
    SetParallelThreadLimit(0);
    testing::ModelFolderTest::TearDown();
  }

  // Files of every sort, enough of them to be spread over several threads.
  void WriteMixedFolder(const std::filesystem::path& folder, const std::string& good) {
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 60; ++i) {
      std::string number = std::to_string(i);
      if (i < 10) number.insert(0, 1, '0');
      std::string text = good;
      if (i % 6 == 1) text = "<a><b></a>";                                          // broken
      if (i % 6 == 2) text = "";                                                    // empty
      if (i % 6 == 3) text = Deep(300);                                             // too deep
      if (i % 6 == 4) text = "<properties name=\"a &amp; " + number + "\"/><doc/>";  // with a reference
      testing::WriteFile(folder / ("f" + number + ".xml"), text);
    }
    std::filesystem::create_symlink(folder / "missing", folder / "f30 dangling.xml");
    testing::WriteFile(folder / "f40 \xFF.xml", good);  // a name that is not UTF-8
  }

  static std::string Deep(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    for (int i = 0; i < depth; ++i) text += "</a>";
    return text;
  }

  template <typename Folder>
  LoadOutcome Load(const std::filesystem::path& path, unsigned threads) {
    SetParallelThreadLimit(threads);
    if (the_listener != nullptr) the_listener->Clear();
    winsim::ResetModalResponder();
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"), winsim::Repeat::Always);
    LoadOutcome outcome;
    Folder folder(path);
    outcome.loaded = folder.LoadAll();
    for (int i = 0; i < folder.Count(); ++i) {
      const XmlDocument& document = *folder.GetAt(i);
      outcome.documents.push_back(document.GetName() + L"|" + document.GetProperty("name") + L"|" +
                                  Utf8ToWide(document.ToText()));
    }
    outcome.listener = hostsim::ListenerText();
    for (const winsim::ModalRecord& box : winsim::ModalLog()) outcome.boxes.push_back(box.text);
    return outcome;
  }
};

TEST_F(ParallelLoading, ManyThreadsLoadWhatOneThreadLoadsAndReportInTheSameOrder) {
  const std::filesystem::path folder = root_ / "Docs";
  WriteMixedFolder(folder, "<properties name=\"good\"/>\n<doc><x v=\"1\"/></doc>\n");
  const LoadOutcome alone = Load<XmlDocDirectory>(folder, 1);
  const LoadOutcome together = Load<XmlDocDirectory>(folder, 0);
  EXPECT_EQ(together, alone);

  EXPECT_EQ(alone.loaded, 30);
  // Each file that could not be loaded is named once, in file-name order.
  std::vector<std::string> unloaded;
  for (int i = 1; i < 60; i += 6) {
    for (int n = i; n < i + 3; ++n) unloaded.push_back(std::string(n < 10 ? "f0" : "f").append(std::to_string(n)).append(".xml\""));
  }
  unloaded.insert(unloaded.begin() + 15, "f30 dangling.xml\"");
  unloaded.insert(unloaded.begin() + 22, "f40 ");
  std::size_t at = 0;
  for (const std::string& name : unloaded) {
    const std::size_t found = together.listener.find(std::wstring(name.begin(), name.end()), at);
    ASSERT_NE(found, std::wstring::npos) << name << " after " << at << "\n" << WideToUtf8(together.listener);
    at = found + name.size();
  }
  EXPECT_EQ(together.boxes.size(), 30u);  // the files that were read but are no documents
}

TEST_F(ParallelLoading, DocumentsThatNeedTheirTreeAtOnceLoadTheSame) {
  const std::filesystem::path folder = root_ / "Wheel";
  WriteMixedFolder(folder, "<properties name=\"wheel\"/>\n<events/>\n");
  const LoadOutcome alone = Load<XmlWheelEventsDir>(folder, 1);
  EXPECT_EQ(Load<XmlWheelEventsDir>(folder, 0), alone);
  EXPECT_GT(alone.loaded, 0);
}

}  // namespace
}  // namespace Talvo
