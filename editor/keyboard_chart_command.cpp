#include "editor/keyboard_chart_command.h"

#include <string>

#include "controls/file_dialog_helper.h"
#include "editor/keyboard_chart.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kErrorCaption = 129;  // "Error"

void ReportWriteFailure(HWND owner, const std::wstring& path) {
  const wchar_t* caption = GetString(kErrorCaption);
  MessageBoxW(owner, (L"Can't save file!\n" + path).c_str(), caption != nullptr ? caption : L"Error",
              MB_OK | MB_ICONSTOP);
}

}  // namespace

bool WriteKeyboardChart(HWND owner) {
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  if (profile == nullptr) return false;

  FileDialogHelper dialog(owner);
  dialog.title = L"Write Keyboard Chart...";
  dialog.startFolder = L"%Desktop%";
  dialog.filter = {{L"*.TXT", L"*.txt"}};
  dialog.defaultExtension = L"txt";
  if (!dialog.Save()) return false;

  const std::wstring path = dialog.GetPath();
  const KeyboardChart chart(*profile, root.GetCurrentKeyboard(), root);
  if (!chart.Write(path)) {
    ReportWriteFailure(owner, path);
    return false;
  }
  return true;
}

}  // namespace Talvo
