// Command ids of the File menu's unsaved-document entries. The first 500 profiles and functions keep the
// short ranges (function i: 5000 + i, profile i: 5500 + i); documents beyond them take ranges of their own
// well away from every other command, so that no two documents ever share an id.
#pragma once

#include <windows.h>

#include <optional>

namespace Talvo {

enum class UnsavedKind { Profile, Function };

struct UnsavedEntry {
  UnsavedKind kind;
  int index;
};

// The most documents of one kind that get an entry.
inline constexpr int kMaxUnsavedEntries = 20000;

// The command id of document `index` of a kind; nothing beyond kMaxUnsavedEntries.
std::optional<UINT> UnsavedCommandId(UnsavedKind kind, int index);
// The document a command id stands for; nothing for an id outside the ranges.
std::optional<UnsavedEntry> UnsavedEntryOf(UINT id);

// The command ranges the frame routes to its two save handlers (first, last), short range and long range.
inline constexpr UINT kFunctionShortFirst = 5000;
inline constexpr UINT kProfileShortFirst = 5500;
inline constexpr UINT kShortRangeSize = 500;
inline constexpr UINT kFunctionLongBase = 10000;
inline constexpr UINT kProfileLongBase = 30000;

}  // namespace Talvo
