#include "editor/layout_key_geometry.h"

#include <algorithm>
#include <array>

#include "model/xml_keyboard.h"

namespace Talvo {

namespace {

constexpr int kInset = 16;  // the margin between the view's edge and the drawing
constexpr int kKeyGap = 6;  // the gap on the right and below every key

constexpr float kKeyWidth = 0.045f;
constexpr float kKeyHeight = 0.16f;
// The tops of the six rows: function keys, digits, upper letters, home row, lower letters, space bar.
constexpr float kRow[6] = {0.0f, 0.21f, 0.37f, 0.53f, 0.69f, 0.85f};

// A key as fractions of the drawing area. Every fraction is single precision, as the drawing was made.
struct KeyShape {
  float x = 0.0f;
  float y = 0.0f;
  float w = kKeyWidth;
  float h = kKeyHeight;
};

KeyShape Shape(float x, float y, float w = kKeyWidth, float h = kKeyHeight) { return {x, y, w, h}; }

bool ShapeOfKey(int kind, int key, KeyShape* shape) {
  const bool ansi = kind == kLayoutKindAnsi;
  const float k = static_cast<float>(key);
  if (key < 0 || key > 104) return false;
  if (key == 0) *shape = Shape(0.0f, kRow[0]);
  else if (key <= 4) *shape = Shape(0.0225f + 0.045f * k, kRow[0]);
  else if (key <= 8) *shape = Shape(0.045f + 0.045f * k, kRow[0]);
  else if (key <= 12) *shape = Shape(0.0675f + 0.045f * k, kRow[0]);
  else if (key <= 15) *shape = Shape(0.084375f + 0.045f * k, kRow[0]);
  else if (key <= 28) *shape = Shape(0.045f * (k - 16.0f), kRow[1]);
  else if (key == 29) *shape = Shape(0.585f, kRow[1], 0.068f);
  else if (key == 30) *shape = Shape(0.0f, kRow[2], 0.06f);
  else if (key <= 42) *shape = Shape(0.015f + 0.045f * (k - 30.0f), kRow[2]);
  else if (key == 43) *shape = ansi ? Shape(0.6f, kRow[2], 0.053f) : Shape(0.056f, kRow[4]);
  else if (key == 44) *shape = Shape(0.0f, kRow[3], ansi ? 0.0775f : 0.06f);
  else if (key <= 55) *shape = Shape(0.045f * (k - 44.0f) + (ansi ? 0.033f : 0.015f), kRow[3]);
  else if (key == 56) *shape = ansi ? Shape(0.573f, kRow[3], 0.079f, 0.16f) : Shape(0.6f, kRow[2], 0.053f, 0.32f);
  else if (key == 57) *shape = Shape(0.0f, kRow[4], ansi ? 0.101f : 0.056f);
  else if (key <= 67) *shape = Shape(0.056f + 0.045f * (k - 57.0f), kRow[4]);
  else if (key == 68) *shape = Shape(0.551f, kRow[4], 0.1015f);
  else if (key <= 71) *shape = Shape(0.058f * (k - 69.0f), kRow[5], 0.058f);
  else if (key == 72) *shape = Shape(0.174f, kRow[5], 0.247f);
  else if (key <= 76) *shape = Shape(0.421f + 0.058f * (k - 73.0f), kRow[5], 0.058f);
  // The navigation block: Insert, Home, Page Up and Delete, End, Page Down run from right to left.
  else if (key <= 79) *shape = Shape(0.084375f + 0.045f * (92.0f - k), kRow[1]);
  else if (key <= 82) *shape = Shape(0.084375f + 0.045f * (95.0f - k), kRow[2]);
  else if (key == 83) *shape = Shape(0.66937506f, kRow[5]);
  else if (key == 84) *shape = Shape(0.714375f, kRow[4]);
  else if (key <= 86) *shape = Shape(0.084375f + 0.045f * (k - 71.0f), kRow[5]);
  // The number pad; plus and Enter span two rows.
  else if (key <= 90) *shape = Shape(0.8225f + 0.045f * (k - 87.0f), kRow[1]);
  else if (key <= 92) *shape = Shape(0.9575f, 0.37f + 0.32f * (k - 91.0f), kKeyWidth, 0.32f);
  else if (key <= 95) *shape = Shape(0.8225f + 0.045f * (k - 93.0f), kRow[2]);
  else if (key <= 98) *shape = Shape(0.8225f + 0.045f * (k - 96.0f), kRow[3]);
  else if (key <= 101) *shape = Shape(0.8225f + 0.045f * (k - 99.0f), kRow[4]);
  else if (key == 102) *shape = Shape(0.8225f, kRow[5], 0.09f);
  else if (key == 103) *shape = Shape(0.9125f, kRow[5]);
  else *shape = Shape(0.555f, kRow[3]);  // 104: the ISO key at the end of the home row
  return true;
}

// A fraction of a length in pixels, truncated toward zero.
int Part(float fraction, int length) { return static_cast<int>(fraction * static_cast<float>(length)); }

}  // namespace

int LayoutKeyCount(int kind) { return kind == kLayoutKindAnsi ? 104 : 105; }

int LayoutKindOfType(const std::wstring& type) { return type == L"0" ? kLayoutKindAnsi : kLayoutKindIso; }

bool KeyRectInClient(int kind, int key, const RECT& client, RECT* rect) {
  KeyShape shape;
  if (rect == nullptr || !ShapeOfKey(kind, key, &shape)) return false;
  if (client.right <= client.left || client.bottom <= client.top) return false;
  const int areaLeft = client.left + kInset;
  const int areaTop = client.top + kInset;
  const int areaRight = client.right - kInset;
  const int areaBottom = client.bottom - kInset;
  const int width = areaRight - areaLeft;
  const int height = areaBottom - areaTop;
  if (width <= 0 || height <= 0) return false;
  const int left = areaLeft + Part(shape.x, width);
  const int top = areaTop + Part(shape.y, height);
  if (left >= areaRight || top >= areaBottom) return false;
  rect->left = left;
  rect->top = top;
  rect->right = std::min(left + Part(shape.w, width) - kKeyGap, areaRight);
  rect->bottom = std::min(top + Part(shape.h, height) - kKeyGap, areaBottom);
  return true;
}

namespace {

// Key numbers 0..104 of the keyboard drawing to the codes a standard keyboard sends.
constexpr std::array<UINT, 105> kDefaultVirtualKeys = {
    27,  112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 154, 145, 19,   // 0-15
    192, 49,  50,  51,  52,  53,  54,  55,  56,  57,  48,  189, 187, 8,   9,         // 16-30
    81,  87,  69,  82,  84,  89,  85,  73,  79,  80,  219, 221, 220, 20,             // 31-44
    65,  83,  68,  70,  71,  72,  74,  75,  76,  186, 222, 13,  16,                  // 45-57
    90,  88,  67,  86,  66,  78,  77,  188, 190, 191, 16,  17,  91,  18,  32,  18,   // 58-73
    92,  93,  17,  45,  36,  33,  46,  35,  34,  37,  38,  40,  39,                  // 74-86
    144, 111, 106, 109, 107, 13,  103, 104, 105, 100, 101, 102, 97,  98,  99,  96,   // 87-102
    110, 163};                                                                       // 103-104

}  // namespace

UINT DefaultVirtualKey(int key) {
  if (key < 0 || key >= static_cast<int>(kDefaultVirtualKeys.size())) return 0;
  return kDefaultVirtualKeys[static_cast<size_t>(key)];
}

UINT VirtualKeyOfKey(const XmlKeyboard* keyboard, int key) {
  const int own = keyboard != nullptr ? keyboard->GetVirtOfKey(key) : -1;
  return own > 0 ? static_cast<UINT>(own) : DefaultVirtualKey(key);
}

}  // namespace Talvo
