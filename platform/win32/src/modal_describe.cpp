// Readable descriptions of modals, for the reports of unexpected ones.
#include <windows.h>

#include <cstdio>

#include "modal_responder_internal.h"

namespace win32_internal {

namespace {

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring Hex(UINT value) {
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"0x%X", value);
  return buffer;
}

}  // namespace

std::string Utf8Text(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::wstring DescribeMenuItems(const std::vector<MenuItemRecord>& items) {
  std::wstring text = L"[";
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItemRecord& item = items[i];
    if (i > 0) text += L", ";
    if (item.separator) {
      text += L"separator";
      continue;
    }
    text += Quoted(item.text);
    if (item.IsSubmenu())
      text += L" " + DescribeMenuItems(item.submenu);
    else
      text += L" (" + std::to_wstring(item.id) + (item.enabled ? L"" : L", disabled") +
              (item.checked ? L", checked" : L"") + L")";
  }
  return text + L"]";
}

std::wstring DescribeModal(const winsim::ModalRecord& record) {
  using winsim::ModalKind;
  switch (record.kind) {
    case ModalKind::MessageBox:
      return L"message box " + Quoted(record.text) + L" with caption " + Quoted(record.caption) + L" (type " +
             Hex(record.flags) + L")";
    case ModalKind::OpenFileDialog:
    case ModalKind::SaveFileDialog:
      return std::wstring(record.kind == ModalKind::OpenFileDialog ? L"open" : L"save") + L" file dialog " +
             Quoted(record.caption) + L" in " + Quoted(record.initialDir) + L" (flags " + Hex(record.flags) + L")";
    case ModalKind::PopupMenu:
      return L"popup menu " + DescribeMenuItems(record.items);
    case ModalKind::Dialog:
      return L"dialog " + std::to_wstring(record.templateId) + L" with caption " + Quoted(record.caption);
  }
  return L"modal";
}

}  // namespace win32_internal
