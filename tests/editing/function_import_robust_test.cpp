// Function import against the disk: file names in any script, identities that never write over another
// function's file, and undo and redo that leave on disk what the page shows.
#include <algorithm>
#include <cwctype>
#include <map>
#include <string>

#include "editing/function_export.h"
#include "editing/function_import.h"
#include "engine/restore_obj.h"
#include "function_transfer_fixture.h"
#include "model/file_names.h"
#include "model/ids.h"
#include "model/text.h"

namespace Talvo::testing {
namespace {

class FunctionImportDiskTest : public FunctionTransferTest {
 protected:
  ImportedFunction Import(const std::filesystem::path& path) { return ImportFunctionFile(parent_.get(), Root(), path); }

  // An export of a new function `name` with a script at `file`; the function itself is deleted again.
  std::filesystem::path ExportedFile(const std::wstring& name, const std::filesystem::path& file,
                                     std::wstring* script = nullptr) {
    std::wstring scriptId;
    XmlFunction* function = MakeScriptFunction(name, scriptId);
    if (script != nullptr) *script = scriptId;
    EXPECT_TRUE(WriteFunctionExport(*function, &Scripts(), file));
    EXPECT_TRUE(Functions().DeleteFile(Functions().IndexOf(function)));
    return file;
  }

  // Document name -> content of every function and of the scripts document, as shown and as a fresh start
  // reads them from disk.
  static std::map<std::wstring, std::string> Shown(const Talvo& root) {
    std::map<std::wstring, std::string> documents;
    for (int i = 0; i < root.GetFunctions()->Count(); ++i) {
      documents[root.GetFunctions()->GetAt(i)->GetName()] = root.GetFunctions()->GetAt(i)->ToText();
    }
    documents[L"(scripts)"] = root.GetCustomScripts()->ToText();
    return documents;
  }
  static std::map<std::wstring, std::string> OnDisk() {
    Talvo fresh;
    EXPECT_TRUE(fresh.Load(Root().GetDataFolder()));
    return Shown(fresh);
  }
};

struct ScriptName {
  const char* label;
  std::string bytes;
};

class FunctionImportNames : public FunctionImportDiskTest, public ::testing::WithParamInterface<ScriptName> {};

TEST_P(FunctionImportNames, AFileNamedInAnyScriptImportsUnderItsIdOrIsRefusedWithAMessage) {
  const std::filesystem::path file = ExportedFile(L"Box", out_ / ("fn_" + GetParam().bytes + ".xml"));
  const std::optional<std::wstring> name = Utf8ToWideStrict("fn_" + GetParam().bytes);
  if (!name) {
    winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::TextContaining(L"Can't load file!"));
    EXPECT_EQ(Import(file).function, nullptr);
    EXPECT_EQ(Functions().Count(), 0);
    return;
  }
  const ImportedFunction result = Import(file);
  ASSERT_NE(result.function, nullptr);
  EXPECT_EQ(result.function->GetName(), L"Box");
  EXPECT_EQ(result.function->XmlDocument::GetName(), result.function->GetId());
  EXPECT_EQ(result.function->GetFilePath(), Functions().GetFolder() / PathFromWide(result.function->GetId() + L".xml"));
  EXPECT_TRUE(result.function->MatchesFile());
}

INSTANTIATE_TEST_SUITE_P(Scripts, FunctionImportNames,
                         ::testing::Values(ScriptName{"Accented", "n\xC3\xA4me"}, ScriptName{"Cjk", "\xE5\x87\xBD\xE6\x95\xB0"},
                                           ScriptName{"RightToLeft", "\xD7\xA9\xD7\x9D"}, ScriptName{"InvalidUtf8", "\xC3\x28"}),
                         [](const auto& info) { return std::string(info.param.label); });

// The file must not be written over whatever the letter case or id of the import: a name that differs
// only in case, a device name, and an override that carries another id.
TEST_F(FunctionImportDiskTest, AnImportNeverWritesOverAnotherFunctionsFile) {
  XmlFunction* box = MakeFunction(L"Box");
  const std::wstring boxFile = box->XmlDocument::GetName();
  const std::string stored = ReadFileBytes(box->GetFilePath());
  std::wstring upper = boxFile;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
  for (const std::wstring& fileName : {upper, std::wstring(L"con")}) {
    const std::filesystem::path file = ExportedFile(L"Other " + fileName, out_ / PathFromWide(fileName + L".xml"));
    const ImportedFunction result = Import(file);
    ASSERT_NE(result.function, nullptr);
    EXPECT_EQ(result.function->XmlDocument::GetName(), result.function->GetId()) << WideToUtf8(fileName);
    EXPECT_EQ(ReadFileBytes(box->GetFilePath()), stored);
  }

  // Overriding Box from a file whose function carries another id keeps Box's id and file.
  const std::filesystem::path other = ExportedFile(L"Box", out_ / "box from elsewhere.xml");
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Override existing function"));
  const int files = FilesInFunctionFolder();
  const std::wstring id = box->GetId();
  EXPECT_EQ(Import(other).function, box);
  EXPECT_EQ(box->GetId(), id);
  EXPECT_EQ(box->XmlDocument::GetName(), boxFile);
  EXPECT_EQ(FilesInFunctionFolder(), files);
}

TEST_F(FunctionImportDiskTest, DeleteImportUndoAndRedoLeaveOnDiskWhatIsShown) {
  MakeFunction(L"Kept");
  XmlFunction* doomed = MakeFunction(L"Doomed");
  std::wstring script;
  const std::filesystem::path file = ExportedFile(L"Imported", out_ / "imported.xml", &script);
  ASSERT_TRUE(Scripts().DeleteScript(script));  // the import brings its script back
  ASSERT_TRUE(Scripts().Save());
  const auto initial = Shown(Root());

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));
  ASSERT_TRUE(Functions().DeleteFile(Functions().IndexOf(doomed)));
  theHold.Accept(L"Delete Function");
  ASSERT_NE(Import(file).function, nullptr);
  const auto final = Shown(Root());
  ASSERT_EQ(OnDisk(), final);

  ASSERT_TRUE(theHold.Undo());  // the import: its function file and merged script go
  EXPECT_EQ(Shown(Root()).count(L"imported"), 0u);
  EXPECT_EQ(OnDisk(), Shown(Root()));
  ASSERT_TRUE(theHold.Undo());  // the deletion: the function's file comes back
  EXPECT_EQ(Shown(Root()), initial);
  EXPECT_EQ(OnDisk(), initial);
  ASSERT_TRUE(theHold.Redo());
  EXPECT_EQ(OnDisk(), Shown(Root()));
  ASSERT_TRUE(theHold.Redo());
  EXPECT_EQ(Shown(Root()), final);
  EXPECT_EQ(OnDisk(), final);
  for (int i = 0; i < Functions().Count(); ++i) EXPECT_TRUE(Functions().GetAt(i)->IsSaved()) << i;
}

}  // namespace
}  // namespace Talvo::testing
