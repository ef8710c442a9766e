// The overlay's boxes: making them, filling them from the resolved rows, placing them, and refreshing
// them when the held key or modifiers change.
#include <max.h>

#include <string>
#include <utility>

#include "controls/key_button.h"
#include "controls/key_button_vi.h"
#include "model/modifiers.h"
#include "model/talvo.h"
#include "overlay/overlay_layout.h"
#include "overlay/visual_interface_form.h"

namespace Talvo {

namespace {

constexpr DWORD kFunctionButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED;  // clicks on the boxes reach the form
constexpr DWORD kKeyBoxStyle = kBoxStyle | BS_USERBUTTON;
constexpr int kFunctionWidth = 180;
constexpr int kFunctionCreateHeight = 30;
constexpr int kModifierWidth = 65;
constexpr int kModifierHeight = 46;
constexpr int kKeyBoxWidth = 52;
constexpr int kKeyBoxHeight = 46;
constexpr int kCountHeight = 30;
constexpr int kModeWidth = 120;

void Place(CWnd* child, const RECT& rect) {
  if (child && child->m_hWnd) {
    child->SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Hidden while its texts change and shown again, then repainted with its background.
template <typename Button, typename Change>
void Refresh(Button* button, Change change) {
  button->ShowWindow(SW_HIDE);
  change(*button);
  button->ShowWindow(SW_SHOW);
  button->Invalidate(TRUE);
}

}  // namespace

void VisualInterfaceForm::ClearRows() {
  m_preference.rowA = {};
  m_preference.rowB = {};
}

void VisualInterfaceForm::CopyRowsToButtons() {
  m_captions = {};
  m_runnable = {};
  // A row that did not come out as four entries leaves its buttons empty.
  auto copy = [&](const OverlayRow& row, size_t first) {
    if (row.names.size() == 4) {
      for (size_t i = 0; i < 4; ++i) m_captions[first + i] = row.names[i];
    }
    if (row.flags.size() == 4) {
      for (size_t i = 0; i < 4; ++i) m_runnable[first + i] = row.flags[i] ? 1 : 0;
    }
  };
  copy(m_preference.rowA, 0);
  copy(m_preference.rowB, 4);
}

void VisualInterfaceForm::CreateFunctionButton(int index) {
  const size_t i = static_cast<size_t>(index);
  auto* button = new KeyButtonVI;
  button->key = m_preference.key;
  button->modifiers = m_preference.modifiers;
  button->tapCount = index % 4 + 1;
  button->tapPicture = true;
  button->accentFrame = true;
  button->runnable = m_runnable[i] != 0;
  button->overrideRow = index >= 4;
  button->Create(m_captions[i].c_str(), kFunctionButtonStyle, CRect(0, 0, kFunctionWidth, kFunctionCreateHeight), this,
                 kOverlayChildId);
  m_functionButtons[i] = button;
}

void VisualInterfaceForm::RefreshFunctionButton(int index) {
  const size_t i = static_cast<size_t>(index);
  if (!m_functionButtons[i]) {
    CreateFunctionButton(index);
    return;
  }
  // The override-row flag and the tap count stay as they were made.
  Refresh(m_functionButtons[i], [&](KeyButtonVI& button) {
    button.SetWindowText(m_captions[i]);
    button.key = m_preference.key;
    button.modifiers = m_preference.modifiers;
    button.runnable = m_runnable[i] != 0;
  });
}

KeyButton* VisualInterfaceForm::CreateModifierButton(const wchar_t* caption) {
  auto* button = new KeyButton;
  button->overlayBox = true;
  button->accentFrame = true;
  button->Create(caption, kBoxStyle, CRect(0, 0, kModifierWidth, kModifierHeight), this, kOverlayChildId);
  return button;
}

void VisualInterfaceForm::UpdateModifierButtons() {
  const ModifierKeys wanted = ModifierKeysOf(m_preference.modifiers);
  auto update = [&](KeyButton*& button, bool show, const wchar_t* caption) {
    if (!button) {
      if (show) button = CreateModifierButton(caption);
      return;
    }
    button->ShowWindow(SW_HIDE);
    if (show) button->ShowWindow(SW_SHOW);
  };
  update(m_shiftButton, wanted.shift, L"Shift");
  update(m_ctrlButton, wanted.ctrl, L"Ctrl");
  update(m_altButton, wanted.alt, L"Alt");
}

KeyButtonVI* VisualInterfaceForm::CreateContextBox(const std::wstring& caption, int width, int height,
                                                   bool numberBox) {
  auto* box = new KeyButtonVI;
  box->tapPicture = true;
  box->informationBox = true;
  box->numberBox = numberBox;
  box->accentFrame = false;
  box->Create(caption.c_str(), kBoxStyle, CRect(0, 0, width, height), this, kOverlayChildId);
  return box;
}

void VisualInterfaceForm::RefreshContextBoxes() {
  auto update = [&](KeyButtonVI*& box, const std::wstring& caption, int width, int height, bool numberBox) {
    if (!box) {
      box = CreateContextBox(caption, width, height, numberBox);
    } else {
      Refresh(box, [&](KeyButtonVI& b) { b.SetWindowText(caption); });
    }
  };
  update(m_countBox, std::to_wstring(m_preference.count), kKeyBoxWidth, kCountHeight, true);
  update(m_modeBox, m_preference.mode, kModeWidth, kFunctionCreateHeight, false);
  update(m_inputTypeBox, m_preference.inputType, kFunctionWidth, kFunctionCreateHeight, false);
}

void VisualInterfaceForm::RefreshKeyBox() {
  if (!m_keyBox) {
    m_keyBox = new KeyButton;
    m_keyBox->overlayBox = true;
    m_keyBox->accentFrame = true;
    m_keyBox->virtualKey = m_preference.key;
    m_keyBox->Create(m_preference.keyName.c_str(), kKeyBoxStyle, CRect(0, 0, kKeyBoxWidth, kKeyBoxHeight), this,
                     kOverlayChildId);
    return;
  }
  Refresh(m_keyBox, [&](KeyButton& box) {
    box.SetCaption(m_preference.keyName);
    box.virtualKey = m_preference.key;
  });
}

void VisualInterfaceForm::OnSize(UINT nType, int cx, int cy) {
  CFrameWnd::OnSize(nType, cx, cy);
  CRect client;
  GetClientRect(&client);
  const OverlayLayout layout = ComputeOverlayLayout(client.Width(), client.Height());
  for (size_t i = 0; i < 4; ++i) {
    Place(m_functionButtons[i], layout.rowA[i]);
    Place(m_functionButtons[i + 4], layout.rowB[i]);
  }
  Place(m_keyBox, layout.keyBox);
  Place(m_countBox, layout.countBox);
  Place(m_modeBox, layout.modeBox);
  Place(m_inputTypeBox, layout.inputTypeBox);
  // Hidden modifier keys stay where they were.
  const ModifierLayout modifiers =
      ComputeModifierLayout(ModifierKeysOf(m_preference.modifiers), client.Width(), client.Height());
  for (auto [button, rect] : {std::pair{m_shiftButton, modifiers.shift}, std::pair{m_ctrlButton, modifiers.ctrl},
                              std::pair{m_altButton, modifiers.alt}}) {
    if (rect.right > rect.left) Place(button, rect);
  }
}

LRESULT VisualInterfaceForm::OnModKeyMSG(WPARAM wParam, LPARAM lParam) {
  DebugPrint(L"VI OnModKeyMSG\n");
  const UINT requested = HIWORD(wParam);
  const UINT key = requested == 0xFFFF ? m_preference.key : requested;
  const auto modifiers = static_cast<unsigned char>(lParam & 0xFF);
  if (key == m_preference.key && ModifiersEqual(modifiers, m_preference.modifiers)) return 0;

  ClearRows();
  m_captions = {};
  m_runnable = {};
  Talvo& root = GetTalvo();
  if (const XmlKeyboard* layout = root.GetCurrentKeyboard()) {
    SetPreference(key, modifiers, layout->GetKeyText(layout->GetKeyOfVirt(static_cast<int>(key))));
  }
  m_preference.modifiers = modifiers;
  CopyRowsToButtons();

  for (int i = 0; i < static_cast<int>(m_functionButtons.size()); ++i) RefreshFunctionButton(i);
  UpdateModifierButtons();
  if (m_keyBox && m_keyBox->virtualKey != m_preference.key) RefreshContextBoxes();
  RefreshKeyBox();
  SendMessage(WM_SIZE, 0, 0);
  return 0;
}

}  // namespace Talvo
