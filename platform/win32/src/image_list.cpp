// Image lists: equally sized images with transparency, drawn by index.
#include <vector>

#include "gdi_draw_scope.h"
#include "win32/image.h"

using namespace win32_internal;

namespace {

struct ImageListObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::ImageList;
  ImageListObject() : GdiObject(kKind) {}
  ~ImageListObject() override {
    for (cairo_surface_t* image : images) cairo_surface_destroy(image);
  }
  int width = 0;
  int height = 0;
  UINT flags = 0;
  COLORREF background = CLR_NONE;
  std::vector<cairo_surface_t*> images;  // premultiplied ARGB32, width × height each
  // The strips ImageList_GetImageInfo hands out, remade on each call and owned by the list.
  HBITMAP imageStrip = nullptr;
  HBITMAP maskStrip = nullptr;
};

ImageListObject* Find(HIMAGELIST list) { return LookupGdi<ImageListObject>(list); }

cairo_surface_t* Blank(const ImageListObject& list) {
  return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, list.width, list.height);
}

// The images of a bitmap cut into slices of the list's width.
std::vector<cairo_surface_t*> Slices(const ImageListObject& list, HBITMAP image, HBITMAP mask) {
  BitmapObject* bitmap = LookupGdi<BitmapObject>(image);
  if (bitmap == nullptr || list.width <= 0) return {};
  BitmapObject* maskBitmap = (list.flags & ILC_MASK) && mask != nullptr ? LookupGdi<BitmapObject>(mask) : nullptr;
  std::vector<cairo_surface_t*> slices;
  for (int x = 0; x + list.width <= bitmap->Width(); x += list.width) {
    slices.push_back(MaskedCopy(*bitmap, maskBitmap, x, 0, list.width, list.height));
  }
  return slices;
}

int Append(ImageListObject& list, std::vector<cairo_surface_t*> slices) {
  if (slices.empty()) return -1;
  const int first = static_cast<int>(list.images.size());
  list.images.insert(list.images.end(), slices.begin(), slices.end());
  return first;
}

