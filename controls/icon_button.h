// IconButton: a button that shows one image per state (normal, hover, pushed, disabled), loaded by
// name from the icon folder. Its mode says what a click does: 10 a plain button (BN_CLICKED to the
// parent), 11 to 15 a custom-code button of a script editor cell (it reports itself to the page that
// owns the grid), 16 the add-case button of a case page and 17 the mode button of a case tab strip
// (both open the level/mode menu with the editor window as command owner).
#pragma once

#include <afxwin.h>

#include <array>
#include <memory>
#include <string>

#include "controls/owner_drawn_button.h"
#include "engine/messages.h"

namespace Talvo {

// The modes of IconButton.
enum IconButtonMode : int {
  kIconButtonPlain = 10,
  kIconButtonScriptEdit = 11,
  kIconButtonScriptCopy = 12,
  kIconButtonScriptPaste = 13,
  kIconButtonScriptOpen = 14,
  kIconButtonScriptDelete = 15,
  kIconButtonAddCase = 16,
  kIconButtonModeMenu = 17,
};

// The state images, by flag bit of LoadImages: bit i loads name + kIconStateSuffixes[i] + extension.
// "_i" images are the plain pictures, "_a" the ones drawn for the program's active controls; a state
// shows its "_a" image when loaded, else its "_i" image, else the image of the state below it
// (pushed falls back to hover, hover and disabled to normal).
inline constexpr std::array<const wchar_t*, 8> kIconStateSuffixes = {L"_n_i.", L"_h_i.", L"_p_i.", L"_d_i.",
                                                                     L"_n_a.", L"_h_a.", L"_p_a.", L"_d_a."};

class IconButton : public OwnerDrawnButton {
  DECLARE_DYNAMIC(IconButton)
 public:
  IconButton(CWnd* owner = nullptr, int row = -1, int column = -1, CWnd* value = nullptr);
  ~IconButton() override;

  // The button is always owner-painted, whatever style it is created or adopted with.
  BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // Loads the images selected by the flag bits (see kIconStateSuffixes) from
  // folder + name + suffix + extension. TRUE when every selected image was loaded.
  BOOL LoadImages(const std::wstring& folder, const std::wstring& name, const std::wstring& extension, UINT flags);
  // The flag bit (0-7) of the image the button draws in a look (-1: none).
  int ImageSlotFor(Look look) const;
  // The file an image slot was loaded from (empty when not loaded).
  const std::wstring& ImagePath(int slot) const { return paths_[static_cast<size_t>(slot)]; }

  // The fill behind the image; CLR_INVALID (the default) takes the host's panel colour.
  void SetBackgroundColor(COLORREF color);

  CWnd* owner;
  int row;
  int column;
  CWnd* value;  // the drop-down editor of a custom-code button
  int mode = kIconButtonPlain;

 protected:
  void PreSubclassWindow() override;
  // What a completed click does in modes other than 10.
  virtual void OnModeClick();
  // The window that hears about clicks in modes 11 to 15: the window that holds the grid the button
  // belongs to, or the parent.
  HWND PageWindow() const;
  virtual COLORREF BackgroundColor() const;
  bool HasBackgroundColor() const { return background_ != CLR_INVALID; }
  void Paint(CDC& dc, const CRect& rect) override;

  void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()

 private:
  void ShowModeMenu();

  std::array<std::unique_ptr<CImage>, 8> images_;
  std::array<std::wstring, 8> paths_;
  bool magentaKey_ = false;
  COLORREF background_ = CLR_INVALID;
};

}  // namespace Talvo
