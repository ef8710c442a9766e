// The wheel-events page: the sets and the current set's category tabs, and each command (new, clone,
// select, live rename, save, delete, import, export) with the files on disk, the ids and files of the
// sets, applying, and the failures it reports; none is an undo step.
#include "editing/wheel_events_tab.h"

#include <host/simulation.h>

#include <cstring>
#include <set>

#include "editing/wheel_events_tab_template.h"
#include "function_pages_fixture.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"

namespace Talvo::testing {
namespace {

const std::vector<std::wstring> kDefaultTabs = {L"+", L"EPoly Op", L"Farvelle", L"Geometry", L"Helpers", L"Splines"};

class WheelEventsTabTest : public FunctionPageTest<WheelEventsTab> {
 protected:
  static XmlWheelEventsDir& Sets() { return *Root().GetWheelEventsDir(); }
  static int CurrentSet() { return Root().GetMainDocument()->GetSelectedWheelEvents(); }
  // The page runs no script but the one that reloads an applied set.
  static int Applies() { return static_cast<int>(hostsim::MAXScriptLog().size()); }
  // The menu and name field show the folder, the strip the current set's categories (the last active).
  void ExpectPageShows(const std::vector<std::wstring>& tabs) {
    std::vector<std::wstring> names;
    for (int i = 0; i < Sets().Count(); ++i) names.push_back(Sets().GetWheelEvents(i)->GetDisplayName());
    const XmlWheelEvents* current = Root().GetCurrentWheelEvents();
    ExpectMenu(page_->GetSetsMenu(), page_->GetNameEdit(), names, current ? current->GetDisplayName() : L"");
    WheelEventsEditorTabs& strip = page_->GetEditorTabs();
    std::vector<std::wstring> labels(static_cast<size_t>(strip.GetTabsNum()));
    for (int tab = 0; tab < strip.GetTabsNum(); ++tab) strip.GetTabLabel(tab, labels[static_cast<size_t>(tab)]);
    EXPECT_EQ(labels, tabs);
    EXPECT_EQ(strip.GetActiveTab(), static_cast<int>(tabs.size()) - 1);
  }
  std::filesystem::path Export(const std::string& name) {
    winsim::AnswerFileDialog(WidePath(out_ / name), winsim::FileDialogKind::Save);
    page_->SendMessage(WM_EXPORT_WHEEL_EVENTS, 0, 0);
    return out_ / (name + ".xml");
  }
};

TEST_F(WheelEventsTabTest, NewClonedSelectedAndRenamedSets) {
  OpenPage();
  Click(IDC_WHEEL_EVENTS_NEW_BAR);
  Click(IDC_WHEEL_EVENTS_NEW_BAR);
  page_->SendMessage(WM_CLONE_WHEEL_EVENTS, 0, 0);
  page_->SendMessage(WM_CLONE_WHEEL_EVENTS, 0, 0);
  ASSERT_EQ(Sets().Count(), 5);
  EXPECT_EQ(CurrentSet(), 4);
  std::set<std::wstring> ids, files;
  for (int i = 0; i < Sets().Count(); ++i) {
    ids.insert(Sets().GetWheelEvents(i)->GetId());
    files.insert(Sets().GetWheelEvents(i)->XmlDocument::GetName());
    EXPECT_EQ(Sets().GetWheelEvents(i)->IsSaved(), i == 0);
  }
  EXPECT_EQ(ids.size(), 5u);
  EXPECT_EQ(files.size(), 5u);
  ExpectPageShows(kDefaultTabs);
  ChooseMenuItem(IDC_WHEEL_EVENTS_MENU, 2);  // never saved: not applied
  EXPECT_EQ(Applies(), 0);
  ChooseMenuItem(IDC_WHEEL_EVENTS_MENU, 1);
  EXPECT_EQ(Applies(), 1);
  // Typing renames the set, its item and the caption; its file and id stay.
  const std::wstring file = Sets().GetWheelEvents(0)->XmlDocument::GetName() + Sets().GetWheelEvents(0)->GetId();
  TypeInto(page_->GetNameEdit(), L"Mine");
  EXPECT_EQ(Sets().GetWheelEvents(0)->GetDisplayName(), L"Mine");
  EXPECT_EQ(Sets().GetWheelEvents(0)->XmlDocument::GetName() + Sets().GetWheelEvents(0)->GetId(), file);
  ExpectPageShows(kDefaultTabs);
}

class WheelEventsTabSaveTest : public WheelEventsTabTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WheelEventsTabSaveTest, SavingRecreatesTheFoldersWritesAndAppliesOrReportsTheFailure) {
  OpenPage();
  Click(IDC_WHEEL_EVENTS_NEW_BAR);
  std::filesystem::remove_all(Sets().GetFolder());
  hostsim::SetMAXScriptDefault(GetParam());
  if (!GetParam()) winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"", L"Error"));
  Click(IDC_WHEEL_EVENTS_SAVE_BAR);
  const XmlWheelEvents& set = *Root().GetCurrentWheelEvents();
  EXPECT_EQ(ReadFileBytes(set.GetFilePath()), set.ToText());
  EXPECT_EQ(Applies(), 1);
}

