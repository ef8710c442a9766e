#include "controls/context_menu.h"

#include "controls/visual_manager.h"
#include "model/editor_window.h"
#include "model/string_table.h"

namespace Talvo {

namespace {

constexpr int kTextIndent = 12;

std::wstring ItemText(HMENU menu, UINT command) {
  wchar_t text[256] = {};
  ::GetMenuStringW(menu, command, text, 256, MF_BYCOMMAND);
  return text;
}

}  // namespace

CWnd* MenuCommandOwner(CWnd* fallback) {
  if (HWND editor = EditorWindow(); editor != nullptr && ::IsWindow(editor)) return CWnd::FromHandle(editor);
  return fallback != nullptr ? fallback->GetTopLevelParent() : nullptr;
}

BOOL ContextMenu::AppendStringItem(UINT command, int textId, UINT flags) {
  const wchar_t* text = GetString(textId);
  return AppendMenu(MF_STRING | flags, command, text != nullptr ? text : L"");
}

void ContextMenu::MakeOwnerDrawn() {
  const int count = ::GetMenuItemCount(m_hMenu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    // Separators keep the system's drawing.
    if (!::GetMenuItemInfoW(m_hMenu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    info.fType |= MFT_OWNERDRAW;
    ::SetMenuItemInfoW(m_hMenu, static_cast<UINT>(i), TRUE, &info);
  }
}

BOOL ContextMenu::Track(CWnd* owner, CPoint screenPoint, UINT flags) {
  if (m_hMenu == nullptr || GetMenuItemCount() == 0) return FALSE;
  MakeOwnerDrawn();
  return TrackPopupMenu(flags, screenPoint.x, screenPoint.y, owner);
}

void ContextMenu::MeasureItem(LPMEASUREITEMSTRUCT item) {
  if (item == nullptr) return;
  item->itemHeight = kItemHeight;
  const std::wstring text = ItemText(m_hMenu, item->itemID);
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, HostFont());
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  item->itemWidth = static_cast<UINT>(size.cx + 3 * kTextIndent);
}

void ContextMenu::DrawItem(LPDRAWITEMSTRUCT item) {
  if (item == nullptr || item->hDC == nullptr) return;
  CDC* dc = CDC::FromHandle(item->hDC);
  const CRect rect(item->rcItem);
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool disabled = (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  dc->FillSolidRect(&rect, selected && !disabled ? HostHotColor() : HostColor(kBackground));
  if (selected && !disabled) dc->FillSolidRect(rect.left, rect.top, 3, rect.Height(), HostColor(kAccent));
  const int saved = dc->SaveDC();
  ::SelectObject(dc->m_hDC, HostFont());
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(disabled ? HostDisabledTextColor() : HostColor(kControlText));
  CRect text = rect;
  text.left += kTextIndent;
  dc->DrawText(ItemText(m_hMenu, item->itemID), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  dc->RestoreDC(saved);
}

}  // namespace Talvo
