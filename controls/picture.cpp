#include "controls/picture.h"

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(Picture, CStatic)

BEGIN_MESSAGE_MAP(Picture, CStatic)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

Picture::Picture() = default;
Picture::~Picture() = default;

BOOL Picture::LoadImages(const std::wstring& folder, const std::wstring& name, const std::wstring& extension,
                         UINT flags) {
  bool all = true;
  magentaKey_ = UsesMagentaKey(extension);
  for (size_t slot = 0; slot < images_.size(); ++slot) {
    if (!(flags & (1u << slot))) continue;
    auto image = std::make_unique<CImage>();
    const std::wstring path = folder + name + kPictureSuffixes[slot] + extension;
    if (image->Load(path.c_str()) == S_OK) {
      images_[slot] = std::move(image);
    } else {
      images_[slot].reset();
      all = false;
    }
  }
  return all ? TRUE : FALSE;
}

int Picture::ShownSlot() const {
  if (hidden || !(shown || active)) return -1;
  // Preferred order: the "_a" file of the wanted variant, its "_i" file, then the other variant.
  const int order[2][4] = {{2, 0, 3, 1}, {3, 1, 2, 0}};
  for (int slot : order[active ? 1 : 0]) {
    if (images_[static_cast<size_t>(slot)]) return slot;
  }
  return -1;
}

BOOL Picture::OnEraseBkgnd(CDC*) { return TRUE; }

void Picture::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  if (dc.m_hDC == nullptr) return;
  dc.FillSolidRect(&client, HostColor(kBackground));
  const int slot = ShownSlot();
  if (slot < 0) return;
  const CImage& image = *images_[static_cast<size_t>(slot)];
  DrawIconImage(dc.m_hDC, image, client.left + (client.Width() - image.GetWidth()) / 2,
             client.top + (client.Height() - image.GetHeight()) / 2, magentaKey_);
}

}  // namespace Talvo
