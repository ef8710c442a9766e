#include <host/simulation.h>

#include "editing/function_export.h"
#include "function_transfer_fixture.h"
#include "model/text.h"

namespace Talvo::testing {
namespace {

using FunctionExportTest = FunctionTransferTest;

TEST_F(FunctionExportTest, WritesTheFunctionWithItsScriptsAndLeavesTheFolderUnchanged) {
  std::wstring scriptId;
  XmlFunction* function = MakeScriptFunction(L"Box", scriptId);
  const std::string stored = ReadFileBytes(function->GetFilePath());
  const int count = Functions().Count();
  hostsim::ClearDebugLog();

  winsim::AnswerFileDialog(WidePath(out_ / "Box"), winsim::FileDialogKind::Save);
  ASSERT_TRUE(ExportFunction(parent_.get(), Root()));
  EXPECT_EQ(winsim::ModalLog().back().caption, L"Export Current Function");
  EXPECT_NE(hostsim::DebugLog().find(L", " + WidePath(out_) + L"/, Box, .xml \n"), std::wstring::npos)
      << hostsim::DebugLog();

  // A name typed without an extension gets ".xml".
  XmlFunction exported;
  ASSERT_EQ(exported.Load(out_ / "Box.xml"), kXmlOk);
  EXPECT_EQ(exported.GetId(), function->GetId());
  const XmlNode* carried = exported.GetNode(TALVO_XML_EXPORTSCRIPTS);
  ASSERT_NE(carried, nullptr);
  const XmlNode* script = carried->first_node("script");
  ASSERT_NE(script, nullptr);
  EXPECT_EQ(XmlDocument::Attribute(script, "id"), WideToUtf8(scriptId));
  EXPECT_EQ(XmlDocument::Attribute(script, "name"), "Box script");
  EXPECT_EQ(XmlDocument::Attribute(script, "body"), "print \"Box\"");
  EXPECT_EQ(script->next_sibling("script"), nullptr);

  // The function in the folder did not take the scripts and no document was added.
  EXPECT_FALSE(function->HasNode(TALVO_XML_EXPORTSCRIPTS));
  EXPECT_EQ(ReadFileBytes(function->GetFilePath()), stored);
  EXPECT_EQ(Functions().Count(), count);
  EXPECT_EQ(theHold.UndoCount(), 0);
}

TEST_F(FunctionExportTest, AnyTypedExtensionIsKept) {
  MakeFunction(L"Box");
  winsim::AnswerFileDialog(WidePath(out_ / "Box.txt"), winsim::FileDialogKind::Save);
  ASSERT_TRUE(ExportFunction(parent_.get(), Root()));
  EXPECT_TRUE(std::filesystem::exists(out_ / "Box.txt"));
  EXPECT_FALSE(std::filesystem::exists(out_ / "Box.txt.xml"));
  EXPECT_FALSE(std::filesystem::exists(out_ / "Box.xml"));
}

TEST_F(FunctionExportTest, WithoutACurrentFunctionOrAPathNothingIsWritten) {
  MakeFunction(L"Box");
  Root().GetMainDocument()->SetSelectedFunction(-1);
  EXPECT_FALSE(ExportFunction(parent_.get(), Root()));
  EXPECT_TRUE(winsim::ModalLog().empty());  // not even the file dialog

  Root().GetMainDocument()->SetSelectedFunction(Functions().Count() - 1);
  winsim::CancelFileDialog(winsim::FileDialogKind::Save);
  EXPECT_FALSE(ExportFunction(parent_.get(), Root()));
  EXPECT_TRUE(std::filesystem::is_empty(out_));
}

TEST_F(FunctionExportTest, AFailedWriteIsReported) {
  MakeFunction(L"Box");
  std::filesystem::create_directories(out_ / "taken.xml");  // a folder where the file should go
  winsim::AnswerFileDialog(WidePath(out_ / "taken.xml"), winsim::FileDialogKind::Save);
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"already exists"));
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't save file!", L"Error", true));
  EXPECT_FALSE(ExportFunction(parent_.get(), Root()));
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
}

}  // namespace
}  // namespace Talvo::testing
