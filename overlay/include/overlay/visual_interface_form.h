// VisualInterfaceForm: the overlay shown over the host while an assigned key is held. Its background is
// transparent (colour-keyed), so only its boxes float over the host: the context (input type, mode,
// selected count) at the top, the cases of taps 1 to 4 for the resolved context (row A) and for the
// function's "Override Mode" (row B) in the side columns, the key in the middle and the held modifier
// keys at the bottom. Clicking a runnable case runs it; clicking the key box or activating another
// window dismisses the overlay. At most one exists (viFormDlg); the get-message hook makes it, feeds it
// key changes and destroys it. It deletes itself once its window is gone.
#pragma once

#include <afxwin.h>

#include <array>
#include <string>
#include <vector>

#include "engine/visual_interface_link.h"
#include "overlay/overlay_preference.h"

namespace Talvo {

class KeyButton;
class KeyButtonVI;

// The transparent colour of the overlay's background.
inline constexpr COLORREF kOverlayColourKey = RGB(1, 11, 21);
// Control id of every child of the overlay.
inline constexpr UINT kOverlayChildId = 6000;

class VisualInterfaceForm : public CFrameWnd, public iVisualInterface {
  DECLARE_DYNCREATE(VisualInterfaceForm)
 public:
  VisualInterfaceForm();
  ~VisualInterfaceForm() override;

  // iVisualInterface.
  HWND GetFormWindow() const override { return m_hWnd; }
  UINT GetShownKey() const override { return m_preference.key; }
  bool DestroyForm() override;

  // Resolves what the overlay shows for a key, a modifier byte and the key's caption (the rows are
  // appended to; the caller empties them). False when nothing can be offered.
  bool SetPreference(UINT key, unsigned char modifiers, std::wstring keyName);
  // Asks the get-message hook (through a posted WM_HIDE_VISUAL_INTERFACE_DLG) to destroy the overlay.
  void HideForm();

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  // What tests and the tour read back.
  const OverlayPreference& Preference() const { return m_preference; }
  KeyButtonVI* FunctionButton(int index) const { return m_functionButtons[static_cast<size_t>(index)]; }
  KeyButton* KeyBox() const { return m_keyBox; }
  KeyButton* ShiftButton() const { return m_shiftButton; }
  KeyButton* CtrlButton() const { return m_ctrlButton; }
  KeyButton* AltButton() const { return m_altButton; }
  KeyButtonVI* CountBox() const { return m_countBox; }
  KeyButtonVI* ModeBox() const { return m_modeBox; }
  KeyButtonVI* InputTypeBox() const { return m_inputTypeBox; }

 protected:
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnPaint();

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam);
  LRESULT OnModKeyMSG(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void CopyRowsToButtons();
  void ClearRows();
  void CreateFunctionButton(int index);
  void RefreshFunctionButton(int index);
  void UpdateModifierButtons();
  KeyButton* CreateModifierButton(const wchar_t* caption);
  KeyButtonVI* CreateContextBox(const std::wstring& caption, int width, int height, bool numberBox);
  void RefreshContextBoxes();
  void RefreshKeyBox();
  void FillBackground(CDC& dc);

  std::array<KeyButtonVI*, 8> m_functionButtons{};  // row A taps 1-4, then row B taps 1-4
  KeyButton* m_keyBox = nullptr;
  KeyButton* m_shiftButton = nullptr;
  KeyButton* m_ctrlButton = nullptr;
  KeyButton* m_altButton = nullptr;
  OverlayPreference m_preference;  // key, modifier byte, context texts, key name and both rows
  KeyButtonVI* m_inputTypeBox = nullptr;
  KeyButtonVI* m_modeBox = nullptr;
  KeyButtonVI* m_countBox = nullptr;
  std::array<std::wstring, 8> m_captions;
  std::array<BYTE, 8> m_runnable{};
  bool m_acceleratorsWereOn = false;
};

// Makes the overlay for a key: stores it in viFormDlg, resolves what it shows, creates and shows its
// window. When the window cannot be made the form is deleted again, viFormDlg cleared and the host's
// accelerators restored; null then. Takes ownership of `form` (a new VisualInterfaceForm by default).
iVisualInterface* OpenVisualInterfaceForm(UINT key, unsigned char modifiers, const std::wstring& keyText,
                                          VisualInterfaceForm* form = nullptr);

}  // namespace Talvo
