#include "host/toolbar.h"

#include "host/colors.h"
#include "toolbar.h"
#include "windows.h"

namespace {

struct Button {
  ToolButtonItem item;
  bool enabled = true;
};

// What a toolbar window keeps: its buttons, images and the button held down by the mouse.
struct ToolbarState {
  std::vector<Button> buttons;
  HIMAGELIST images = nullptr;
  int pressed = -1;  // index of the button under a held left button
};

ToolbarState* StateOf(HWND hwnd) {
  if (!IsWindow(hwnd)) return nullptr;
  wchar_t name[64] = {};
  if (!GetClassNameW(hwnd, name, 64) || std::wstring(name) != CUSTTOOLBARWINDOWCLASS) return nullptr;
  return reinterpret_cast<ToolbarState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Buttons sit side by side from the left edge, vertically centred.
RECT ButtonRect(HWND hwnd, const ToolbarState& state, int index) {
  RECT client{};
  GetClientRect(hwnd, &client);
  int x = 0;
  for (int i = 0; i < index; ++i) x += state.buttons[static_cast<std::size_t>(i)].item.w;
  const ToolButtonItem& item = state.buttons[static_cast<std::size_t>(index)].item;
  const int y = (client.bottom - item.h) / 2;
  return RECT{x, y, x + item.w, y + item.h};
}

int ButtonAt(HWND hwnd, const ToolbarState& state, POINT point) {
  for (int i = 0; i < static_cast<int>(state.buttons.size()); ++i) {
    const RECT rect = ButtonRect(hwnd, state, i);
    if (PtInRect(&rect, point)) return i;
  }
  return -1;
}

void Paint(HWND hwnd, const ToolbarState& state) {
  PAINTSTRUCT paint{};
  HDC hdc = BeginPaint(hwnd, &paint);
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(hdc, &client, ColorMan()->GetBrush(kBackground));
  for (int i = 0; i < static_cast<int>(state.buttons.size()); ++i) {
    const Button& button = state.buttons[static_cast<std::size_t>(i)];
    const ToolButtonItem& item = button.item;
    const bool down = i == state.pressed;
    const int image = button.enabled ? (down ? item.iInEn : item.iOutEn) : (down ? item.iInDis : item.iOutDis);
    const RECT rect = ButtonRect(hwnd, state, i);
    if (state.images)
      ImageList_Draw(state.images, image, hdc, rect.left + (item.w - item.iw) / 2, rect.top + (item.h - item.ih) / 2,
                     ILD_NORMAL);
  }
  EndPaint(hwnd, &paint);
}

LRESULT ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ToolbarState* state = reinterpret_cast<ToolbarState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ToolbarState));
      break;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    case WM_PAINT:
      if (state) {
        Paint(hwnd, *state);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      if (state) {
        const int index = ButtonAt(hwnd, *state, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (index >= 0 && state->buttons[static_cast<std::size_t>(index)].enabled) {
          state->pressed = index;
          SetCapture(hwnd);
          InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (state && state->pressed >= 0) {
        const int pressed = state->pressed;
        state->pressed = -1;
        ReleaseCapture();
        InvalidateRect(hwnd, nullptr, FALSE);
        // A click counts only when the button is released over the button it started on.
        if (ButtonAt(hwnd, *state, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == pressed) {
          const int id = state->buttons[static_cast<std::size_t>(pressed)].item.id;
          SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-click (a menu, a dialog): the button springs back and sends nothing.
      if (state && state->pressed >= 0 && reinterpret_cast<HWND>(lParam) != hwnd) {
        state->pressed = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

}  // namespace

namespace host_internal {
void RegisterToolbarClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, CUSTTOOLBARWINDOWCLASS, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = ToolbarProc;
  wc.lpszClassName = CUSTTOOLBARWINDOWCLASS;
  RegisterClassExW(&wc);
}
}  // namespace host_internal

void ICustToolbar::SetImage(HIMAGELIST list) {
  if (ToolbarState* state = StateOf(hwnd_)) {
    state->images = list;
    Repaint(hwnd_);
  }
}

void ICustToolbar::AddTool(const ToolButtonItem& item, int pos) {
  ToolbarState* state = StateOf(hwnd_);
  if (!state) return;
  const auto size = static_cast<int>(state->buttons.size());
  if (pos < 0 || pos > size) pos = size;
  state->buttons.insert(state->buttons.begin() + pos, Button{item});
  Repaint(hwnd_);
}

void ICustToolbar::DeleteTools(int start, int num) {
  ToolbarState* state = StateOf(hwnd_);
  if (!state || start < 0) return;
  const auto size = static_cast<int>(state->buttons.size());
  if (start >= size) return;
  const int end = num < 0 || start + num > size ? size : start + num;
  state->buttons.erase(state->buttons.begin() + start, state->buttons.begin() + end);
  state->pressed = -1;
  Repaint(hwnd_);
}

int ICustToolbar::GetNumItems() const {
  const ToolbarState* state = StateOf(hwnd_);
  return state ? static_cast<int>(state->buttons.size()) : 0;
}

int ICustToolbar::GetItemID(int index) const {
  const ToolbarState* state = StateOf(hwnd_);
  if (!state || index < 0 || index >= static_cast<int>(state->buttons.size())) return -1;
  return state->buttons[static_cast<std::size_t>(index)].item.id;
}

void ICustToolbar::Enable(int id, BOOL enable) {
  ToolbarState* state = StateOf(hwnd_);
  if (!state) return;
  for (Button& button : state->buttons)
    if (button.item.id == id) button.enabled = enable != FALSE;
  Repaint(hwnd_);
}

ICustToolbar* GetICustToolbar(HWND hwnd) { return StateOf(hwnd) ? new ICustToolbar(hwnd) : nullptr; }

void ReleaseICustToolbar(ICustToolbar* toolbar) { delete toolbar; }
