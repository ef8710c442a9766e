#include "frame/frame.h"

#include <host/accelerators.h>
#include <host/colors.h>
#include <host/core_interface.h>
#include <host/debug.h>

#include <algorithm>

#include "controls/buffered_dc.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

// Caption, system menu, sizing border, minimize box and the add-to-title flag; no maximize box.
constexpr LONG kFrameStyle = 0xCE8000;
constexpr UINT kFrameClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
constexpr int kTitleStringId = 104;

// Keeps a stored rectangle on the visible screen: the work area of the nearest monitor.
void ClampToScreen(CREATESTRUCT& cs) {
  const RECT wanted{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &info)) return;
  const RECT& work = info.rcWork;
  cs.cx = std::min<int>(cs.cx, work.right - work.left);
  cs.cy = std::min<int>(cs.cy, work.bottom - work.top);
  cs.x = std::clamp<int>(cs.x, work.left, work.right - cs.cx);
  cs.y = std::clamp<int>(cs.y, work.top, work.bottom - cs.cy);
}

}  // namespace

BEGIN_MESSAGE_MAP(Frame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_GETMINMAXINFO()
  ON_WM_ACTIVATE()
  ON_WM_CTLCOLOR()
  ON_COMMAND(Menu::kSaveProfile, &Frame::OnSaveProfile)
  ON_COMMAND(Menu::kSaveFunction, &Frame::OnSaveFunction)
  ON_COMMAND_RANGE(kFunctionShortFirst, kProfileShortFirst + kShortRangeSize - 1, &Frame::OnSaveUnsaved)
  ON_COMMAND_RANGE(kFunctionLongBase + kShortRangeSize, kFunctionLongBase + kMaxUnsavedEntries - 1,
                   &Frame::OnSaveUnsaved)
  ON_COMMAND_RANGE(kProfileLongBase + kShortRangeSize, kProfileLongBase + kMaxUnsavedEntries - 1,
                   &Frame::OnSaveUnsaved)
  ON_COMMAND_RANGE(Menu::kExportProfile, Menu::kLoadFunction, &Frame::OnForwardedCommand)
  ON_COMMAND_RANGE(Menu::kDeleteProfile, Menu::kCloneFunction, &Frame::OnForwardedCommand)
  ON_UPDATE_COMMAND_UI(Menu::kSaveProfile, &Frame::OnUpdateNeedsProfile)
  ON_UPDATE_COMMAND_UI(Menu::kExportProfile, &Frame::OnUpdateNeedsProfile)
  ON_UPDATE_COMMAND_UI(Menu::kDeleteProfile, &Frame::OnUpdateNeedsProfile)
  ON_UPDATE_COMMAND_UI(Menu::kCloneProfile, &Frame::OnUpdateNeedsProfile)
  ON_UPDATE_COMMAND_UI(Menu::kLoadProfile, &Frame::OnUpdateLoadProfile)
  ON_UPDATE_COMMAND_UI(Menu::kSaveFunction, &Frame::OnUpdateNeedsFunction)
  ON_UPDATE_COMMAND_UI(Menu::kExportFunction, &Frame::OnUpdateNeedsFunction)
  ON_UPDATE_COMMAND_UI(Menu::kDeleteFunction, &Frame::OnUpdateNeedsFunction)
  ON_UPDATE_COMMAND_UI(Menu::kCloneFunction, &Frame::OnUpdateNeedsFunction)
  ON_UPDATE_COMMAND_UI(Menu::kLoadFunction, &Frame::OnUpdateLoadFunction)
  ON_UPDATE_COMMAND_UI(Menu::kUndo, &Frame::OnUpdateUndo)
  ON_COMMAND(Menu::kUndo, &Frame::OnUndo)
  ON_COMMAND(Menu::kRedo, &Frame::OnRedo)
  ON_COMMAND(Menu::kOptions, &Frame::OnOptions)
  ON_COMMAND(Menu::kAbout, &Frame::OnAbout)
  ON_COMMAND(Menu::kHelp, &Frame::OnHelp)
  ON_COMMAND(Menu::kFixMacroIds, &Frame::OnFixMacroIds)
  ON_COMMAND(kLayoutsButtonId, &Frame::OnSwitchLayout)
  ON_MESSAGE(DocumentChangedMessage, &Frame::RebuildUnsavedMenus)
  ON_MESSAGE(TalvoDataChangedMessage, &Frame::OnTalvoDataChanged)
  ON_MESSAGE(ShowEditorMessage, &Frame::OnShowEditor)
  ON_MESSAGE(ScriptsChangedMessage, &Frame::OnScriptsChanged)
END_MESSAGE_MAP()

Frame** GetFrame() {
  static Frame* frame = nullptr;
  return &frame;
}

int ShowFrame(Frame** frame) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (*frame != nullptr) {
    (*frame)->ShowWindow(SW_RESTORE);
    (*frame)->SetForegroundWindow();
    return 1;
  }
  // A window that cannot be made takes its object with it (the frame deletes itself on failure).
  auto* created = new Frame;
  const CRect initial(60, 60, 1460, 800);
  if (!created->Create(nullptr, GetString(kTitleStringId), WS_OVERLAPPEDWINDOW, initial)) return 0;
  created->ShowWindow(SW_SHOW);
  created->UpdateWindow();
  *frame = created;
  return 1;
}

