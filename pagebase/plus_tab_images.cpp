#include "pagebase/plus_tab_images.h"

#include <host/colors.h>
#include <host/icons.h>

#include <utility>

namespace Talvo {

namespace {
constexpr int kImageSize = 14;
}  // namespace

PlusTabImages::PlusTabImages(std::function<void()> onThemeChange) : onThemeChange_(std::move(onThemeChange)) {}

PlusTabImages::~PlusTabImages() {
  if (registered_) UnRegisterNotification(&PlusTabImages::OnHostColorChange, this, NOTIFY_COLOR_CHANGE);
  while (images_.GetSafeHandle() != nullptr && images_.GetImageCount() > 0) images_.Remove(0);
  images_.DeleteImageList();
}

void PlusTabImages::AttachTo(CMFCTabCtrl& strip) {
  if (images_.GetSafeHandle() == nullptr) {
    images_.Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 1, 1);
    Load();
    if (!registered_) registered_ = RegisterNotification(&PlusTabImages::OnHostColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
  strip.SetImageList(images_.GetSafeHandle());
}

void PlusTabImages::Load() {
  while (images_.GetImageCount() > 0) images_.Remove(0);
  LoadMAXFileIcon(L"TalvoPlus14", images_.GetSafeHandle(), kBackground, FALSE);
}

void PlusTabImages::OnHostColorChange(void* param, NotifyInfo* /*info*/) {
  auto* images = static_cast<PlusTabImages*>(param);
  if (images->images_.GetSafeHandle() == nullptr) return;
  images->Load();
  if (images->onThemeChange_) images->onThemeChange_();
}

}  // namespace Talvo
