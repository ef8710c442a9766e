#include "pagebase/host_look.h"

#include <host/colors.h>
#include <host/core_interface.h>

namespace Talvo {

void HostLook::Read() {
  IColorManager* colors = ColorMan();
  background_ = colors->GetColor(kBackground);
  text_ = colors->GetColor(kControlText);
  line_ = colors->GetColor(kAppWorkspace);
  brush_.DeleteObject();
  brush_.CreateSolidBrush(background_);
  pen_.DeleteObject();
  pen_.CreatePen(PS_SOLID, 1, line_);
}

HBRUSH HostLook::CtlColor(CDC* dc, UINT kind) {
  if (kind == CTLCOLOR_DLG) return static_cast<HBRUSH>(brush_.GetSafeHandle());
  if (kind != CTLCOLOR_STATIC) return nullptr;
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(text_);
  return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

void HostLook::Erase(CWnd& page, CDC* dc) {
  CRect client;
  page.GetClientRect(&client);
  dc->FillRect(&client, &brush_);
}

LOGFONTW HostUILogFont() {
  LOGFONTW font = GetCOREInterface()->GetUILogFont();
  font.lfQuality = CLEARTYPE_QUALITY;
  return font;
}

void CreateHostUIFont(CFont& font, LONG height) {
  LOGFONTW logFont = HostUILogFont();
  if (height != 0) logFont.lfHeight = height;
  font.DeleteObject();
  font.CreateFontIndirect(&logFont);
}

}  // namespace Talvo
