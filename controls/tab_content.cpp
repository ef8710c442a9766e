#include "controls/tab_content.h"

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(TabContent, CStatic)

BEGIN_MESSAGE_MAP(TabContent, CStatic)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TabContent::TabContent() = default;
TabContent::~TabContent() = default;

// Children (the key buttons) are painted by themselves, never over.
void TabContent::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  ModifyStyle(0, WS_CLIPCHILDREN);
}

BOOL TabContent::OnEraseBkgnd(CDC*) { return TRUE; }

void TabContent::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  if (dc.m_hDC != nullptr) DrawContent(dc, client);
}

void TabContent::DrawContent(CDC& dc, const CRect& client) {
  dc.FillSolidRect(&client, HostColor(kWindow));
  dc.Draw3dRect(&client, HostColor(kAppWorkspace), HostColor(kAppWorkspace));
}

}  // namespace Talvo
