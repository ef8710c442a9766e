// The combo box's drop-down list: opening it under the combo box, choosing from it with the mouse and the keyboard,
// and the notifications that go with it.
#include <algorithm>

#include "combobox_internal.h"

namespace win32_internal {

namespace {

int ListCount(const ComboState& state) { return static_cast<int>(SendMessageW(state.list, LB_GETCOUNT, 0, 0)); }
int ListSelection(const ComboState& state) { return static_cast<int>(SendMessageW(state.list, LB_GETCURSEL, 0, 0)); }

// Below the combo box, or above it when the screen ends first.
RECT DropRect(HWND combo, const ComboState& state) {
  RECT box{};
  GetWindowRect(combo, &box);
  ListBoxState* list = ListStateOf(state.list);
  int rows = std::clamp(ListCount(state), 1, std::max(1, state.minVisible));
  int height = rows * (list ? list->itemHeight : TextItemHeight(state.font)) + 2 * GetSystemMetrics(SM_CYBORDER);
  int width = std::max<int>(state.droppedWidth, box.right - box.left);
  RECT drop{box.left, box.bottom, box.left + width, box.bottom + height};
  if (drop.bottom > GetSystemMetrics(SM_CYSCREEN) && box.top - height >= 0) drop = {box.left, box.top - height,
                                                                                    drop.right, box.top};
  return drop;
}

void SetHot(const ComboState& state, int index) {
  if (ListBoxState* list = ListStateOf(state.list)) {
    list->hot = index;
    EnsureItemVisible(state.list, *list, index);
    InvalidateRect(state.list, nullptr, TRUE);
  }
}

void Choose(HWND combo, ComboState& state, int index) {
  SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  InvalidateRect(combo, nullptr, TRUE);
}

// Ends a drop-down session: the choice kept (Enter, a click on an item) or undone (Escape, a click outside).
void EndDrop(HWND combo, ComboState& state, bool accept) {
  int before = state.selectionAtDrop;
  if (!accept) Choose(combo, state, before);
  NotifyParent(combo, accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (!IsWindow(combo)) return;
  CloseComboList(combo, state);
  if (accept && IsWindow(combo) && ListSelection(state) != before) NotifyParent(combo, CBN_SELCHANGE);
}

}  // namespace

void OpenComboList(HWND combo, ComboState& state) {
  if (state.dropped || !IsWindowEnabled(combo)) return;
  NotifyParent(combo, CBN_DROPDOWN);  // the parent may still fill the list
  if (!IsWindow(combo)) return;
  state.dropped = true;
  state.selectionAtDrop = ListSelection(state);
  RECT drop = DropRect(combo, state);
  SetWindowPos(state.list, HWND_TOPMOST, drop.left, drop.top, drop.right - drop.left, drop.bottom - drop.top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  // The list opens scrolled to its top, or as little further as shows the selection.
  if (ListBoxState* list = ListStateOf(state.list)) list->top = 0;
  SetHot(state, state.selectionAtDrop);
  SetCapture(state.list);  // clicks anywhere reach the list, which closes itself on one outside
  InvalidateRect(combo, nullptr, TRUE);
}

void CloseComboList(HWND combo, ComboState& state) {
  if (!state.dropped) return;
  state.dropped = false;
  if (GetCapture() == state.list) ReleaseCapture();
  ShowWindow(state.list, SW_HIDE);
  SetHot(state, -1);
  InvalidateRect(combo, nullptr, TRUE);
  NotifyParent(combo, CBN_CLOSEUP);
}

void UserSelectInCombo(HWND combo, ComboState& state, int index) {
  if (index < 0 || index >= ListCount(state) || index == ListSelection(state)) return;
  Choose(combo, state, index);
  NotifyParent(combo, CBN_SELCHANGE);
}

void ComboListChose(HWND combo, int index) {
  ComboState* state = ComboStateOf(combo);
  if (!state || !state->dropped) return;
  Choose(combo, *state, index);
  EndDrop(combo, *state, true);
}

void ComboListCancelled(HWND combo) {
  ComboState* state = ComboStateOf(combo);
  if (!state || !state->dropped) return;
  // A click on the combo box itself closes the list too: the press that opened it toggles it shut.
  NotifyParent(combo, CBN_SELENDCANCEL);
  if (IsWindow(combo)) CloseComboList(combo, *state);
}

// Keys while the list is closed change the selection at once; while it is open they move the highlight, which
// Enter (or F4, Alt+arrow) chooses and Escape drops.
void ComboKeyDown(HWND combo, ComboState& state, WPARAM key) {
  bool alt = GetKeyState(VK_MENU) < 0;
  bool toggle = key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP));
  if (state.dropped && (toggle || key == VK_RETURN || key == VK_ESCAPE)) {
    ListBoxState* list = ListStateOf(state.list);
    if (key != VK_ESCAPE && list && list->hot >= 0) Choose(combo, state, list->hot);
    EndDrop(combo, state, key != VK_ESCAPE);
    return;
  }
  if (toggle) {
    OpenComboList(combo, state);
    return;
  }
  int count = ListCount(state);
  if (count == 0) return;
  const ListBoxState* list = ListStateOf(state.list);
  int current = state.dropped && list && list->hot >= 0 ? list->hot : ListSelection(state);
  int page = std::max(1, std::min(count, state.minVisible) - 1);
  int target = -1;
  switch (key) {
    case VK_UP: case VK_LEFT: target = current < 0 ? 0 : std::max(0, current - 1); break;
    case VK_DOWN: case VK_RIGHT: target = std::min(count - 1, current + 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_PRIOR: target = std::max(0, current - page); break;
    case VK_NEXT: target = std::min(count - 1, std::max(0, current) + page); break;
    default: return;
  }
  if (state.dropped) SetHot(state, target);
  else UserSelectInCombo(combo, state, target);
}

// A typed character selects the next item that starts with it.
void ComboChar(HWND combo, ComboState& state, wchar_t character) {
  if (character < L' ') return;
  wchar_t text[2] = {character, L'\0'};
  int found = static_cast<int>(
      SendMessageW(state.list, LB_FINDSTRING, static_cast<WPARAM>(ListSelection(state)), reinterpret_cast<LPARAM>(text)));
  if (found < 0) return;
  if (state.dropped) SetHot(state, found);
  else UserSelectInCombo(combo, state, found);
}

}  // namespace win32_internal
