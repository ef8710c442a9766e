#include "editor/logo_bitmap.h"

namespace Talvo {

namespace {

constexpr COLORREF kKeyFace = RGB(236, 240, 244);
constexpr COLORREF kKeyEdge = RGB(150, 166, 184);
constexpr COLORREF kKeySide = RGB(196, 206, 218);
constexpr COLORREF kInk = RGB(38, 62, 92);
constexpr COLORREF kTapDot = RGB(242, 155, 48);
constexpr COLORREF kTitle = RGB(255, 255, 255);
constexpr COLORREF kSubtitle = RGB(170, 188, 208);

// A top-to-bottom gradient from slate blue to a deeper navy fills the whole logo.
void FillBackground(HDC dc) {
  TRIVERTEX corners[2] = {{0, 0, 0x3000, 0x4A00, 0x6800, 0},
                          {LogoBitmap::kWidth, LogoBitmap::kHeight, 0x1400, 0x1E00, 0x2C00, 0}};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void FillRoundRect(HDC dc, const RECT& rect, int radius, COLORREF fill, COLORREF edge) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius, radius);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void DrawCentredText(HDC dc, const wchar_t* text, RECT rect, int height, int weight, COLORREF colour) {
  HFONT font = CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Segoe UI");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

// A key cap seen slightly from above: its side, its face and the letter on it.
void DrawKeyCap(HDC dc) {
  FillRoundRect(dc, {17, 38, 110, 135}, 18, kKeySide, kKeyEdge);
  FillRoundRect(dc, {24, 42, 103, 119}, 14, kKeyFace, kKeyEdge);
  DrawCentredText(dc, L"Q", {24, 42, 103, 119}, 54, FW_BOLD, kInk);
}

// Three dots under the key stand for the taps the program counts.
void DrawTapDots(HDC dc) {
  HBRUSH brush = CreateSolidBrush(kTapDot);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  for (int i = 0; i < 3; ++i) {
    const int x = 39 + i * 20;
    Ellipse(dc, x, 148, x + 10, 158);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

void DrawLogo(HDC dc) {
  FillBackground(dc);
  DrawKeyCap(dc);
  DrawTapDots(dc);
  DrawCentredText(dc, L"Quillon", {0, 172, LogoBitmap::kWidth, 204}, 24, FW_BOLD, kTitle);
  DrawCentredText(dc, L"keyboard", {0, 206, LogoBitmap::kWidth, 222}, 12, FW_NORMAL, kSubtitle);
  DrawCentredText(dc, L"productivity", {0, 222, LogoBitmap::kWidth, 238}, 12, FW_NORMAL, kSubtitle);
}

}  // namespace

LogoBitmap::LogoBitmap() {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  // A screen-compatible bitmap is opaque colour, as the logo resource is.
  bitmap_ = CreateCompatibleBitmap(screen, kWidth, kHeight);
  if (memory != nullptr && bitmap_ != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap_);
    DrawLogo(memory);
    SelectObject(memory, old);
  }
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

LogoBitmap::~LogoBitmap() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

}  // namespace Talvo
