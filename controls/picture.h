// Picture: a static that shows one of its loaded images, chosen by flags its page sets before it
// repaints: nothing while hidden or while neither shown nor active; the active image ("_a_" names)
// while active, else the normal one ("_n_" names).
#pragma once

#include <afxwin.h>

#include <array>
#include <memory>
#include <string>

namespace Talvo {

// LoadImages flag bit i loads name + kPictureSuffixes[i] + extension.
inline constexpr std::array<const wchar_t*, 4> kPictureSuffixes = {L"_n_i.", L"_a_i.", L"_n_a.", L"_a_a."};

class Picture : public CStatic {
  DECLARE_DYNAMIC(Picture)
 public:
  Picture();
  ~Picture() override;

  // TRUE when every image the flags select was loaded.
  BOOL LoadImages(const std::wstring& folder, const std::wstring& name, const std::wstring& extension, UINT flags);
  // The flag bit (0-3) of the image painted now, -1 for none.
  int ShownSlot() const;

  bool active = false;
  bool shown = false;
  bool hidden = false;

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()

 private:
  std::array<std::unique_ptr<CImage>, 4> images_;
  bool magentaKey_ = false;
};

}  // namespace Talvo