void DeleteStrips(ImageListObject& list) {
  if (list.imageStrip != nullptr) RemoveGdiObject(list.imageStrip);
  if (list.maskStrip != nullptr) RemoveGdiObject(list.maskStrip);
  list.imageStrip = list.maskStrip = nullptr;
}

}  // namespace

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int, int) {
  if (width <= 0 || height <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto list = std::make_unique<ImageListObject>();
  list->width = width;
  list->height = height;
  list->flags = flags;
  return AddGdi<HIMAGELIST>(std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST handle) {
  ImageListObject* list = Find(handle);
  if (list == nullptr) return FALSE;
  DeleteStrips(*list);
  RemoveGdiObject(handle);
  return TRUE;
}

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask) {
  ImageListObject* list = Find(handle);
  return list == nullptr ? -1 : Append(*list, Slices(*list, image, mask));
}

// Pixels of `maskColor` become transparent.
int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF maskColor) {
  ImageListObject* list = Find(handle);
  if (list == nullptr) return -1;
  std::vector<cairo_surface_t*> slices = Slices(*list, image, nullptr);
  const std::uint32_t key = PixelOf(maskColor) & 0xFFFFFF;
  for (cairo_surface_t* slice : slices) {
    auto* data = cairo_image_surface_get_data(slice);
    const int stride = cairo_image_surface_get_stride(slice);
    for (int y = 0; y < list->height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
      for (int x = 0; x < list->width; ++x) {
        if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
      }
    }
    cairo_surface_mark_dirty(slice);
  }
  return Append(*list, std::move(slices));
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON icon) {
  ImageListObject* list = Find(handle);
  const IconObject* iconObject = LookupGdi<IconObject>(icon);
  if (list == nullptr || iconObject == nullptr || index < -1 || index >= static_cast<int>(list->images.size()))
    return -1;
  cairo_surface_t* image = Blank(*list);
  cairo_t* cr = cairo_create(image);
  cairo_scale(cr, static_cast<double>(list->width) / cairo_image_surface_get_width(iconObject->image),
              static_cast<double>(list->height) / cairo_image_surface_get_height(iconObject->image));
  cairo_set_source_surface(cr, iconObject->image, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  if (index == -1) return Append(*list, {image});
  cairo_surface_destroy(list->images[index]);
  list->images[index] = image;
  return index;
}

BOOL ImageList_Replace(HIMAGELIST handle, int index, HBITMAP image, HBITMAP mask) {
  ImageListObject* list = Find(handle);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  std::vector<cairo_surface_t*> slices = Slices(*list, image, mask);
  if (slices.empty()) return FALSE;
  cairo_surface_destroy(list->images[index]);
  list->images[index] = slices[0];
  for (size_t i = 1; i < slices.size(); ++i) cairo_surface_destroy(slices[i]);
  return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST handle, int index) {
  ImageListObject* list = Find(handle);
  if (list == nullptr || index < -1 || index >= static_cast<int>(list->images.size())) return FALSE;
  if (index == -1) {
    for (cairo_surface_t* image : list->images) cairo_surface_destroy(image);
    list->images.clear();
  } else {
    cairo_surface_destroy(list->images[index]);
    list->images.erase(list->images.begin() + index);
  }
  return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle) {
  ImageListObject* list = Find(handle);
  return list == nullptr ? 0 : static_cast<int>(list->images.size());
}

BOOL ImageList_SetImageCount(HIMAGELIST handle, UINT count) {
  ImageListObject* list = Find(handle);
  if (list == nullptr) return FALSE;
  while (list->images.size() > count) {
    cairo_surface_destroy(list->images.back());
    list->images.pop_back();
  }
  while (list->images.size() < count) list->images.push_back(Blank(*list));
  return TRUE;
}

// The image and mask come as strips of all images side by side; rcImage is the one asked for.
BOOL ImageList_GetImageInfo(HIMAGELIST handle, int index, IMAGEINFO* info) {
  ImageListObject* list = Find(handle);
  if (list == nullptr || info == nullptr || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  DeleteStrips(*list);
  const int count = static_cast<int>(list->images.size());
  list->imageStrip = NewBitmap(list->width * count, list->height, CAIRO_FORMAT_ARGB32);
  list->maskStrip = NewBitmap(list->width * count, list->height, CAIRO_FORMAT_RGB24);
  BitmapObject* strip = LookupGdi<BitmapObject>(list->imageStrip);
  BitmapObject* mask = LookupGdi<BitmapObject>(list->maskStrip);
  if (strip == nullptr || mask == nullptr) return FALSE;
  strip->stock = mask->stock = true;  // owned by the list: DeleteObject leaves them alone
  mask->bitsPerPixel = 1;
  cairo_t* image = cairo_create(strip->surface);
  cairo_t* maskPainter = cairo_create(mask->surface);
  cairo_set_source_rgb(maskPainter, 1, 1, 1);
  cairo_paint(maskPainter);
  cairo_set_source_rgb(maskPainter, 0, 0, 0);
  for (int i = 0; i < count; ++i) {
    cairo_set_source_surface(image, list->images[i], i * list->width, 0);
    cairo_paint(image);
    cairo_mask_surface(maskPainter, list->images[i], i * list->width, 0);
  }
  cairo_destroy(image);
  cairo_destroy(maskPainter);
  *info = IMAGEINFO{list->imageStrip, list->maskStrip, 0, 0,
                    RECT{index * list->width, 0, (index + 1) * list->width, list->height}};
  return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* width, int* height) {
  ImageListObject* list = Find(handle);
  if (list == nullptr || width == nullptr || height == nullptr) return FALSE;
  *width = list->width;
  *height = list->height;
  return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF color) {
  ImageListObject* list = Find(handle);
  if (list == nullptr) return CLR_NONE;
  const COLORREF previous = list->background;
  list->background = color;
  return previous;
}

COLORREF ImageList_GetBkColor(HIMAGELIST handle) {
  ImageListObject* list = Find(handle);
  return list == nullptr ? CLR_NONE : list->background;
}

HICON ImageList_GetIcon(HIMAGELIST handle, int index, UINT) {
  ImageListObject* list = Find(handle);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->images.size())) return nullptr;
  cairo_surface_t* copy = Blank(*list);
  cairo_t* cr = cairo_create(copy);
  cairo_set_source_surface(cr, list->images[index], 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  return NewIcon(copy, TRUE, 0, 0);
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style) {
  return ImageList_DrawEx(list, index, hdc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

// A width or height of 0 draws the whole image; a smaller one draws its top-left part.
// ILD_BLEND25/50 tint the image with the foreground colour (the highlight colour by default).
BOOL ImageList_DrawEx(HIMAGELIST handle, int index, HDC hdc, int x, int y, int width, int height, COLORREF background,
                      COLORREF foreground, UINT style) {
  ImageListObject* list = Find(handle);
  DrawScope scope(hdc);
  if (list == nullptr || !scope || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  cairo_surface_t* image = list->images[index];
  if (width <= 0) width = list->width;
  if (height <= 0) height = list->height;
  cairo_t* cr = scope.cr();
  cairo_save(cr);
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  const COLORREF fill = background == CLR_DEFAULT ? list->background : background;
  if ((style & ILD_TRANSPARENT) == 0 && (style & ILD_MASK) == 0 && fill != CLR_NONE) {
    SetSourceColor(cr, fill);
    cairo_paint(cr);
  }
  if (style & ILD_MASK) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, image, x, y);
  } else {
    cairo_set_source_surface(cr, image, x, y);
    cairo_paint(cr);
    if (style & (ILD_BLEND25 | ILD_BLEND50)) {
      SetSourceColor(cr,
                     foreground == CLR_DEFAULT || foreground == CLR_NONE ? GetSysColor(COLOR_HIGHLIGHT) : foreground);
      cairo_push_group(cr);
      cairo_mask_surface(cr, image, x, y);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, (style & ILD_BLEND50) ? 0.5 : 0.25);
    }
  }
  cairo_restore(cr);
  return TRUE;
}
