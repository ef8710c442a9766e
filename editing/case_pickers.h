// The four drop-downs of a tap row (Group, Category, Action, script) as the stored case fills them: their
// option lists, the text each shows and whether it can be used. The Action list keeps the host commands
// behind its options (option k >= 1 is command k - 1).
#pragma once

#include <string>
#include <vector>

#include "model/host_lists.h"
#include "model/vocabulary.h"
#include "model/xml_function.h"

namespace Talvo {

// Texts of the chain's fixed entries besides the groups of model/vocabulary.h.
std::wstring NotSelectedText();   // "Not Selected"
std::wstring AllCommandsText();   // "All Commands"
std::wstring MissingText();       // "«missing»"

// Index of the Group options' "«missing»" entry (it exists only on pages that compare with the host).
inline constexpr int kMissingGroupIndex = 3;

// The Group options: "Not Selected", "Custom Code", "Original key behavior", (with `withMissing`)
// "«missing»", then the host's action tables by name, sorted without regard to case.
std::vector<std::wstring> GroupOptions(bool withMissing);
// A stored group that is neither "Not Selected", "Custom Code" nor "Original key behavior".
bool IsTableGroup(const std::wstring& group);
// The entry that stands first in the Category and Action lists of a group: "Do it yourself" for custom
// code, "Original key behavior" for the key's own behaviour, "Not Selected" otherwise.
std::wstring FixedEntryOf(const std::wstring& group);
// The Category options of a group: its fixed entry, "All Commands", then for a table group the distinct
// categories of the tables of that name (with the macro categories for table 0), sorted without regard
// to case. `entries` (may be null) gets the categories in option order, from option 2 on.
std::vector<std::wstring> CategoryOptions(const std::wstring& group, std::vector<CategoryEntry>* entries);
// The host commands of a group's category ("All Commands": the whole table), sorted by text without regard
// to case.
std::vector<CommandRecord> CategoryCommands(const std::wstring& group, const std::wstring& category);

struct PickerChain {
  std::vector<std::wstring> groupOptions;
  std::wstring groupText;
  std::vector<std::wstring> categoryOptions;
  std::wstring categoryText;
  bool categoryEnabled = false;
  std::vector<std::wstring> actionOptions;
  std::vector<CommandRecord> actionRecords;
  std::wstring actionText;
  bool actionEnabled = false;
  std::wstring scriptText;
  std::wstring scriptId;
  bool scriptEnabled = false;
};

// The chain of the case `keys` of `function` (may be null). `compareWithHost` shows "«missing»" for stored
// values the lists or the host no longer have (the classic grid shows them as stored instead and lets
// its script drop-down serve "Original key behavior" too).
PickerChain ReadPickerChain(const XmlFunction* function, const CaseKeys& keys, bool compareWithHost);

}  // namespace Talvo
