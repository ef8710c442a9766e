// PictureMulti: a static that shows one image of a list (a page's level or subcategory icon).
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

namespace Talvo {

class PictureMulti : public CStatic {
  DECLARE_DYNAMIC(PictureMulti)
 public:
  PictureMulti();
  ~PictureMulti() override;

  // Replaces the list with one image per name (folder + name + "." + extension), in list order; a
  // file that can't be read leaves an empty entry. TRUE when every image was loaded.
  BOOL LoadImages(const std::wstring& folder, const std::vector<std::wstring>& names, const std::wstring& extension);
  // Chooses the shown image and repaints; an index outside the list shows none.
  void SetImage(int index);
  int GetImage() const { return index_; }
  int GetImageCount() const { return static_cast<int>(images_.size()); }
  // Whether the shown index has an image.
  bool HasShownImage() const;

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()

 private:
  std::vector<std::unique_ptr<CImage>> images_;
  int index_ = 0;
  bool magentaKey_ = false;
};

}  // namespace Talvo
