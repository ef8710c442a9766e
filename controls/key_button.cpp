#include "controls/key_button.h"

#include <host/colors.h>

#include <algorithm>
#include <vector>

#include "controls/cell_editor_links.h"
#include "controls/key_caption_fit.h"
#include "controls/visual_manager.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

KeyButton* menuKeyButton = nullptr;

constexpr COLORREF kPlainFrame = RGB(64, 64, 64);

// The window that holds the editor's pages: the page strip above the button.
HWND PageStripAbove(HWND button) {
  for (HWND window = ::GetParent(button); window != nullptr; window = ::GetParent(window)) {
    if (IsWindowOfRuntimeClass(window, "WindowTabs")) return window;
  }
  return nullptr;
}

}  // namespace

KeyButton* GetMenuKeyButton() { return menuKeyButton; }

IMPLEMENT_DYNAMIC(KeyButton, KeyButtonBase)

BEGIN_MESSAGE_MAP(KeyButton, KeyButtonBase)
  ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

KeyButton::~KeyButton() {
  if (menuKeyButton == this) menuKeyButton = nullptr;
  if (GetTalvo().GetLearningKeyButton() == this) GetTalvo().SetLearningKeyButton(nullptr);
}

void KeyButton::CreateFonts() {
  MakeFont(captionFont_, 13, FW_BOLD);
  MakeFont(smallFont_, 10, FW_NORMAL);
  MakeFont(smallCaptionFont_, 10, FW_BOLD);
  MakeFont(overlayFont_, 18, FW_BOLD);
}

void KeyButton::OnClicked() {
  HWND strip = PageStripAbove(m_hWnd);
  if (strip != nullptr) ::SendMessageW(strip, OpenAssignmentTabMessage, keyNumber, reinterpret_cast<LPARAM>(this));
}

void KeyButton::OnRButtonUp(UINT, CPoint point) {
  if (!IsWindowEnabled()) return;
  ClientToScreen(&point);
  ShowMenu(point);
}

void KeyButton::ShowMenu(CPoint screenPoint) {
  HWND editor = EditorWindow();
  if (editor == nullptr) return;  // the commands have nobody to carry them out
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  const wchar_t* createText = GetString(161);
  if (displayState == kKeyLearningInterface) {
    menu.AppendMenu(MF_STRING, ID_KEY_DELETE_LEARNING_INTERFACE, L"Delete Learning Interface Assignment");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_KEY_CREATE_FUNCTION, createText);
  } else {
    if (assigned) menu.AppendMenu(MF_STRING, ID_KEY_EDIT_FUNCTION, L"Edit Function");
    menu.AppendMenu(MF_STRING, ID_KEY_CREATE_FUNCTION, createText);
    if (assigned) menu.AppendMenu(MF_STRING, ID_KEY_DELETE_ASSIGNMENT, L"Delete Assignment");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_KEY_ASSIGN_LEARNING_INTERFACE, L"Assign Learning Interface");
  }
  menuKeyButton = this;  // the editor window reads the key from here when the command arrives
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, CWnd::FromHandle(editor));
}

