// The image list of the editor's inner tab strips: the 14 x 14 "+" icon of the host icon file
// "TalvoPlus14". It is reloaded when the host switches between its light and dark theme, and the strip is
// told, so that its pages follow the theme too.
#pragma once

#include <afxcmn.h>
#include <afxtabctrl.h>
#include <host/notify.h>

#include <functional>

namespace Talvo {

class PlusTabImages {
 public:
  explicit PlusTabImages(std::function<void()> onThemeChange);
  ~PlusTabImages();
  PlusTabImages(const PlusTabImages&) = delete;
  PlusTabImages& operator=(const PlusTabImages&) = delete;

  // Makes the list on first use and hands it to the strip.
  void AttachTo(CMFCTabCtrl& strip);

 private:
  static void OnHostColorChange(void* param, NotifyInfo* info);
  void Load();

  CImageList images_;
  std::function<void()> onThemeChange_;
  bool registered_ = false;
};

}  // namespace Talvo
