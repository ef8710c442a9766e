// KeyButton: one key of the on-screen keyboard, the key of a key-assignment page, and the key and
// modifier boxes of the overlay. It shows the key's caption, its second text and the name of what the
// profile assigns to it; a click asks the editor's page strip to open the key's assignment page, and a
// right click opens the key's menu, whose commands go to the editor window.
#pragma once

#include <afxwin.h>

#include <string>

#include "engine/messages.h"
#include "controls/key_button_base.h"
#include "controls/key_caption_fit.h"

namespace Talvo {

// The commands of the key button's menu, carried out by the editor window.
inline constexpr UINT ID_KEY_EDIT_FUNCTION = 3017;
inline constexpr UINT ID_KEY_CREATE_FUNCTION = 3018;
inline constexpr UINT ID_KEY_DELETE_ASSIGNMENT = 3500;
inline constexpr UINT ID_KEY_ASSIGN_LEARNING_INTERFACE = 4003;
inline constexpr UINT ID_KEY_DELETE_LEARNING_INTERFACE = 4005;

// Display states.
inline constexpr int kKeyOrdinary = 0;
inline constexpr int kKeyLearningInterface = 2;

class KeyButton : public KeyButtonBase {
  DECLARE_DYNAMIC(KeyButton)
 public:
  KeyButton() = default;
  ~KeyButton() override;

  // Creates the caption and small fonts from the host's interface font (done on first paint otherwise).
  void CreateFonts();

  // The key's caption is the window text.
  void SetCaption(const std::wstring& text) { SetWindowText(text); }
  std::wstring GetCaption() const { return GetWindowText(); }

  std::wstring secondText;    // the key's second caption (the shifted character)
  int keyNumber = -1;         // the layout's key number
  UINT virtualKey = 0;        // the Win32 virtual-key code
  std::wstring assignedText;  // the name of what the profile assigns to the key
  bool assigned = false;      // the profile has an assignment for the key
  bool textChanged = false;   // the texts were replaced since the last paint
  int displayState = kKeyOrdinary;
  // The overlay's look: the caption alone, centred and large, and drawn normally although the overlay
  // disables the box so that clicks reach the overlay; and a frame in the host's accent colour.
  bool overlayBox = false;
  bool accentFrame = false;

 protected:
  void Paint(CDC& dc, const CRect& rect) override;
  void OnClicked() override;
  void OnRButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowMenu(CPoint screenPoint);

  // Draws the caption and the second text; answers the bottom of the caption's lines.
  int DrawTopLine(CDC& dc, const CRect& inner);
  static MeasureText Measurer(CDC& dc);

  CFont captionFont_;
  CFont smallFont_;
  CFont smallCaptionFont_;  // for captions too wide for the caption font
  CFont overlayFont_;
};

// The key button whose menu is open (or was opened last), for the editor window's commands; null when
// that button is gone.
KeyButton* GetMenuKeyButton();

}  // namespace Talvo
