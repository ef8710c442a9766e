#include <string>
#include <vector>

#include "custom_script_fixture.h"
#include "editing/function_export.h"
#include "editing/function_import.h"
#include "editing/h_function_rename_dlg.h"
#include "function_transfer_fixture.h"
#include "model/ids.h"
#include "resources/dialogs/function_rename_dlg.h"

namespace Talvo::testing {
namespace {

class FunctionImportTest : public FunctionTransferTest {
 protected:
  // Exports `function` (made current) to out_/<file>.xml.
  std::filesystem::path Export(XmlFunction* function, const std::wstring& file) {
    Root().GetMainDocument()->SetSelectedFunction(Functions().IndexOf(function));
    const std::filesystem::path path = out_ / (file + L".xml");
    EXPECT_TRUE(WriteFunctionExport(*function, &Scripts(), path));
    return path;
  }

  ImportedFunction Import(const std::filesystem::path& path) { return ImportFunctionFile(parent_.get(), Root(), path); }

  static void AnswerOverride(int button) {
    winsim::AnswerMessageBox(
        button, winsim::ModalMatch(L"Override existing function with the same name? [Yes][No]", L"Quillon"));
  }
};

TEST_F(FunctionImportTest, AnsweringYesOverridesTheFunctionOfTheSameNameInPlaceWithItsScripts) {
  std::wstring scriptId;
  XmlFunction* box = MakeScriptFunction(L"Box", scriptId);
  const std::filesystem::path file = Export(box, L"exported box");
  const std::wstring id = box->GetId();
  const std::wstring documentName = box->XmlDocument::GetName();
  // After the export: the function changes, its script is gone and another function is current.
  box->SetForceVI(true);
  ASSERT_TRUE(box->Save());
  ASSERT_TRUE(Scripts().DeleteScript(scriptId));
  ASSERT_TRUE(Scripts().Save());
  MakeFunction(L"Sphere");
  const int count = Functions().Count();
  const int files = FilesInFunctionFolder();

  AnswerOverride(IDYES);
  const ImportedFunction result = Import(file);
  EXPECT_EQ(result.function, box);
  EXPECT_TRUE(result.overridden);
  EXPECT_EQ(Current(), Functions().IndexOf(box));
  EXPECT_EQ(Functions().Count(), count);
  EXPECT_EQ(FilesInFunctionFolder(), files);  // the same file, no second one with the same id
  EXPECT_EQ(box->GetId(), id);
  EXPECT_EQ(box->XmlDocument::GetName(), documentName);
  EXPECT_FALSE(box->GetForceVI());  // the content came from the file
  EXPECT_FALSE(box->HasNode(TALVO_XML_EXPORTSCRIPTS));
  EXPECT_TRUE(box->HasInput(kInputOverrideMode));
  XmlFunction onDisk;
  ASSERT_EQ(onDisk.Load(box->GetFilePath()), kXmlOk);
  EXPECT_FALSE(onDisk.GetForceVI());
  EXPECT_FALSE(onDisk.HasNode(TALVO_XML_EXPORTSCRIPTS));

  // The script came back under its id, stored together with the function.
  EXPECT_EQ(GetScriptName(scriptId), L"Box script");
  EXPECT_TRUE(Scripts().IsSaved());
  EXPECT_EQ(theHold.UndoLabels(), std::vector<MSTR>{MSTR(L"Load Function")});
  ASSERT_TRUE(theHold.Undo());
  ASSERT_EQ(Root().CountFunctionsNamed(L"Box"), 1);
  EXPECT_TRUE(Functions().GetFunction(Functions().IndexOfId(id))->GetForceVI());
}

TEST_F(FunctionImportTest, AnsweringNoGivesAFreshIdAndAsksForANameUntilItIsFree) {
  XmlFunction* box = MakeFunction(L"Box");
  const std::filesystem::path file = Export(box, L"Box");
  const std::string stored = ReadFileBytes(box->GetFilePath());

  AnswerOverride(IDNO);
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_RENAME_NAME), L"Box 01");
    ClickItem(dialog, IDOK);
  });
  const ImportedFunction first = Import(file);
  ASSERT_NE(first.function, nullptr);
  EXPECT_FALSE(first.overridden);
  EXPECT_EQ(Current(), Functions().Count() - 1);
  EXPECT_EQ(first.function->GetName(), L"Box 01");
  EXPECT_NE(first.function->GetId(), box->GetId());
  EXPECT_TRUE(std::filesystem::exists(Functions().GetFolder() / (first.function->GetId() + L".xml")));
  EXPECT_EQ(ReadFileBytes(box->GetFilePath()), stored);

  // A name typed into the prompt that is taken as well asks again; Cancel keeps the name as it is.
  AnswerOverride(IDNO);
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_RENAME_NAME, L"Box 01");
    ClickItem(dialog, IDOK);
  });
  winsim::AnswerModalDialog(IDD_FUNCTION_RENAME, [](HWND dialog) { ClickItem(dialog, IDCANCEL); });
  const ImportedFunction second = Import(file);
  ASSERT_NE(second.function, nullptr);
  EXPECT_EQ(second.function->GetName(), L"Box 01");
  EXPECT_NE(second.function->GetId(), first.function->GetId());
  EXPECT_EQ(Root().CountFunctionsNamed(L"Box 01"), 2);
  EXPECT_EQ(theHold.UndoCount(), 2);
}

