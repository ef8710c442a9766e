// Starting the plug-in as the host does (loading the module runs its application object): the custom
// scripts of the data folder are in the script list at once, and the editor's Custom Code drop-downs name
// them without any script having been added or edited first.
#include <mfc/simulation.h>

#include "controls/cell_drop_down.h"
#include "editing/functions_tab.h"
#include "editing/function_editor_tabs.h"
#include "frame/frame.h"
#include "frame/module_app.h"
#include "grid/grid_cell_editors.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {
namespace {

class ModuleStartTest : public DataFolderTest {
 protected:
  void TearDown() override {
    if (*GetFrame() != nullptr) ::SendMessageW((*GetFrame())->m_hWnd, WM_CLOSE, 0, 0);
    winsim::PumpMessages();
    if (loaded_) mfcsim::UnloadModule();
    GetTalvo().Clear();
    RefreshScriptNames();
    DataFolderTest::TearDown();
  }

  void Start() {
    ASSERT_EQ(AfxGetApp(), &theApp);
    ASSERT_TRUE(mfcsim::LoadModule());
    loaded_ = true;
  }
  void Stop() {
    mfcsim::UnloadModule();
    loaded_ = false;
    GetTalvo().Clear();
    RefreshScriptNames();  // the list as a new process has it
  }

  // The text every Custom Code drop-down of the function editor's active page shows for `scriptId`.
  static std::vector<std::wstring> ShownScriptNames(const std::wstring& scriptId) {
    auto* functions = DYNAMIC_DOWNCAST(FunctionsTab, (*GetFrame())->GetTabs().GetPageAt(1));
    FunctionEditorTabs& strip = functions->GetEditorTabs();
    std::vector<std::wstring> shown;
    for (int p = 0; p < strip.GetPageCount(); ++p) {
      CGridCtrl& grid = strip.GetPage(p)->GetGrid();
      for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int column = 0; column < grid.GetColumnCount(); ++column) {
          auto* cell = dynamic_cast<GridCellDropDown*>(grid.GetCell(row, column));
          if (cell == nullptr || cell->listKind != kScriptListKind || cell->scriptId != scriptId) continue;
          const CellDropDown* editor = cell->GetDropDown();
          shown.push_back(editor != nullptr && editor->GetSafeHwnd() != nullptr ? editor->GetSelectedText()
                                                                                : std::wstring(cell->GetText()));
        }
      }
    }
    return shown;
  }

  bool loaded_ = false;
};

TEST_F(ModuleStartTest, TheScriptsOfTheDataFolderAreListedFromTheStart) {
  // A first session writes a script and a function whose case runs it.
  Start();
  Talvo& root = GetTalvo();
  std::wstring scriptId;
  root.GetCustomScripts()->AddScript(L"Bevel it", L"polyop.bevel $", scriptId);
  ASSERT_TRUE(root.GetCustomScripts()->Save());
  XmlFunction* function = root.CreateFunction(kKindClassic);
  const CaseKeys tap{kInputClassic, kModeGlobal, 0, 1, 3};
  function->AddAction(tap);
  function->SetCaseGroup(tap, kGroupCustomCode);
  function->SetCaseScript(tap, scriptId);
  ASSERT_TRUE(function->Save());
  ASSERT_TRUE(root.GetMainDocument()->Save());
  Stop();
  ASSERT_EQ(ScriptNames().size(), 1u);

  Start();
  EXPECT_EQ(ScriptNames(), (std::vector<std::wstring>{L"Not Selected", L"Bevel it"}));
  ASSERT_EQ(ShowFrame(GetFrame()), 1);
  winsim::PumpMessages();
  const std::vector<std::wstring> shown = ShownScriptNames(scriptId);
  ASSERT_FALSE(shown.empty());
  for (const std::wstring& text : shown) EXPECT_EQ(text, L"Bevel it");
}

}  // namespace
}  // namespace Talvo::testing
