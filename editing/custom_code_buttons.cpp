#include "editing/custom_code_buttons.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/file_dialog_helper.h"
#include "controls/icon_button.h"
#include "editing/custom_script_notices.h"
#include "editing/script_clipboard.h"
#include "editing/script_editor_launch.h"
#include "editing/script_name_dlg.h"
#include "model/file_names.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/whole_file.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

constexpr int kProductShortNameText = 103;  // "Quillon"
constexpr int kNewScriptNameText = 265;     // "New"
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// 8-bit text in the system code page as wide text.
std::wstring AnsiToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  std::wstring text(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), static_cast<int>(text.size()));
  return text;
}

// The whole file as text; nothing when it cannot be read. Text that is valid UTF-8 (a byte-order mark
// dropped) is read as such; any other bytes as 8-bit text in the system code page.
std::optional<std::wstring> ReadTextFile(const std::wstring& path) {
  FileBytes file;
  if (!ReadWholeFile(PathFromWide(path), file)) return std::nullopt;
  std::string_view bytes = file.View();
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  if (std::optional<std::wstring> text = Utf8ToWideStrict(bytes)) return text;
  return AnsiToWide(bytes);
}

}  // namespace

std::wstring ChosenScriptId(const CellDropDown& dropDown) { return GetScriptIdAt(dropDown.GetCurSel()); }

LRESULT OnCustomCodeButton(CWnd* page, LPARAM lParam) {
  auto* button = reinterpret_cast<IconButton*>(lParam);
  if (button == nullptr) return 0;
  auto* dropDown = dynamic_cast<CellDropDown*>(button->value);
  if (dropDown == nullptr || dropDown->GetSafeHwnd() == nullptr) return 0;
  const std::wstring scriptId = ChosenScriptId(*dropDown);

  switch (button->mode) {
    case kIconButtonScriptEdit:
      EditCustomScript(dropDown, scriptId);
      break;
    case kIconButtonScriptCopy:
      CopyScript(scriptId);
      break;
    case kIconButtonScriptPaste:
      PasteScript(page, dropDown);
      break;
    case kIconButtonScriptOpen:
      OpenScriptFile(dropDown);
      break;
    case kIconButtonScriptDelete:
      if (DeleteScript(page != nullptr ? page->GetSafeHwnd() : nullptr, scriptId)) SendScriptsChanged(nullptr);
      break;
    default:
      break;
  }
  return 0;
}

void CopyScript(const std::wstring& scriptId) {
  std::wstring name;
  std::wstring body;
  const XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  if (scripts == nullptr || !scripts->GetScript(scriptId, name, body)) body.clear();
  PutScriptOnClipboard(body);
}

void PasteScript(CWnd* page, CellDropDown* dropDown) {
  const std::optional<std::wstring> text = TakeScriptFromClipboard();
  if (!text) return;

  // The name dialog is modal: the drop-down may be rebuilt meanwhile, so it is found again by its window.
  const HWND dropDownWindow = dropDown != nullptr ? dropDown->GetSafeHwnd() : nullptr;
  const HWND pageWindow = page != nullptr ? page->GetSafeHwnd() : nullptr;

  std::wstring name = GetString(kNewScriptNameText);
  ScriptNameDlg dialog(page);
  dialog.name = &name;
  if (dialog.DoModal() == IDOK) {
    if (XmlCustomScripts* scripts = GetTalvo().GetCustomScripts()) {
      std::wstring id;
      scripts->AddScript(name, *text, id);
      RefreshScriptNames();
      SelectScriptInCell(LiveDropDown(dropDown, dropDownWindow), id);
    } else {
      WarnScriptsDocumentMissing();
    }
  }
  // Whatever the answer, the lists are refreshed and the case takes the drop-down's current choice, once.
  SendScriptsChangedAndApply(LiveDropDown(dropDown, dropDownWindow), pageWindow);
}

void OpenScriptFile(CellDropDown* dropDown) {
  FileDialogHelper dialog;
  dialog.filter = {{L"All", L"*.*"}};
  dialog.startFolder = L"%Desktop%";
  dialog.title = L"Open Script";
  if (!dialog.Open()) return;
  const std::optional<std::wstring> text = ReadTextFile(dialog.GetPath());
  if (!text) return;
  EditNewCustomScript(dropDown, *text);
}

std::wstring FunctionsUsingScript(const std::wstring& scriptId) {
  std::wstring names;
  const XmlFunctionDir* functions = GetTalvo().GetFunctions();
  for (int i = 0; functions != nullptr && i < functions->Count(); ++i) {
    std::vector<std::wstring> used;
    functions->GetFunction(i)->GetUsedScriptIds(used);
    if (std::find(used.begin(), used.end(), scriptId) == used.end()) continue;
    if (!names.empty()) names += L", ";
    names += L"\"" + functions->GetFunction(i)->GetName() + L"\"";
  }
  return names;
}

bool DeleteScript(HWND owner, const std::wstring& scriptId) {
  if (scriptId == NotSelectedScriptId()) return false;
  std::wstring question = L"Delete source script?";
  if (const std::wstring users = FunctionsUsingScript(scriptId); !users.empty()) {
    question += L"\n\nThe script is still chosen in cases of " + users +
                L". Those cases will run nothing until another script is chosen.";
  }
  if (MessageBoxW(owner, question.c_str(), GetString(kProductShortNameText), MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return false;
  }
  if (XmlCustomScripts* scripts = GetTalvo().GetCustomScripts()) scripts->DeleteScript(scriptId);
  RefreshScriptNames();
  return true;
}

}  // namespace Talvo