Frame::Frame() : accelerators_(AcceleratorsEnabled() != FALSE) {}

Frame::~Frame() {
  Frame** global = GetFrame();
  if (*global == this) *global = nullptr;
}

void Frame::SetLayoutsCaption(const std::wstring& caption) {
  if (layouts_.GetSafeHwnd() != nullptr) layouts_.SetWindowText(caption.c_str());
}

BOOL Frame::PreCreateWindow(CREATESTRUCT& cs) {
  if (XmlTalvo* settings = GetTalvo().GetMainDocument()) {
    int x = cs.x, y = cs.y, width = cs.cx, height = cs.cy;
    if (settings->GetPosition(x, y, width, height)) {
      cs.x = x;
      cs.y = y;
      cs.cx = width;
      cs.cy = height;
      ClampToScreen(cs);
    }
  }
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  cs.style = kFrameStyle;
  cs.lpszClass = AfxRegisterWndClass(kFrameClassStyle, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
  return cs.lpszClass != nullptr;
}

int Frame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  const int result = CFrameWnd::OnCreate(lpCreateStruct);
  if (result == -1) return -1;
  CreateControls();
  tabs_.CreatePages(this);
  GetCOREInterface()->RegisterDlgWnd(m_hWnd);
  SetEditorWindow(m_hWnd);
  SetEditorFrame(this);
  return result;
}

void Frame::CreateControls() {
  menu_.Create();
  menuBar_.Create(this, AFX_DEFAULT_TOOLBAR_STYLE, AFX_IDW_MENUBAR);
  menuBar_.CreateFromMenu(menu_.GetSafeHmenu(), FALSE, TRUE);

  CRect client;
  GetClientRect(&client);
  const int x0 = client.Width() - 203;
  menuBar_.SetWindowPos(nullptr, 0, 0, x0 - 2, kTopBand, SWP_NOZORDER | SWP_NOACTIVATE);
  layoutLabel_.Create(GetString(131), WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(x0, 4, x0 + 90, 24), this,
                      kLayoutLabelId);
  // The label takes the menu bar's font, so that it reads as part of the bar.
  layoutLabel_.SetFont(const_cast<CFont*>(&CMFCMenuBar::GetMenuFont()));
  layouts_.Create(L"Layouts", WS_CHILD | WS_VISIBLE, CRect(x0 + 92, 0, x0 + 192, 24), this, kLayoutsButtonId);
  FillLayoutsButton();
}

void Frame::FillLayoutsButton() {
  XmlKeyboardDir* layouts = GetTalvo().GetKeyboards();
  if (layouts == nullptr) return;
  const int current = GetTalvo().GetCurrentKeyboardIndex();
  for (int i = 0; i < layouts->Count(); ++i) {
    XmlKeyboard* layout = layouts->GetKeyboard(i);
    layouts_.AddItem(layout != nullptr ? layout->GetName() : std::wstring());
    if (i == current) layouts_.SetWindowText(layouts_.GetItemText(i).c_str());
  }
}

