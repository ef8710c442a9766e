// KeyButtonVI: a box of the overlay. The eight function buttons show a case's name with a picture of
// its tap count and run the case when clicked; the context boxes (input type, mode, selection count)
// only show a text.
#pragma once

#include <afxwin.h>

#include <string>

#include "controls/key_button_base.h"

namespace Talvo {

class KeyButtonVI : public KeyButtonBase {
  DECLARE_DYNAMIC(KeyButtonVI)
 public:
  KeyButtonVI() = default;

  UINT key = 0;                   // virtual-key code of the overlay's key
  unsigned char modifiers = 3;    // modifier byte of the case
  int tapCount = 1;               // 1..4
  bool tapPicture = false;        // show the tap-count picture
  bool informationBox = false;    // a context box: text only, no tap picture
  bool numberBox = false;         // the selection-count box: one large number
  bool accentFrame = false;       // frame in the host's accent colour instead of dark grey
  bool runnable = false;          // a click runs the case
  bool overrideRow = false;       // a case of the "Override Mode" row

  // The file of the tap-count picture in the current theme's icon folder.
  std::wstring TapPicturePath() const;
  // That picture decoded (read once per file; null when it can not be read).
  HBITMAP TapPicture() const;

 protected:
  void Paint(CDC& dc, const CRect& rect) override;
  void OnClicked() override;

 private:
  void DrawTapPicture(CDC& dc, const CRect& box) const;
  void CreateFonts();

  CFont textFont_;
  CFont numberFont_;
};

}  // namespace Talvo
