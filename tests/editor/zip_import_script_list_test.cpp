// A profile archive brings its custom scripts along: after the import the script drop-downs list them and
// the editor window hears that the scripts changed.
#include "editor/profile_zip_import.h"
#include "editor/profile_export.h"
#include "engine/messages.h"
#include "profile_transfer_fixture.h"

namespace Talvo::testing {
namespace {

using ZipImportScriptListTest = ProfileTransferTest;

TEST_F(ZipImportScriptListTest, ImportedScriptsJoinTheScriptListAndTheEditorHearsOfThem) {
  Profile().SetName(L"Boxes");
  std::wstring scriptId;
  Root().GetCustomScripts()->AddScript(L"Box it", L"box()", scriptId);
  XmlFunction* boxer = MakeFunction(L"Boxer");
  const CaseKeys tap{L"SingleTap", kModeGlobal, 0, 1, 3};
  boxer->AddAction(tap);
  boxer->SetCaseGroup(tap, kGroupCustomCode);
  boxer->SetCaseScript(tap, scriptId);
  ASSERT_TRUE(boxer->Save());
  Assign(12, boxer);
  ASSERT_TRUE(Profile().Save());
  const std::filesystem::path zip = out_ / "boxes.zip";
  ASSERT_TRUE(WriteProfileZip(page_, Root(), zip));

  ASSERT_TRUE(Root().Load(root_ / "other"));
  RefreshScriptNames();
  ASSERT_EQ(ScriptNames().size(), 1u);
  CWnd* editor = CreateParent(100, 100, 0, 0);
  SetEditorWindow(editor->GetSafeHwnd());
  ParentMessages().clear();

  ASSERT_TRUE(ImportProfileZip(page_, Root(), zip));
  EXPECT_EQ(ScriptNames(), (std::vector<std::wstring>{L"Not Selected", L"Box it"}));
  winsim::PumpMessages();
  EXPECT_EQ(CountParentMessages(ScriptsChangedMessage), 1);
}

}  // namespace
}  // namespace Talvo::testing
