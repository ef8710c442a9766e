// The overlay's life: construction and destruction, its window's creation, painting, activation,
// clicks and the close timer.
#include "overlay/visual_interface_form.h"

#include <max.h>

#include <utility>

#include "controls/buffered_dc.h"
#include "controls/key_button.h"
#include "controls/key_button_vi.h"
#include "engine/messages.h"
#include "model/string_table.h"
#include "overlay/overlay_layout.h"

namespace Talvo {

namespace {

constexpr int kStringOverlayTitle = 223;

}  // namespace

IMPLEMENT_DYNCREATE(VisualInterfaceForm, CFrameWnd)

BEGIN_MESSAGE_MAP(VisualInterfaceForm, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_TIMER()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_ACTIVATETOPLEVEL, &VisualInterfaceForm::OnActivateTopLevel)
  ON_WM_ACTIVATE()
  ON_MESSAGE(WM_MOD_KEY_MSG, &VisualInterfaceForm::OnModKeyMSG)
END_MESSAGE_MAP()

VisualInterfaceForm::VisualInterfaceForm() : m_acceleratorsWereOn(AcceleratorsEnabled() != FALSE) {
  // Keys typed while the overlay is up must not reach the host as shortcuts.
  if (m_acceleratorsWereOn) DisableAccelerators();
}

VisualInterfaceForm::~VisualInterfaceForm() {
  ClearRows();
  // The window is gone by now (frames delete themselves after it); only the global still names us.
  if (viFormDlg == this) viFormDlg = nullptr;
  if (m_acceleratorsWereOn) EnableAccelerators();
}

bool VisualInterfaceForm::DestroyForm() { return m_hWnd != nullptr && DestroyWindow() != FALSE; }

bool VisualInterfaceForm::SetPreference(UINT key, unsigned char modifiers, std::wstring keyName) {
  return ResolvePreference(key, modifiers, std::move(keyName), m_preference);
}

void VisualInterfaceForm::HideForm() {
  if (!viFormDlg) return;
  DebugPrint(L"VI WM_HIDE_VISUAL_INTERFACE_DLG\n");
  PostMessage(WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
}

BOOL VisualInterfaceForm::PreCreateWindow(CREATESTRUCT& cs) {
  DebugPrint(L"VI PreCreateWindow\n");
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.style = WS_POPUP;
  cs.dwExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  cs.cx = kOverlayWidth;
  cs.cy = kOverlayHeight;
  cs.x = (GetSystemMetrics(SM_CXSCREEN) - kOverlayWidth) / 2;
  cs.y = (GetSystemMetrics(SM_CYSCREEN) - kOverlayHeight) / 2;
  return TRUE;
}

int VisualInterfaceForm::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  DebugPrint(L"VI OnCreate\n");
  ModifyStyleEx(0, WS_EX_LAYERED);
  SetLayeredWindowAttributes(m_hWnd, kOverlayColourKey, 0, LWA_COLORKEY);
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  GetCOREInterface()->RegisterDlgWnd(m_hWnd);

  CopyRowsToButtons();
  for (int i = 0; i < static_cast<int>(m_functionButtons.size()); ++i) CreateFunctionButton(i);
  UpdateModifierButtons();
  RefreshKeyBox();
  RefreshContextBoxes();
  return 0;
}

void VisualInterfaceForm::OnDestroy() {
  DebugPrint(L"VI_OnDestroy");
  for (KeyButtonVI*& button : m_functionButtons) delete std::exchange(button, nullptr);
  for (KeyButton** button : {&m_shiftButton, &m_ctrlButton, &m_altButton, &m_keyBox}) delete std::exchange(*button, nullptr);
  for (KeyButtonVI** box : {&m_countBox, &m_inputTypeBox, &m_modeBox}) delete std::exchange(*box, nullptr);
  GetCOREInterface()->UnRegisterDlgWnd(m_hWnd);
  CFrameWnd::OnDestroy();
}

void VisualInterfaceForm::FillBackground(CDC& dc) {
  CRect clip;
  dc.GetClipBox(&clip);
  CBrush brush(kOverlayColourKey);
  CBrush* old = dc.SelectObject(&brush);
  dc.PatBlt(clip.left, clip.top, clip.Width(), clip.Height(), PATCOPY);
  dc.SelectObject(old);
}

BOOL VisualInterfaceForm::OnEraseBkgnd(CDC* pDC) {
  if (pDC) FillBackground(*pDC);
  return TRUE;
}

void VisualInterfaceForm::OnPaint() {
  CRect client;
  GetClientRect(&client);
  client.InflateRect(2, 2);
  // The fill covers the whole buffer.
  BufferedDC dc(this, client, BufferedDC::Start::PaintedOver);
  FillBackground(dc);
}

void VisualInterfaceForm::OnLButtonDown(UINT, CPoint) {
  if (!m_keyBox) return;
  CRect box;
  m_keyBox->GetWindowRect(&box);
  POINT cursor{};
  GetCursorPos(&cursor);
  // Edges included.
  if (cursor.x >= box.left && cursor.x <= box.right && cursor.y >= box.top && cursor.y <= box.bottom) {
    DebugPrint(L"VI OnLButtonDown Hide\n");
    HideForm();
  }
}

void VisualInterfaceForm::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  if (nState == WA_INACTIVE) {
    DebugPrint(L"VI OnActivate WM_HIDE_VISUAL_INTERFACE_DLG\n");
    PostMessage(WM_HIDE_VISUAL_INTERFACE_DLG, 0, 0);
  }
  CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
}

LRESULT VisualInterfaceForm::OnActivateTopLevel(WPARAM wParam, LPARAM lParam) {
  return CFrameWnd::OnActivateTopLevel(wParam, lParam);
}

void VisualInterfaceForm::OnTimer(UINT_PTR nIDEvent) {
  // The form is deleted with its window; the destructor clears viFormDlg.
  if (nIDEvent == ID_TIMER_VI_CLOSE) DestroyWindow();
}

iVisualInterface* OpenVisualInterfaceForm(UINT key, unsigned char modifiers, const std::wstring& keyText,
                                          VisualInterfaceForm* form) {
  if (!form) form = new VisualInterfaceForm;
  iVisualInterface* const overlay = form;
  viFormDlg = overlay;
  form->SetPreference(key, modifiers, keyText);
  // A window that fails after it existed deletes its form on the way out (and so clears viFormDlg);
  // a window that never existed leaves the form to us.
  if (!form->Create(nullptr, GetString(kStringOverlayTitle))) {
    if (viFormDlg == overlay) delete form;
    return nullptr;
  }
  form->ShowWindow(SW_SHOW);
  form->UpdateWindow();
  return form;
}

}  // namespace Talvo