int Frame::LabelGrowth() {
  if (layoutLabel_.GetSafeHwnd() == nullptr) return 0;
  CClientDC dc(&layoutLabel_);
  CFont* old = dc.SelectObject(const_cast<CFont*>(&CMFCMenuBar::GetMenuFont()));
  const int textWidth = dc.GetTextExtent(std::wstring(GetString(131))).cx;
  dc.SelectObject(old);
  return std::max(0, textWidth + 2 - kLabelWidth);
}

void Frame::PlaceTopBand(int width) {
  const int x0 = width - 201;
  const auto place = [](CWnd& control, int x, int y, int cx, int cy) {
    if (control.GetSafeHwnd() == nullptr) return;
    CRect current;
    control.GetWindowRect(&current);
    if (current.IsRectEmpty()) return;
    control.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  // A label text wider than its place (a wider interface font) takes the room from the menu bar's empty end,
  // so that it stays on one line next to the button.
  const int growth = LabelGrowth();
  place(menuBar_, 0, 0, x0 + 1 - growth, kTopBand);
  place(layoutLabel_, x0 + 2 - growth, 4, kLabelWidth + growth, 20);
  place(layouts_, x0 + 94, 0, 101, kTopBand);
}

void Frame::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
  tabs_.PlaceInFrame();
  CRect client;
  GetClientRect(&client);
  // Minimized: the host gets its accelerators back while the editor is out of the way.
  if (client.IsRectEmpty() && accelerators_) EnableAccelerators();
  PlaceTopBand(client.Width());
}

BOOL Frame::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  CBrush brush(ColorMan()->GetColor(kWindow));
  pDC->FillRect(&client, &brush);
  return TRUE;
}

void Frame::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  CBrush brush(ColorMan()->GetColor(kWindow));
  dc.FillRect(&client, &brush);
}

HBRUSH Frame::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor != CTLCOLOR_STATIC) return CFrameWnd::OnCtlColor(pDC, pWnd, nCtlColor);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(ColorMan()->GetColor(kControlText));
  // The "Keyboard Layout:" label sits in the menu bar's band: it takes the bar's colour, not a patch of its own.
  return ColorMan()->GetBrush(kBackground);
}

void Frame::OnGetMinMaxInfo(MINMAXINFO* info) {
  info->ptMinTrackSize = CPoint(kMinWidth, kMinHeight);
  info->ptMaxSize = CPoint(kMaxWidth, kMaxHeight);
  info->ptMaxTrackSize = CPoint(kMaxWidth, kMaxHeight);
}

void Frame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  if (nState != WA_INACTIVE) {
    accelerators_ = AcceleratorsEnabled() != FALSE;
    DebugPrint(_M("nState!=0 ,m_accelerators = %i   \n"), accelerators_ ? 1 : 0);
    if (accelerators_) DisableAccelerators();
  } else {
    DebugPrint(_M("nState==0 ,m_accelerators = %i   \n"), accelerators_ ? 1 : 0);
    if (accelerators_) EnableAccelerators();
  }
  DebugPrint(_M("nState = %i, bMinimized=%i  \n"), static_cast<int>(nState), bMinimized ? 1 : 0);
  CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
}

void Frame::OnDestroy() {
  StorePosition();
  if (accelerators_) EnableAccelerators();
  GetCOREInterface()->UnRegisterDlgWnd(m_hWnd);
  SetEditorFrame(nullptr);
  SetEditorWindow(nullptr);
  CFrameWnd::OnDestroy();
}

void Frame::StorePosition() {
  XmlTalvo* settings = GetTalvo().GetMainDocument();
  if (settings == nullptr) return;
  // The normal placement, so that a minimized editor keeps the rectangle it had; its size is exactly the
  // window's, so that reopening gives the same size back. It is in workspace coordinates (the work area
  // starts at 0, 0) and is stored in screen coordinates, in which the window is made again.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!::GetWindowPlacement(m_hWnd, &placement)) return;
  RECT normal = placement.rcNormalPosition;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&normal, MONITOR_DEFAULTTONEAREST), &monitor)) {
    ::OffsetRect(&normal, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
  }
  settings->SetPosition(normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top);
}

}  // namespace Talvo
