// The grid window: its window class, construction with the default look, subclassing of a dialog's custom
// control, destruction, and the message map that connects the window messages to the grid's handlers.
#include "grid/grid_ctrl.h"

#include "controls/cell_icon_button.h"
#include "controls/label.h"
#include "grid/grid_menus.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_MESSAGE(WM_SETFONT, &CGridCtrl::OnSetFont)
  ON_MESSAGE(WM_GETFONT, &CGridCtrl::OnGetFont)
  ON_WM_SYSCOLORCHANGE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_TIMER()
  ON_WM_CAPTURECHANGED()
  ON_WM_SETCURSOR()
  ON_WM_GETDLGCODE()
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_MESSAGE(WM_IME_CHAR, &CGridCtrl::OnImeChar)
  ON_WM_SYSKEYDOWN()
  ON_NOTIFY(GVN_ENDLABELEDIT, IDC_INPLACE_CONTROL, &CGridCtrl::OnEndInPlaceEdit)
  ON_COMMAND(ID_EDIT_COPY, &CGridCtrl::OnEditCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CGridCtrl::OnUpdateEditCopy)
  ON_COMMAND(ID_EDIT_CUT, &CGridCtrl::OnEditCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CGridCtrl::OnUpdateEditCut)
  ON_COMMAND(ID_EDIT_PASTE, &CGridCtrl::OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CGridCtrl::OnUpdateEditPaste)
  ON_COMMAND(ID_EDIT_SELECT_ALL, &CGridCtrl::OnEditSelectAll)
  ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CGridCtrl::OnUpdateEditSelectAll)
  ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace {

// Subclassing moves the window, which may subclass again through the size handling of a derived page.
bool inPreSubclass = false;

}  // namespace

BOOL CGridCtrl::RegisterWindowClass() {
  HINSTANCE instance = AfxGetInstanceHandle();
  WNDCLASSW existing{};
  if (::GetClassInfoW(instance, kGridWindowClass, &existing)) return TRUE;
  WNDCLASSW windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1));
  windowClass.lpszClassName = kGridWindowClass;
  return ::RegisterClassW(&windowClass) != 0;
}

CGridCtrl::CGridCtrl() : m_pRtcDefault(RUNTIME_CLASS(CGridCell)) {
  if (!RegisterWindowClass()) AfxThrowResourceException();
  // Copying to the clipboard goes through OLE data sources; each grid holds one initialisation.
  m_bOleInitialized = SUCCEEDED(OleInitialize(nullptr));
  if (!m_bOleInitialized) {
    ::MessageBoxW(nullptr, L"OLE initialization failed. Make sure that the OLE libraries are the correct version",
                  nullptr, MB_OK);
  }
  ReadSystemColours();
  m_crGridBkColour = m_crShadow;
  m_nRowsPerWheelNotch = ReadWheelScrollLines();
  SetupDefaultCells();
  InstallGridNodeMenu();
}

CGridCtrl::~CGridCtrl() {
  m_pCornerButton.reset();
  m_pCornerLabel.reset();
  m_bDestroying = 1;
  DeleteAllItems(FALSE);
  if (::IsWindow(m_hWnd)) DestroyWindow();
  // The clipboard may still hold a data source the grid made; hand its data over to the clipboard itself.
  if (COleDataSource::GetClipboardOwner() != nullptr) COleDataSource::FlushClipboard();
  if (m_bOleInitialized) OleUninitialize();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle) {
  return CWnd::Create(kGridWindowClass, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CGridCtrl::ReadSystemColours() {
  m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
  m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
  m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
  m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
}

void CGridCtrl::SetupDefaultCells() {
  for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef}) {
    cell->SetGrid(this);
    cell->SetTextClr(m_crWindowText);
    cell->SetBackClr(cell == &m_cellDefault ? m_crWindowColour : m_cr3DFace);
  }
}

void CGridCtrl::PreSubclassWindow() {
  if (inPreSubclass) return;
  inPreSubclass = true;
  CWnd::PreSubclassWindow();
  EnableTitleTips(FALSE);
  if (::IsWindow(m_hWnd)) {
    ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    // Moving the window out and back makes the system draw the new frame.
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);
    CRect grown = rect;
    grown.InflateRect(1, 1);
    MoveWindow(&grown);
    MoveWindow(&rect);
  }
  inPreSubclass = false;
}

}  // namespace Talvo