TEST_F(FunctionImportTest, IntoAnEmptyFolderTheFileIsAddedWithoutAQuestion) {
  XmlFunction* box = MakeFunction(L"Box");
  const std::filesystem::path file = Export(box, L"Box");
  const std::wstring id = box->GetId();
  ClearFolder();

  winsim::AnswerFileDialog(WidePath(file), winsim::FileDialogKind::Open);
  const ImportedFunction result = ImportFunction(parent_.get(), Root());
  ASSERT_EQ(winsim::ModalLog().size(), 1u);  // the file dialog only
  EXPECT_EQ(winsim::ModalLog()[0].caption, L"Open Quillon Function");
  ASSERT_NE(result.function, nullptr);
  EXPECT_EQ(Functions().Count(), 1);
  EXPECT_EQ(Current(), 0);
  EXPECT_EQ(result.function->GetId(), id);  // nobody else carries it
  // Stored under its id, not under the name of the file it came from.
  EXPECT_EQ(result.function->XmlDocument::GetName(), id);
  EXPECT_TRUE(std::filesystem::exists(Functions().GetFolder() / (id + L".xml")));
  EXPECT_FALSE(std::filesystem::exists(Functions().GetFolder() / L"Box.xml"));
}

TEST_F(FunctionImportTest, FilesThatAreNoFunctionsAreRefusedWithAMessageAndChangeNothing) {
  MakeFunction(L"Box");
  const int count = Functions().Count();
  const int current = Current();
  const std::string scripts = Scripts().ToText();
  WriteFileBytes(out_ / "broken.xml", "<properties name=\"x\"/><talvofunction><input>");
  WriteFileBytes(out_ / "profile.xml", "<properties name=\"x\"/><talvoprofile/>");

  const struct {
    const char* file;
    const wchar_t* caption;
  } cases[] = {
      {"missing.xml", L"Error"}, {"broken.xml", L"Warning!"}, {"profile.xml", L"Error"}};
  for (const auto& refused : cases) {
    SCOPED_TRACE(refused.file);
    const std::wstring text = L"Can't load file!\n" + WidePath(out_ / refused.file);
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(text, refused.caption));
    EXPECT_EQ(Import(out_ / refused.file).function, nullptr);
    EXPECT_EQ(Functions().Count(), count);
    EXPECT_EQ(Current(), current);
  }
  EXPECT_EQ(Scripts().ToText(), scripts);
  EXPECT_EQ(theHold.UndoCount(), 0);
}

TEST_F(FunctionImportTest, AFileNamedLikeAnotherFunctionsFileOrWithABadIdGetsItsOwnIdentity) {
  XmlFunction* box = MakeFunction(L"Box");
  const std::string stored = ReadFileBytes(box->GetFilePath());
  // Named like Box's file, with an id that is no document id.
  const std::filesystem::path file = out_ / (box->XmlDocument::GetName() + L".xml");
  WriteFileBytes(file,
                 "<properties name=\"Other\" id=\"../../evil\" version=\"1003\" dependent=\"1105\"/>"
                 "<talvofunction/>");

  const ImportedFunction result = Import(file);
  ASSERT_NE(result.function, nullptr);
  EXPECT_TRUE(IsDocumentId(result.function->GetId()));
  EXPECT_EQ(result.function->XmlDocument::GetName(), result.function->GetId());
  EXPECT_EQ(ReadFileBytes(box->GetFilePath()), stored);
  EXPECT_EQ(result.function->GetName(), L"Other");
}

TEST_F(FunctionImportTest, OldFilesAreUpgradedAndTheirEmbeddedScriptsMoved) {
  WriteFileBytes(out_ / "old.xml",
                 "<properties name=\"Old\" id=\"1\" version=\"1002\" dependent=\"1100\"/><talvofunction>"
                 "<input type=\"No modifier\" global=\"1\"><modes><mode name=\"global\"><selection count=\"0\">"
                 "<modifiers value=\"4\"><action press=\"2\" group=\"Original key behavior\"/></modifiers>"
                 "</selection></mode></modes></input></talvofunction>");
  const ImportedFunction upgraded = Import(out_ / "old.xml");
  ASSERT_NE(upgraded.function, nullptr);
  std::wstring group;
  EXPECT_TRUE(upgraded.function->GetCaseGroup({kInputNoModifier, kModeGlobal, 0, 2, 7}, group));
  EXPECT_EQ(group, kGroupOriginalKey);
  EXPECT_TRUE(upgraded.function->HasInput(kInputOverrideMode));
  EXPECT_EQ(upgraded.function->GetDependent(), kKindModifierCases);  // the kind is normalised

  RecordingWnd editor;
  ASSERT_TRUE(editor.CreateEx(0, AfxRegisterWndClass(0), L"Editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  SetEditorWindow(editor.m_hWnd);
  WriteFileBytes(out_ / "legacy.xml",
                 "<properties name=\"Legacy\"/><talvofunction><input type=\"SingleTap\"><modes><mode name=\"global\">"
                 "<selection count=\"0\"><modifiers value=\"3\"><press count=\"1\"><action script=\"box()\"/></press>"
                 "</modifiers></selection></mode></modes></input></talvofunction>");
  const ImportedFunction migrated = Import(out_ / "legacy.xml");
  ASSERT_NE(migrated.function, nullptr);
  std::wstring scriptId;
  ASSERT_TRUE(migrated.function->GetCaseScript({kInputSingleTap, kModeGlobal, 0, 1, 3}, scriptId));
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(Scripts().GetScript(scriptId, name, body));
  EXPECT_EQ(body, L"box()");
  EXPECT_TRUE(Scripts().IsSaved());
  EXPECT_EQ(editor.Of(ScriptsChangedMessage).size(), 1U);
  XmlFunction onDisk;
  ASSERT_EQ(onDisk.Load(migrated.function->GetFilePath()), kXmlOk);
  EXPECT_EQ(onDisk.ToText().find("box()"), std::string::npos);
  SetEditorWindow(nullptr);
  editor.DestroyWindow();
}

}  // namespace
}  // namespace Talvo::testing
