// Popup menus answered by the responder: a command id, an item picked by its text, or nothing.
#include <windows.h>

#include "modal_responder_internal.h"

namespace win32_internal {

namespace {

// The text a user reads: without the '&' of the mnemonic and without the shortcut after a tab.
std::wstring ReadableText(const std::wstring& text) {
  std::wstring readable;
  for (size_t i = 0; i < text.size() && text[i] != L'\t'; ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    readable += text[i];
  }
  return readable;
}

const MenuItemRecord* FindCommand(const std::vector<MenuItemRecord>& items, UINT command) {
  for (const MenuItemRecord& item : items) {
    if (item.IsSubmenu()) {
      if (auto* found = FindCommand(item.submenu, command)) return found;
    } else if (!item.separator && item.id == command) {
      return &item;
    }
  }
  return nullptr;
}

const MenuItemRecord* FindText(const std::vector<MenuItemRecord>& items, const std::wstring& text) {
  for (const MenuItemRecord& item : items) {
    if (item.IsSubmenu()) {
      if (auto* found = FindText(item.submenu, text)) return found;
    } else if (!item.separator && (item.text == text || ReadableText(item.text) == text)) {
      return &item;
    }
  }
  return nullptr;
}

}  // namespace

UINT AnswerPopupMenu(const std::vector<MenuItemRecord>& items, UINT flags) {
  winsim::ModalRecord record;
  record.kind = winsim::ModalKind::PopupMenu;
  record.flags = flags;
  record.items = items;
  ModalId id = LogModal(record);
  auto answer = TakeModalAnswer({winsim::ModalKind::PopupMenu, {}, {}, 0});
  if (!answer) {
    ReportUnexpectedModal(L"Unexpected " + DescribeModal(record));
    CompleteModal(id, false, 0);
    return 0;
  }
  if (answer->itemText.empty() && answer->command == 0) {
    CompleteModal(id, true, 0);
    return 0;
  }
  const MenuItemRecord* item =
      answer->itemText.empty() ? FindCommand(items, answer->command) : FindText(items, answer->itemText);
  if (!item || !item->enabled) {
    std::wstring wanted = answer->itemText.empty() ? L"command " + std::to_wstring(answer->command)
                                                   : L"item \"" + answer->itemText + L"\"";
    ReportUnexpectedModal(L"The answer chose " + wanted + L", which is not an enabled item of the " +
                          DescribeModal(record));
    CompleteModal(id, false, 0);
    return 0;
  }
  CompleteModal(id, true, static_cast<int>(item->id));
  return item->id;
}

}  // namespace win32_internal
