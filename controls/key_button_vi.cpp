#include "controls/key_button_vi.h"

#include <host/colors.h>

#include <algorithm>
#include <map>
#include <string>

#include "controls/visual_manager.h"
#include "engine/messages.h"

namespace Talvo {

namespace {

constexpr COLORREF kPlainFrame = RGB(64, 64, 64);
constexpr COLORREF kPictureKey = RGB(255, 0, 255);  // the transparent colour of the icon bitmaps
constexpr int kPictureSize = 24;

// The decoded pictures by file, each read once: paints come often and the files do not change while the
// host runs. The path names the theme's icon folder, so a theme change finds that theme's pictures.
HBITMAP DecodedPicture(const std::wstring& path) {
  static std::map<std::wstring, HBITMAP> pictures;
  HBITMAP& bitmap = pictures[path];
  if (bitmap == nullptr || ::GetObjectType(bitmap) != OBJ_BITMAP) {
    bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, kPictureSize, kPictureSize, LR_LOADFROMFILE));
  }
  return bitmap;
}

}  // namespace

IMPLEMENT_DYNAMIC(KeyButtonVI, KeyButtonBase)

std::wstring KeyButtonVI::TapPicturePath() const {
  return ThemedIconFolder() + L"TalvoTap" + std::to_wstring(std::clamp(tapCount, 1, 4)) + L"-24x24.bmp";
}

// The case runs from the hook, which sees posted messages only: the button posts to its own window.
void KeyButtonVI::OnClicked() {
  if (!runnable || !IsWindowEnabled()) return;
  WPARAM wParam = (static_cast<WPARAM>(key) << 16) + static_cast<WPARAM>(tapCount);
  LPARAM lParam = static_cast<LPARAM>(modifiers) + (overrideRow ? 0x10000 : 0);
  PostMessage(RunFromVisualInterfaceMessage, wParam, lParam);
}

void KeyButtonVI::CreateFonts() {
  MakeFont(textFont_, 12, FW_NORMAL);
  MakeFont(numberFont_, 20, FW_BOLD);
}

void KeyButtonVI::Paint(CDC& dc, const CRect& rect) {
  CreateFonts();
  Look look = CurrentLook();
  bool active = runnable && look != Look::Disabled;
  COLORREF face = HostColor(kWindow);
  if (informationBox) face = HostColor(kBackground);
  if (active && look == Look::Pushed) face = HostPressedColor();
  else if (active && look == Look::Hover) face = BlendColors(HostHotColor(), face, 170);
  COLORREF text = HostColor(kControlText);
  // A function button without a runnable case is shown, but faintly.
  if (!informationBox && !runnable) text = HostDisabledTextColor();

  dc.FillSolidRect(&rect, face);
  COLORREF frame = accentFrame ? HostColor(kAccent) : kPlainFrame;
  dc.Draw3dRect(&rect, frame, frame);
  if (accentFrame) {
    CRect second = rect;
    second.DeflateRect(1, 1);
    dc.Draw3dRect(&second, frame, frame);
  }

  CRect inner = rect;
  inner.DeflateRect(4, 2);
  if (tapPicture && !informationBox) {
    CRect picture(inner.left, rect.CenterPoint().y - kPictureSize / 2, inner.left + kPictureSize,
                  rect.CenterPoint().y + kPictureSize / 2);
    DrawTapPicture(dc, picture);
    inner.left = picture.right + 4;
  }
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(text);
  CFont* old = dc.SelectObject(numberBox ? &numberFont_ : &textFont_);
  UINT format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
  format |= informationBox ? DT_CENTER : DT_LEFT;
  dc.DrawText(GetWindowText(), &inner, format);
  dc.SelectObject(old);
}

HBITMAP KeyButtonVI::TapPicture() const { return DecodedPicture(TapPicturePath()); }

void KeyButtonVI::DrawTapPicture(CDC& dc, const CRect& box) const {
  if (HBITMAP bitmap = TapPicture(); bitmap != nullptr) {
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    HGDIOBJ old = ::SelectObject(memory.GetSafeHdc(), bitmap);
    dc.TransparentBlt(box.left, box.top, kPictureSize, kPictureSize, &memory, 0, 0, kPictureSize, kPictureSize,
                      kPictureKey);
    ::SelectObject(memory.GetSafeHdc(), old);
    return;
  }
  // Without the picture: one dot per tap.
  COLORREF ink = HostColor(kAccent);
  for (int tap = 0; tap < std::clamp(tapCount, 1, 4); ++tap) {
    int x = box.left + 2 + tap * 6;
    dc.FillSolidRect(x, box.CenterPoint().y - 2, 4, 4, ink);
  }
}

}  // namespace Talvo
