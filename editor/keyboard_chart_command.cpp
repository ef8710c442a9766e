#include "editor/keyboard_chart_command.h"

#include <string>

#include "controls/file_dialog_helper.h"
#include "pagebase/error_box.h"
#include "editor/keyboard_chart.h"
#include "model/file_names.h"
#include "model/talvo.h"

namespace Talvo {

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
  if (!chart.Write(PathFromWide(path))) {
    ShowErrorBox(owner, L"Can't save file!\n" + path);
    return false;
  }
  return true;
}

}  // namespace Talvo
