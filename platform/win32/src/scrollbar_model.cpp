// Scroll-bar numbers: the page is at most the range's size and the position stays within [min, MaxScrollPosition].
#include "scrollbar_model.h"

#include <algorithm>

namespace win32_internal {

namespace {

long long RangeSize(const ScrollBarState& state) {
  return static_cast<long long>(state.max) - state.min + 1;
}

void Clamp(ScrollBarState& state) {
  if (state.max < state.min) state.max = state.min;
  state.page = static_cast<UINT>(std::min<long long>(state.page, RangeSize(state)));
  state.pos = std::clamp(state.pos, state.min, MaxScrollPosition(state));
  state.trackPos = std::clamp(state.trackPos, state.min, MaxScrollPosition(state));
}

}  // namespace

int MaxScrollPosition(const ScrollBarState& state) {
  long long top = static_cast<long long>(state.max) - std::max<long long>(static_cast<long long>(state.page) - 1, 0);
  return static_cast<int>(std::max<long long>(top, state.min));
}

bool IsScrollNeeded(const ScrollBarState& state) { return MaxScrollPosition(state) > state.min; }

int ApplyScrollInfo(ScrollBarState& state, const SCROLLINFO& info) {
  if (info.fMask & SIF_RANGE) {
    state.min = info.nMin;
    state.max = info.nMax;
  }
  if (info.fMask & SIF_PAGE) state.page = info.nPage;
  if (info.fMask & SIF_POS) state.pos = info.nPos;
  Clamp(state);
  return state.pos;
}

void ReadScrollInfo(const ScrollBarState& state, SCROLLINFO& info) {
  if (info.fMask & SIF_RANGE) {
    info.nMin = state.min;
    info.nMax = state.max;
  }
  if (info.fMask & SIF_PAGE) info.nPage = state.page;
  if (info.fMask & SIF_POS) info.nPos = state.pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = state.tracking ? state.trackPos : state.pos;
}

int ShownScrollPosition(const ScrollBarState& state) { return state.tracking ? state.trackPos : state.pos; }

}  // namespace win32_internal
