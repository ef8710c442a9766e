#include "story_host_view.h"

#include <host/colors.h>
#include <host/core_interface.h>
#include <host/scene_builder.h>
#include <host/simulation.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace Talvo {

namespace {

constexpr const wchar_t* kViewClass = L"StoryHostView";
constexpr int kViewportSize = 420;
constexpr int kScale = 12;  // pixels per unit of the box
constexpr int kListWidth = 360;
constexpr int kLineHeight = 20;
constexpr int kListenerLines = 4;

INode* ShownNode(HWND window) { return reinterpret_cast<INode*>(::GetWindowLongPtrW(window, 0)); }

// An oblique view: x to the right, y up and to the right, z up.
POINT Project(const Point3& p, const RECT& area) {
  const int originX = area.left + (area.right - area.left) / 3;
  const int originY = area.bottom - (area.bottom - area.top) / 4;
  return {originX + static_cast<LONG>((p.x + 0.5f * p.y) * kScale),
          originY - static_cast<LONG>((p.z + 0.5f * p.y) * kScale)};
}

void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF color) {
  ::SetTextColor(dc, color);
  ::TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void PaintViewport(HDC dc, const RECT& area, INode* node) {
  ::FillRect(dc, &area, ColorMan()->GetBrush(kAppWorkspace));
  const COLORREF text = ColorMan()->GetColor(kText);
  Text(dc, area.left + 8, area.top + 6, L"Perspective: Box001 (Editable Poly, vertex level)", text);
  PolyObject* poly = node != nullptr ? hostsim::GetPolyObject(node) : nullptr;
  if (poly == nullptr) return;
  const MNMesh& mesh = *poly->GetMeshPtr();
  HPEN edgePen = ::CreatePen(PS_SOLID, 1, text);
  HGDIOBJ oldPen = ::SelectObject(dc, edgePen);
  for (int i = 0; i < mesh.ENum(); ++i) {
    const POINT a = Project(mesh.V(mesh.E(i)->v1)->p, area);
    const POINT b = Project(mesh.V(mesh.E(i)->v2)->p, area);
    ::MoveToEx(dc, a.x, a.y, nullptr);
    ::LineTo(dc, b.x, b.y);
  }
  ::SelectObject(dc, oldPen);
  ::DeleteObject(edgePen);
  HBRUSH selected = ::CreateSolidBrush(RGB(230, 40, 40));
  for (int i = 0; i < mesh.VNum(); ++i) {
    if (!mesh.V(i)->GetFlag(MN_SEL)) continue;
    const POINT p = Project(mesh.V(i)->p, area);
    const RECT mark{p.x - 4, p.y - 4, p.x + 5, p.y + 5};
    ::FillRect(dc, &mark, selected);
  }
  ::DeleteObject(selected);
  wchar_t height[64];
  std::swprintf(height, 64, L"selected vertex 0 at z = %.1f", static_cast<double>(mesh.V(0)->p.z));
  Text(dc, area.left + 8, area.bottom - kLineHeight - 4, height, text);
}

int PaintList(HDC dc, int x, int y, const wchar_t* title, const std::vector<std::wstring>& lines) {
  Text(dc, x, y, title, ColorMan()->GetColor(kText));
  y += kLineHeight;
  if (lines.empty()) Text(dc, x + 12, y, L"(empty)", ColorMan()->GetColor(kText));
  for (const std::wstring& line : lines) {
    Text(dc, x + 12, y, line, ColorMan()->GetColor(kWindowText));
    y += kLineHeight;
  }
  return y + kLineHeight;
}

// The listener's last lines, newest last.
std::vector<std::wstring> ListenerTail() {
  std::vector<std::wstring> lines;
  const std::wstring text = hostsim::ListenerText();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(L'\n', start), text.size());
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (lines.size() > kListenerLines) lines.erase(lines.begin(), lines.end() - kListenerLines);
  return lines;
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(window, &paint);
  RECT client{};
  ::GetClientRect(window, &client);
  ::FillRect(dc, &client, ColorMan()->GetBrush(kBackground));
  ::SetBkMode(dc, TRANSPARENT);
  ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
  const RECT viewport{8, 8, 8 + kViewportSize, 8 + kViewportSize};
  PaintViewport(dc, viewport, ShownNode(window));
  const int x = viewport.right + 16;
  int y = PaintList(dc, x, viewport.top, L"Undo", hostsim::UndoLabels());
  y = PaintList(dc, x, y, L"Redo", hostsim::RedoLabels());
  PaintList(dc, x, std::max<int>(y, viewport.bottom - (kListenerLines + 1) * kLineHeight), L"MAXScript Listener",
            ListenerTail());
  ::EndPaint(window, &paint);
  return 0;
}

void RegisterViewClass() {
  WNDCLASSEXW existing{};
  if (::GetClassInfoExW(nullptr, kViewClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ViewProc;
  wc.cbWndExtra = sizeof(LONG_PTR);  // the node shown
  wc.lpszClassName = kViewClass;
  ::RegisterClassExW(&wc);
}

}  // namespace

StoryHostView::~StoryHostView() { Close(); }

void StoryHostView::Show(INode* node) {
  Close();
  RegisterViewClass();
  window_ = ::CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, kViewportSize + 16 + kListWidth + 16,
                              kViewportSize + 16, Host(), nullptr, nullptr, nullptr);
  ::SetWindowLongPtrW(window_, 0, reinterpret_cast<LONG_PTR>(node));
  ::InvalidateRect(window_, nullptr, TRUE);
}

void StoryHostView::Close() {
  if (window_ != nullptr && ::IsWindow(window_)) ::DestroyWindow(window_);
  window_ = nullptr;
}

HWND StoryHostView::Host() const { return GetCOREInterface()->GetMAXHWnd(); }

}  // namespace Talvo
