#include "controls/icon_button.h"

#include <cwctype>

#include "controls/mode_context_menu.h"
#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(IconButton, OwnerDrawnButton)

BEGIN_MESSAGE_MAP(IconButton, OwnerDrawnButton)
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

// The slot order per state: the "_a" image, then the "_i" image.
constexpr int kSlots[4][2] = {{4, 0}, {5, 1}, {6, 2}, {7, 3}};

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  ::GetClassNameW(hwnd, name, 64);
  std::wstring text = name;
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

}  // namespace

IconButton::IconButton(CWnd* owner, int row, int column, CWnd* value)
    : owner(owner), row(row), column(column), value(value) {}

IconButton::~IconButton() = default;

BOOL IconButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CButton::Create(caption, (style & ~BS_TYPEMASK) | BS_OWNERDRAW, rect, parent, id);
}

void IconButton::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

BOOL IconButton::LoadImages(const std::wstring& folder, const std::wstring& name, const std::wstring& extension,
                            UINT flags) {
  bool all = true;
  magentaKey_ = UsesMagentaKey(extension);
  for (size_t slot = 0; slot < images_.size(); ++slot) {
    if (!(flags & (1u << slot))) continue;
    const std::wstring path = folder + name + kIconStateSuffixes[slot] + extension;
    auto image = std::make_unique<CImage>();
    if (image->Load(path.c_str()) == S_OK) {
      images_[slot] = std::move(image);
      paths_[slot] = path;
    } else {
      images_[slot].reset();
      paths_[slot].clear();
      all = false;
    }
  }
  if (m_hWnd != nullptr) Invalidate(FALSE);
  return all ? TRUE : FALSE;
}

int IconButton::ImageSlotFor(Look look) const {
  for (Look l = look;;) {
    for (int slot : kSlots[static_cast<int>(l)]) {
      if (images_[static_cast<size_t>(slot)]) return slot;
    }
    if (l == Look::Normal) return -1;
    l = l == Look::Pushed ? Look::Hover : Look::Normal;
  }
}

void IconButton::SetBackgroundColor(COLORREF color) {
  background_ = color;
  if (m_hWnd != nullptr) Invalidate(FALSE);
}

COLORREF IconButton::BackgroundColor() const {
  return background_ != CLR_INVALID ? background_ : HostColor(kBackground);
}

void IconButton::Paint(CDC& dc, const CRect& rect) {
  const Look look = CurrentLook();
  dc.FillSolidRect(&rect, BackgroundColor());
  const int slot = ImageSlotFor(look);
  if (slot >= 0) {
    const CImage& image = *images_[static_cast<size_t>(slot)];
    const int x = rect.left + (rect.Width() - image.GetWidth()) / 2;
    const int y = rect.top + (rect.Height() - image.GetHeight()) / 2;
    DrawIconImage(dc.m_hDC, image, x, y, magentaKey_);
    return;
  }
  // Without images: a flat host-coloured button with its caption.
  COLORREF face = BlendColors(HostColor(kWindow), HostColor(kBackground), 110);
  if (look == Look::Pushed) face = HostPressedColor();
  if (look == Look::Hover) face = HostHotColor();
  dc.FillSolidRect(&rect, face);
  const COLORREF frame = look == Look::Hover || look == Look::Pushed ? HostColor(kAccent) : HostColor(kAppWorkspace);
  dc.Draw3dRect(&rect, frame, frame);
  ::SelectObject(dc.m_hDC, HostFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(look == Look::Disabled ? HostDisabledTextColor() : HostColor(kControlText));
  CRect text = rect;
  dc.DrawText(GetWindowText(), &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void IconButton::OnLButtonUp(UINT nFlags, CPoint point) {
  if (mode == kIconButtonPlain) {
    CButton::OnLButtonUp(nFlags, point);  // the button's own click: BN_CLICKED to the parent
    return;
  }
  const bool clicked = ReleaseCompletesClick(point);
  // Releasing the capture ends the press without the button's own click.
  if (GetCapture() == this) ReleaseCapture();
  SetState(FALSE);
  if (clicked) OnModeClick();
}

HWND IconButton::PageWindow() const {
  for (HWND window = m_hWnd; window != nullptr; window = ::GetParent(window)) {
    if (ClassOf(window) == L"mfcgridctrl") {
      if (HWND page = ::GetParent(window)) return page;
    }
  }
  return ::GetParent(m_hWnd);
}

void IconButton::OnModeClick() {
  const HWND self = m_hWnd;
  if (mode >= kIconButtonScriptEdit && mode <= kIconButtonScriptDelete) {
    // A button inside a cell's text editor reports differently from one beside a drop-down.
    const bool inTextEditor = ClassOf(::GetParent(self)) == L"edit";
    ::SendMessageW(PageWindow(), inTextEditor ? WM_CELL_EDIT_BUTTON : WM_CUSTOM_CODE_BUTTON,
                   inTextEditor ? static_cast<WPARAM>(GetDlgCtrlID()) : 0, reinterpret_cast<LPARAM>(this));
  } else if (mode == kIconButtonAddCase || mode == kIconButtonModeMenu) {
    ShowModeMenu();
  }
  if (::IsWindow(self)) Invalidate(FALSE);
}

void IconButton::ShowModeMenu() {
  ModeMenuRequest request;
  if (mode == kIconButtonModeMenu) {
    request.items = ModeMenuItems::ModifierCases;
  } else if (auto* page = dynamic_cast<iModeMenuPage*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)))) {
    request = page->GetModeMenuRequest();
  }
  ModeContextMenu menu(request);
  if (!menu.Build()) return;
  CRect rect;
  GetWindowRect(&rect);
  menu.Track(MenuCommandOwner(this), CPoint(rect.left, rect.bottom));
}

}  // namespace Talvo
