#include "gdi_draw_scope.h"

namespace win32_internal {

DrawScope::DrawScope(HDC hdc) : dc_(LookupGdi<DcObject>(hdc)) {
  if (dc_ == nullptr || dc_->target != DcObject::Target::Memory) return;
  BitmapObject* bitmap = LookupGdi<BitmapObject>(dc_->state.bitmap);
  if (bitmap != nullptr && !bitmap->bottomUpBits.empty()) {
    bottomUpTarget_ = bitmap;
    bitmap->BitsToSurface();
  }
}

DrawScope::~DrawScope() {
  if (bottomUpTarget_ != nullptr) bottomUpTarget_->SurfaceToBits();
}

RECT DrawScope::ToSurface(const RECT& rect) const {
  const POINT offset = dc_->Offset();
  return {rect.left + offset.x, rect.top + offset.y, rect.right + offset.x, rect.bottom + offset.y};
}

}  // namespace win32_internal