void KeyButton::Paint(CDC& dc, const CRect& rect) {
  CreateFonts();
  textChanged = false;
  Look look = CurrentLook();
  bool drawnEnabled = look != Look::Disabled || overlayBox;
  COLORREF panel = HostColor(kBackground);
  COLORREF face = HostColor(kWindow);
  COLORREF accent = HostColor(kAccent);
  bool learning = displayState == kKeyLearningInterface;
  if (learning) face = BlendColors(accent, face, 70);
  else if (assigned && !overlayBox) face = BlendColors(accent, face, 45);
  if (look == Look::Pushed) face = HostPressedColor();
  else if (look == Look::Hover) face = BlendColors(HostHotColor(), face, 170);
  COLORREF text = drawnEnabled ? HostColor(kControlText) : HostDisabledTextColor();
  // The key that carries the learning interface is framed in the accent colour like the overlay's boxes.
  bool accentFramed = accentFrame || learning;
  COLORREF frame = accentFramed ? accent : (overlayBox ? kPlainFrame : HostColor(kAppWorkspace));

  dc.FillSolidRect(&rect, panel);
  CBrush faceBrush;
  faceBrush.CreateSolidBrush(face);
  CPen framePen;
  framePen.CreatePen(PS_SOLID, accentFramed ? 2 : 1, frame);
  CBrush* oldBrush = dc.SelectObject(&faceBrush);
  CPen* oldPen = dc.SelectObject(&framePen);
  CRect body = rect;
  body.DeflateRect(1, 1);
  dc.RoundRect(&body, CPoint(6, 6));
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);

  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(text);
  CRect inner = body;
  inner.DeflateRect(4, 3);
  if (overlayBox) {
    CFont* old = dc.SelectObject(&overlayFont_);
    dc.DrawText(GetCaption(), &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    dc.SelectObject(old);
    return;
  }
  CFont* old = dc.SelectObject(&captionFont_);
  const int captionBottom = DrawTopLine(dc, inner);
  dc.SelectObject(&smallFont_);
  if (!assignedText.empty()) {
    // As many whole lines as the key has below its caption, bottom-aligned; the last ends in "..." when the
    // name goes on.
    // The lines may take two pixels of the bottom margin, as the top line takes two of the right one.
    const int bottom = inner.bottom + 2;
    const int lineHeight = dc.GetTextExtent(L"Ag").cy;
    const int maxLines = lineHeight > 0 ? (bottom - captionBottom) / lineHeight : 0;
    const std::vector<std::wstring> lines = FitKeyLines(assignedText, inner.Width(), maxLines, Measurer(dc));
    CRect line(inner.left, bottom - lineHeight * static_cast<int>(lines.size()), inner.right, 0);
    for (const std::wstring& text : lines) {
      line.bottom = line.top + lineHeight;
      dc.DrawText(text, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      line.top = line.bottom;
    }
  }
  dc.SelectObject(old);
}

MeasureText KeyButton::Measurer(CDC& dc) {
  return [&dc](const std::wstring& text) { return static_cast<int>(dc.GetTextExtent(text).cx); };
}

// The caption, shrunk when it is wider than the key (and then broken over two lines, or cut short with "...",
// when even that is too wide), and the second text on the right while it stays clear of the caption. Answers
// the bottom of what it drew.
int KeyButton::DrawTopLine(CDC& dc, const CRect& inner) {
  const std::wstring caption = GetCaption();
  dc.SelectObject(&captionFont_);
  const CSize captionSize = dc.GetTextExtent(caption);
  dc.SelectObject(&smallCaptionFont_);
  const CSize smallCaptionSize = dc.GetTextExtent(caption);
  dc.SelectObject(&smallFont_);
  const int secondWidth = secondText.empty() ? 0 : dc.GetTextExtent(secondText).cx;
  // The line may take two pixels of the right margin: the last letter's advance ends in empty space.
  CRect line = inner;
  line.right += 2;
  const KeyCaptionFit fit = FitKeyCaption(line.Width(), captionSize.cx, smallCaptionSize.cx, secondWidth);

  if (fit.showSecondText) dc.DrawText(secondText, &line, DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  dc.SelectObject(fit.smallCaption ? &smallCaptionFont_ : &captionFont_);
  const int lineHeight = fit.smallCaption ? smallCaptionSize.cy : captionSize.cy;
  const int maxLines = fit.smallCaption && inner.Height() >= 3 * lineHeight ? 2 : 1;
  for (const std::wstring& text : FitKeyLines(caption, line.Width(), maxLines, Measurer(dc))) {
    dc.DrawText(text, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    line.top += lineHeight;
  }
  return std::max(line.top, inner.top + lineHeight);
}

}  // namespace Talvo
