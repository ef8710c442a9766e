// Opening a script file from a custom-code button: the file's name may be in any language, and its text is
// read as UTF-8 when it is valid UTF-8 (a byte-order mark dropped), else as 8-bit text in the system code page.
#include <fstream>

#include "custom_script_fixture.h"
#include "editing/custom_code_buttons.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

struct ScriptFile {
  const char* what;
  std::string bytes;
  std::wstring text;
};

class ScriptFileTextTest : public CustomScriptTest, public ::testing::WithParamInterface<ScriptFile> {};

TEST_P(ScriptFileTextTest, TheScriptWindowShowsTheFilesText) {
  const auto desktop = root_ / "Desktop";
  std::filesystem::create_directories(desktop);
  const auto file = desktop / reinterpret_cast<const char*>(u8"Werkzeug-\u00FC-\u5DE5\u5177.ms");
  std::ofstream(file, std::ios::binary) << GetParam().bytes;
  winsim::AnswerFileDialog(WidePath(file), winsim::FileDialogKind::Open);
  Press(kIconButtonScriptOpen);
  HWND window = ScriptWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ScriptWindowText(window), GetParam().text);
  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDCANCEL); });
  ::SendMessageW(window, WM_CLOSE, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(Encodings, ScriptFileTextTest,
                         ::testing::Values(ScriptFile{"Utf8",
                                                      "print \"Gr\xC3\xB6\xC3\x9F"
                                                      "e \xE6\x95\xB0\"",
                                                      L"print \"Gr\u00F6\u00DFe \u6570\""},
                                           ScriptFile{"Utf8WithByteOrderMark", "\xEF\xBB\xBFprint \"\xC3\xA9\"",
                                                      L"print \"\u00E9\""},
                                           ScriptFile{"SystemCodePage", "print \"caf\xE9 \x80 \xFC\"",
                                                      L"print \"caf\u00E9 \u20AC \u00FC\""}),
                         [](const ::testing::TestParamInfo<ScriptFile>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace Talvo::testing
