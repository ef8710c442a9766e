// DrawText: text laid out in a rectangle, with prefixes, wrapping, ellipses and alignment.
#include <cwchar>
#include <string>

#include "gdi_paint.h"
#include "gdi_text_layout.h"

using namespace win32_internal;

namespace {

struct PreparedText {
  std::wstring text;
  int underlined = -1;  // index in `text` of the character after a single '&'
};

// Removes prefix characters: "&x" shows x underlined, "&&" shows "&". Single-line text loses its
// line breaks; other text has CR LF and CR turned into LF.
PreparedText Prepare(const wchar_t* text, int length, UINT format) {
  PreparedText result;
  result.text.reserve(static_cast<std::size_t>(length));
  const bool prefixes = (format & DT_NOPREFIX) == 0;
  for (int i = 0; i < length; ++i) {
    wchar_t c = text[i];
    if (prefixes && c == L'&') {
      if (i + 1 < length && text[i + 1] == L'&') {
        ++i;
      } else {
        if (i + 1 < length && (format & DT_HIDEPREFIX) == 0) result.underlined = static_cast<int>(result.text.size());
        continue;
      }
    }
    if (c == L'\r' || c == L'\n') {
      if (format & DT_SINGLELINE) continue;
      if (c == L'\r' && i + 1 < length && text[i + 1] == L'\n') ++i;
      c = L'\n';
    }
    result.text += c;
  }
  return result;
}

int TextWidth(DcObject& dc, const std::wstring& text) {
  return DcLayout(dc, ToUtf8(text.data(), static_cast<int>(text.size())).bytes).box.width;
}

// The longest start of `text` that fits `width` with "..." after it, and the dots; the text itself when
// it fits whole. A surrogate pair is never split.
std::wstring EndEllipsized(DcObject& dc, const std::wstring& text, int width) {
  if (TextWidth(dc, text) <= width) return text;
  std::size_t fits = 0;
  std::size_t tooLong = text.size();
  while (tooLong - fits > 1) {
    const std::size_t middle = (fits + tooLong) / 2;
    if (TextWidth(dc, text.substr(0, middle) + L"...") <= width) {
      fits = middle;
    } else {
      tooLong = middle;
    }
  }
  if (fits > 0 && text[fits - 1] >= 0xD800 && text[fits - 1] <= 0xDBFF) --fits;
  return text.substr(0, fits) + L"...";
}

// Every pixel the text at (x, y) may touch, and its background when one is given. The ink is widened by a
// pixel on each side: glyph positions are rounded to whole pixels when they are drawn.
RECT Drawn(const LaidOutText& text, int x, int y, const RECT* background) {
  const PangoRectangle& ink = text.ink;
  RECT drawn{x + ink.x - 1, y + ink.y - 1, x + ink.x + ink.width + 1, y + ink.y + ink.height + 1};
  if (background != nullptr) {
    drawn = {std::min(drawn.left, background->left), std::min(drawn.top, background->top),
             std::max(drawn.right, background->right), std::max(drawn.bottom, background->bottom)};
  }
  return drawn;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

int DrawTextImpl(HDC hdc, const wchar_t* text, int length, RECT* rect, UINT format) {
  DrawScope scope(hdc);
  if (!scope || rect == nullptr || (text == nullptr && length != 0)) return 0;
  if (length < 0) length = text == nullptr ? 0 : static_cast<int>(std::wcslen(text));
  PreparedText prepared = Prepare(text, length, format);
  const int width = rect->right - rect->left;
  const bool wrap = (format & DT_SINGLELINE) == 0 && (format & DT_WORDBREAK) != 0;
  const UINT modifiedEnd = DT_MODIFYSTRING | DT_END_ELLIPSIS;
  if ((format & modifiedEnd) == modifiedEnd && (format & DT_CALCRECT) == 0 && !wrap) {
    // The text is cut here rather than by the layout, so that the caller's buffer (which, as on the
    // platform, has room for four more characters) receives exactly the text that is shown.
    std::wstring shown = EndEllipsized(scope.dc(), prepared.text, width);
    if (shown != prepared.text) {
      const int kept = static_cast<int>(shown.size()) - 3;
      if (prepared.underlined >= kept) prepared.underlined = -1;
      wchar_t* buffer = const_cast<wchar_t*>(text);
      buffer[shown.copy(buffer, shown.size())] = L'\0';
      prepared.text = std::move(shown);
    }
    format &= ~static_cast<UINT>(DT_END_ELLIPSIS);
  }
  Utf8Text utf8 = ToUtf8(prepared.text.data(), static_cast<int>(prepared.text.size()));
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  const bool calculate = (format & DT_CALCRECT) != 0;
  const bool ellipsis = (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) != 0;
  const PangoAlignment alignment = (format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                   : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                         : PANGO_ALIGN_LEFT;
  LayoutRequest request{.text = std::move(utf8.bytes), .alignment = alignment};
  if (prepared.underlined >= 0) {
    request.underlineStart = utf8.offsets[prepared.underlined];
    request.underlineEnd = utf8.offsets[prepared.underlined + 1];
  }
  if (wrap) {
    request.width = std::max(width, 1) * PANGO_SCALE;
    request.wrap = (format & DT_EDITCONTROL) ? PANGO_WRAP_WORD_CHAR : PANGO_WRAP_WORD;
  } else if (ellipsis && !calculate) {
    request.width = std::max(width, 0) * PANGO_SCALE;
    request.ellipsize = PANGO_ELLIPSIZE_END;
  }
  const LaidOutText& laidOut = DcLayout(scope.dc(), std::move(request));
  const TextBox box = laidOut.box;
  const int height = prepared.text.empty() ? 0 : box.height;
  if (calculate) {
    rect->right = rect->left + (prepared.text.empty() ? 0 : box.width);
    rect->bottom = rect->top + height;
    return height;
  }
  int y = rect->top;
  if (singleLine && (format & DT_VCENTER)) y = rect->top + (rect->bottom - rect->top - box.height) / 2;
  if (singleLine && (format & DT_BOTTOM)) y = rect->bottom - box.height;
  // A layout with a width aligns its lines itself; one without is placed by hand.
  int x = rect->left;
  const bool placedByHand = pango_layout_get_width(laidOut.layout) < 0;
  if (placedByHand) {
    if (alignment == PANGO_ALIGN_CENTER) x = rect->left + (width - box.width) / 2;
    if (alignment == PANGO_ALIGN_RIGHT) x = rect->right - box.width;
  }
  if (!prepared.text.empty()) {
    DcObject& dc = scope.dc();
    cairo_t* cr = scope.cr();
    const bool opaque = dc.state.bkMode == OPAQUE;
    const int left = placedByHand ? x : x + laidOut.logical.x;
    const RECT background{left, y, left + laidOut.logical.width, y + box.height};
    // Clipping to the rectangle changes no pixel when everything drawn lies inside it, and costs cairo about
    // a tenth of the drawing: it is left out then. Rotated text is always clipped.
    const bool inside = DcFont(dc).log.lfEscapement == 0 &&
                        Inside(Drawn(laidOut, x, y, opaque ? &background : nullptr), *rect);
    const bool clip = (format & DT_NOCLIP) == 0 && !inside;
    if (clip) {
      cairo_save(cr);
      cairo_rectangle(cr, rect->left, rect->top, width, rect->bottom - rect->top);
      cairo_clip(cr);
    }
    if (opaque) {
      SetSourceColor(cr, dc.state.bkColor);
      FillLogicalRect(cr, background);
    }
    ShowLayout(cr, dc, laidOut.layout, x, y);
    if (clip) cairo_restore(cr);
  }
  if (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) return y - rect->top + height;
  return height;
}

}  // namespace

// Returns the height of the text (for DT_VCENTER and DT_BOTTOM, the offset of its bottom from the
// rectangle's top); DT_CALCRECT only measures and moves the rectangle's right and bottom edges.
int DrawTextW(HDC hdc, LPCWSTR text, int length, LPRECT rect, UINT format) {
  return DrawTextImpl(hdc, text, length, rect, format);
}

int DrawTextExW(HDC hdc, LPWSTR text, int length, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  if (rect == nullptr) return 0;
  if (params == nullptr) return DrawTextImpl(hdc, text, length, rect, format);
  RECT inner{rect->left + params->iLeftMargin, rect->top, rect->right - params->iRightMargin, rect->bottom};
  const int height = DrawTextImpl(hdc, text, length, &inner, format);
  if (format & DT_CALCRECT) {
    rect->right = inner.right + params->iRightMargin;
    rect->bottom = inner.bottom;
  }
  if (height != 0) params->uiLengthDrawn = static_cast<UINT>(length < 0 ? std::wcslen(text) : length);
  return height;
}