INSTANTIATE_TEST_SUITE_P(ScriptAnswers, WheelEventsTabSaveTest, ::testing::Bool());

TEST_F(WheelEventsTabTest, ExportReportsAPathItCannotWrite) {
  OpenPage();
  std::filesystem::create_directories(out_ / "blocked.xml" / "inside");
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch(L"", L"Export Current WheelEvents"));  // replace it
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"", L"Error"));
  Export("blocked");
  EXPECT_EQ(winsim::ModalLog().back().text.rfind(L"Can't save file!", 0), 0u);
}

// The answers to an import whose set name is taken: override (Yes), or No and then the rename dialog's
// button; the sets afterwards and the imported set's name.
struct ImportCase {
  int overrideAnswer, renameButton, sets;
  std::wstring importedName;
};

class WheelEventsTabImportTest : public WheelEventsTabTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(WheelEventsTabImportTest, KeepsIdsAndFilesApartAndSavesAndAppliesTheImport) {
  const ImportCase& row = GetParam();
  OpenPage();
  XmlWheelEvents& existing = *Root().GetCurrentWheelEvents();
  const std::wstring id = existing.GetId();
  const std::wstring file = existing.XmlDocument::GetName();
  // The exported set, with one value changed, comes back under another file name.
  std::string text = ReadFileBytes(Export("exported"));
  const std::size_t increment = text.find("<increment>");
  ASSERT_NE(increment, std::string::npos);
  const std::size_t value = increment + std::strlen("<increment>");
  text = text.substr(0, value) + "7" + text.substr(value);
  WriteFileBytes(out_ / "exported.xml", text);
  const winsim::ModalMatch prompt(L"Override existing Settings with the same name? [Yes][No]", L"Quillon");
  winsim::AnswerMessageBox(row.overrideAnswer, prompt);
  if (row.renameButton != 0) {
    winsim::AnswerModalDialog(IDD_WHEEL_EVENTS_RENAME, [&row](HWND dialog) { ClickItem(dialog, row.renameButton); });
  }
  winsim::AnswerFileDialog(WidePath(out_ / "exported.xml"), winsim::FileDialogKind::Open);
  Click(IDC_WHEEL_EVENTS_IMPORT_BAR);

  ASSERT_EQ(Sets().Count(), row.sets);
  EXPECT_EQ(CurrentSet(), row.sets - 1);
  const XmlWheelEvents& imported = *Root().GetCurrentWheelEvents();
  EXPECT_EQ(imported.GetDisplayName(), row.importedName);
  EXPECT_NE(ReadFileBytes(imported.GetFilePath()).find("<increment>7"), std::string::npos);
  EXPECT_EQ(existing.GetId(), id);
  EXPECT_EQ(existing.XmlDocument::GetName(), file);
  EXPECT_EQ(std::set<std::wstring>({imported.GetId(), id}).size(), static_cast<size_t>(row.sets));
  EXPECT_EQ(std::count_if(std::filesystem::directory_iterator(Sets().GetFolder()), {},
                          [](const auto& entry) { return entry.path().extension() == ".xml"; }),
            row.sets);
  EXPECT_EQ(Applies(), 1);
  ExpectPageShows(kDefaultTabs);
}

INSTANTIATE_TEST_SUITE_P(Answers, WheelEventsTabImportTest,
                         ::testing::Values(ImportCase{IDYES, 0, 1, L"Default WheelEvents"},
                                           ImportCase{IDNO, IDOK, 2, L"Default WheelEvents 01"},
                                           ImportCase{IDNO, IDCANCEL, 2, L"Default WheelEvents"}));

}  // namespace
}  // namespace Talvo::testing
