#include "overlay/overlay_rows.h"

#include "model/host_lists.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

constexpr int kTapCounts = 4;
constexpr int kStringNotSelected = 143;
constexpr int kStringOriginalKey = 228;
constexpr int kStringMissing = 326;

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text ? text : L"";
}

struct Entry {
  std::wstring text;
  bool runnable = false;
};

// A custom-code case is offered as soon as its script id can be read. A script that was deleted shows
// "Not Selected" and stays clickable: the dispatcher reports that it has nothing to run.
Entry CustomCodeEntry(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring scriptId;
  if (!function.GetCaseScript(keys, scriptId)) return {Text(kStringNotSelected), false};
  return {CustomScriptName(scriptId), true};
}

// An action or macro case the host no longer has shows "«missing»" and stays clickable, so that the
// dispatcher can report what it cannot run.
Entry CommandEntry(const XmlFunction& function, const CaseKeys& keys) {
  if (!ValidateCaseCommand(&function, keys)) return {Text(kStringMissing), true};
  std::wstring action;
  if (!function.GetCaseAction(keys, action)) return {};
  return {action, true};
}

Entry CaseEntry(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring group;
  if (!function.HasCase(keys) || !function.GetCaseGroup(keys, group)) return {};
  if (group == kGroupCustomCode) return CustomCodeEntry(function, keys);
  if (group == kGroupOriginalKey) return {Text(kStringOriginalKey), true};
  return CommandEntry(function, keys);
}

// The override row shows nothing for a script that is gone, and its commands by their stored text without
// asking the host: an empty or unreadable command shows nothing runnable.
Entry OverrideEntry(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring group;
  if (!function.HasCase(keys) || !function.GetCaseGroup(keys, group)) return {};
  if (group == kGroupCustomCode) {
    Entry entry = CustomCodeEntry(function, keys);
    return entry.text == Text(kStringNotSelected) ? Entry{} : entry;
  }
  if (group == kGroupOriginalKey) return {Text(kStringOriginalKey), true};
  std::wstring action;
  const bool read = function.GetCaseAction(keys, action);
  return {action, read && !action.empty()};
}

void Append(OverlayRow& row, Entry entry) {
  row.names.push_back(std::move(entry.text));
  row.flags.push_back(entry.runnable);
}

}  // namespace

void FillContextRow(const XmlFunction& function, const std::wstring& input, const std::wstring& mode, int selection,
                    unsigned char modifiers, OverlayRow& row) {
  const bool anyCase = function.HasCasesFor(input, mode, selection, modifiers);
  for (int press = 1; press <= kTapCounts; ++press) {
    Append(row, anyCase ? CaseEntry(function, CaseKeys{input, mode, selection, press, modifiers}) : Entry{});
  }
}

void FillOverrideRow(const XmlFunction& function, unsigned char modifiers, OverlayRow& row) {
  const bool anyCase = function.HasCasesFor(kInputOverrideMode, kModeGlobal, 0, modifiers);
  for (int press = 1; press <= kTapCounts; ++press) {
    Append(row, anyCase ? OverrideEntry(function, CaseKeys{kInputOverrideMode, kModeGlobal, 0, press, modifiers})
                        : Entry{});
  }
}

std::wstring CustomScriptName(const std::wstring& scriptId) {
  const XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  std::wstring name;
  std::wstring body;
  if (!scripts || !scripts->GetScript(scriptId, name, body)) return Text(kStringNotSelected);
  return name;
}

}  // namespace Talvo
