#include "visual_manager_font.h"

namespace mfc_internal {

CFont& MenuFont() {
  // Never destroyed: GDI may be gone when static objects are destroyed at exit.
  static CFont* font = new CFont;
  if (font->m_hObject == nullptr) {
    LOGFONTW logFont{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    font->CreateFontIndirect(&logFont);
  }
  return *font;
}

}  // namespace mfc_internal
