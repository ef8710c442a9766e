#include "editor/layout.h"

#include <cstdlib>
#include <string>

#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kUndefinedText = 157;          // "Undefined"
constexpr int kLearningInterfaceText = 254;  // "Learning Interface"

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

// What an assigned key shows: the name of its function, or "Undefined" when the assignment names no
// function or one that no longer exists.
std::wstring AssignedTextOf(const XmlProfile& profile, int key) {
  const std::wstring id = profile.GetFunctionIdOfKey(key);
  const XmlFunction* function = id.empty() ? nullptr : GetTalvo().FindFunctionById(id);
  return function != nullptr ? function->GetName() : Text(kUndefinedText);
}

// Gives a button what the profile has for its key: the assigned function's name, and over it the
// learning interface, which also makes it the root object's learning-interface button. A key that has
// neither (any more) shows no assignment. Returns whether the button's texts or state changed.
bool ShowAssignment(KeyButton& button, const XmlProfile& profile) {
  const bool assigned = profile.HasAssignment(button.keyNumber);
  const bool learning = profile.HasVisualAssignment(button.keyNumber);
  std::wstring text = assigned ? AssignedTextOf(profile, button.keyNumber) : std::wstring();
  if (learning) text = Text(kLearningInterfaceText);
  const int state = learning ? kKeyLearningInterface : kKeyOrdinary;
  Talvo& root = GetTalvo();
  if (learning) {
    root.SetLearningKeyButton(&button);
  } else if (root.GetLearningKeyButton() == &button) {
    root.SetLearningKeyButton(nullptr);
  }
  if (text == button.assignedText && assigned == button.assigned && state == button.displayState) return false;
  button.assignedText = std::move(text);
  button.assigned = assigned;
  button.displayState = state;
  button.textChanged = true;
  return true;
}

}  // namespace

IMPLEMENT_DYNAMIC(Layout, TabContent)

BEGIN_MESSAGE_MAP(Layout, TabContent)
  ON_WM_SIZE()
END_MESSAGE_MAP()

Layout::Layout(int kind) : kind_(kind) {}

// The buttons are owned by the list: deleting them destroys the windows that are still there.
Layout::~Layout() = default;

bool Layout::BuildKeys() {
  if (GetSafeHwnd() == nullptr) return false;
  ClearKeys();  // a second build must not leave the first build's buttons behind
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  const XmlKeyboard* keyboard = root.GetCurrentKeyboard();
  kind_ = keyboard != nullptr ? LayoutKindOfType(keyboard->GetType()) : kLayoutKindAnsi;
  const int count = LayoutKeyCount(kind_);
  keyButtons_.reserve(count);
  for (int key = 0; key < count; ++key) {
    auto button = std::make_unique<KeyButton>();
    CRect rect;
    if (!GetKeyPlacement(key, rect)) rect.SetRectEmpty();
    const std::wstring caption = keyboard != nullptr ? keyboard->GetKeyText(key) : std::wstring();
    if (!button->Create(caption.c_str(), kLayoutKeyButtonStyle, rect, this, kLayoutKeyButtonId)) {
      ClearKeys();
      return false;
    }
    button->secondText = keyboard != nullptr ? keyboard->GetKeyExt(key) : std::wstring();
    button->keyNumber = key;
    button->virtualKey = VirtualKeyOfKey(keyboard, key);
    if (profile != nullptr) ShowAssignment(*button, *profile);
    keyButtons_.push_back(std::move(button));
  }
  return true;
}

void Layout::ClearKeys() {
  for (std::unique_ptr<KeyButton>& button : keyButtons_) {
    if (button->GetSafeHwnd() != nullptr) button->DestroyWindow();
  }
  keyButtons_.clear();
}

void Layout::RefreshCaptions() {
  const XmlProfile* profile = GetTalvo().GetCurrentProfile();
  if (profile == nullptr) return;
  for (std::unique_ptr<KeyButton>& button : keyButtons_) {
    const bool changed = ShowAssignment(*button, *profile);
    if ((changed || button->assigned) && button->GetSafeHwnd() != nullptr) button->Invalidate(TRUE);
  }
}

// The key's rectangle includes its right and bottom edges, so its window is one pixel wider and taller.
bool Layout::GetKeyPlacement(int key, CRect& placement) const {
  CRect rect;
  if (!GetKeyRect(key, rect)) return false;
  placement.SetRect(rect.left, rect.top, rect.left + std::abs(rect.right - rect.left) + 1,
                    rect.top + std::abs(rect.bottom - rect.top) + 1);
  return true;
}

bool Layout::GetKeyRect(int key, CRect& rect) const {
  if (GetSafeHwnd() == nullptr) return false;
  CRect client;
  GetClientRect(&client);
  return KeyRectInClient(kind_, key, client, &rect);
}

KeyButton* Layout::GetKeyButton(int key) const {
  if (key < 0 || key >= static_cast<int>(keyButtons_.size())) return nullptr;
  return keyButtons_[static_cast<size_t>(key)].get();
}

void Layout::OnSize(UINT nType, int cx, int cy) {
  TabContent::OnSize(nType, cx, cy);
  if (GetSafeHwnd() == nullptr) return;
  for (size_t key = 0; key < keyButtons_.size(); ++key) {
    CRect placement;
    // Without a rectangle (a view too small for the drawing) the button keeps its place.
    if (!GetKeyPlacement(static_cast<int>(key), placement)) continue;
    keyButtons_[key]->SetWindowPos(nullptr, placement.left, placement.top, placement.Width(), placement.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace Talvo
