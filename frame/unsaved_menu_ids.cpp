#include "frame/unsaved_menu_ids.h"

namespace Talvo {

namespace {

UINT ShortFirst(UnsavedKind kind) { return kind == UnsavedKind::Profile ? kProfileShortFirst : kFunctionShortFirst; }
UINT LongBase(UnsavedKind kind) { return kind == UnsavedKind::Profile ? kProfileLongBase : kFunctionLongBase; }

}  // namespace

std::optional<UINT> UnsavedCommandId(UnsavedKind kind, int index) {
  if (index < 0 || index >= kMaxUnsavedEntries) return std::nullopt;
  const UINT i = static_cast<UINT>(index);
  return i < kShortRangeSize ? ShortFirst(kind) + i : LongBase(kind) + i;
}

std::optional<UnsavedEntry> UnsavedEntryOf(UINT id) {
  for (UnsavedKind kind : {UnsavedKind::Function, UnsavedKind::Profile}) {
    if (id >= ShortFirst(kind) && id < ShortFirst(kind) + kShortRangeSize)
      return UnsavedEntry{kind, static_cast<int>(id - ShortFirst(kind))};
    const UINT longFirst = LongBase(kind) + kShortRangeSize;
    if (id >= longFirst && id < LongBase(kind) + kMaxUnsavedEntries)
      return UnsavedEntry{kind, static_cast<int>(id - LongBase(kind))};
  }
  return std::nullopt;
}

}  // namespace Talvo
