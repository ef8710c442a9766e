// Shared set-up of the function export, import and clone tests: the naming dialogs' fixture (documents
// loaded from a fresh data folder, a test parent as the page), a fresh undo stack, a folder for exported
// files, and helpers that make functions with custom-code cases and read files back.
#pragma once

#include <max.h>
#include <win32/modal_responder.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/editor_window.h"
#include "model/vocabulary.h"
#include "naming_dialogs_fixture.h"

namespace Talvo::testing {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class FunctionTransferTest : public NamingDialogTest {
 protected:
  void SetUp() override {
    NamingDialogTest::SetUp();
    theHold.Clear();
    previousHandler_ = winsim::SetUnexpectedModalHandler([](const std::wstring& description) {
      ADD_FAILURE() << "unexpected modal: " << ::testing::PrintToString(description);
    });
    out_ = root_ / "out";
    std::filesystem::create_directories(out_);
  }
  void TearDown() override {
    EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
    winsim::SetUnexpectedModalHandler(previousHandler_);
    SetEditorWindow(nullptr);
    theHold.Clear();
    NamingDialogTest::TearDown();
  }

  static Talvo& Root() { return GetTalvo(); }
  static XmlFunctionDir& Functions() { return *Root().GetFunctions(); }
  static XmlCustomScripts& Scripts() { return *Root().GetCustomScripts(); }
  static int Current() { return Root().GetMainDocument()->GetSelectedFunction(); }

  // A saved single-tap function of that name; it becomes the current function.
  static XmlFunction* MakeFunction(const std::wstring& name) {
    XmlFunction* function = Root().CreateFunction(kKindSingleTap);
    function->SetName(name);
    EXPECT_TRUE(function->Save());
    return function;
  }

  // The custom-code case of MakeScriptFunction.
  static CaseKeys ScriptCase() { return {kInputNoModifier, kModeGlobal, 0, 2, 3}; }

  // A saved function whose case ScriptCase() runs a new, saved custom script; its id through `scriptId`.
  static XmlFunction* MakeScriptFunction(const std::wstring& name, std::wstring& scriptId) {
    XmlFunction* function = MakeFunction(name);
    Scripts().AddScript(name + L" script", L"print \"" + name + L"\"", scriptId);
    EXPECT_TRUE(Scripts().Save());
    EXPECT_TRUE(function->AddAction(ScriptCase()));
    EXPECT_TRUE(function->SetCaseGroup(ScriptCase(), kGroupCustomCode));
    EXPECT_TRUE(function->SetCaseScript(ScriptCase(), scriptId));
    EXPECT_TRUE(function->Save());
    return function;
  }

  static void ClearFolder() {
    while (Functions().Count() > 0) ASSERT_TRUE(Functions().DeleteFile(0));
  }

  static int FilesInFunctionFolder() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Functions().GetFolder())) {
      count += entry.path().extension() == ".xml" ? 1 : 0;
    }
    return count;
  }

  std::filesystem::path out_;

 private:
  winsim::UnexpectedModalHandler previousHandler_;
};

}  // namespace Talvo::testing
