#include "controls/picture_multi.h"

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(PictureMulti, CStatic)

BEGIN_MESSAGE_MAP(PictureMulti, CStatic)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

PictureMulti::PictureMulti() = default;
PictureMulti::~PictureMulti() = default;

BOOL PictureMulti::LoadImages(const std::wstring& folder, const std::vector<std::wstring>& names,
                              const std::wstring& extension) {
  images_.clear();
  bool all = true;
  magentaKey_ = UsesMagentaKey(extension);
  for (const std::wstring& name : names) {
    auto image = std::make_unique<CImage>();
    const std::wstring path = folder + name + L"." + extension;
    if (image->Load(path.c_str()) != S_OK) {
      image.reset();
      all = false;
    }
    images_.push_back(std::move(image));
  }
  if (m_hWnd != nullptr) Invalidate(FALSE);
  return all ? TRUE : FALSE;
}

void PictureMulti::SetImage(int index) {
  index_ = index;
  if (m_hWnd != nullptr) Invalidate(FALSE);
}

bool PictureMulti::HasShownImage() const {
  return index_ >= 0 && index_ < GetImageCount() && images_[static_cast<size_t>(index_)] != nullptr;
}

BOOL PictureMulti::OnEraseBkgnd(CDC*) { return TRUE; }

void PictureMulti::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  if (dc.m_hDC == nullptr) return;
  dc.FillSolidRect(&client, HostColor(kBackground));
  if (!HasShownImage()) return;
  const CImage& image = *images_[static_cast<size_t>(index_)];
  DrawIconImage(dc.m_hDC, image, client.left + (client.Width() - image.GetWidth()) / 2,
             client.top + (client.Height() - image.GetHeight()) / 2, magentaKey_);
}

}  // namespace Talvo
