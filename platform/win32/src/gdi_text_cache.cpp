#include "gdi_text_cache.h"

#include <pango/pangocairo.h>

#include <functional>
#include <list>
#include <unordered_map>

namespace win32_internal {
namespace {

// Enough for every run a few windows show at once; the least recently used layout goes first.
constexpr std::size_t kCapacity = 1024;

struct LayoutKey {
  FontLook look;
  LayoutRequest request;
  bool operator==(const LayoutKey&) const = default;
};

struct LayoutKeyHash {
  std::size_t operator()(const LayoutKey& key) const {
    const FontLook& look = key.look;
    const LayoutRequest& request = key.request;
    std::size_t hash = std::hash<std::string>()(request.text);
    for (const long part : {long{look.height}, long{look.weight}, long{look.italic}, long{look.underline},
                            long{look.strikeOut}, long{request.width}, long{request.wrap}, long{request.ellipsize},
                            long{request.alignment}, long{request.underlineStart}, long{request.underlineEnd}}) {
      hash = hash * 1000003u ^ std::hash<long>()(part);
    }
    return hash;
  }
};

void SetAttributes(PangoLayout* layout, const FontLook& look, const LayoutRequest& request) {
  if (!look.underline && !look.strikeOut && request.underlineStart >= request.underlineEnd) return;
  PangoAttrList* attributes = pango_attr_list_new();
  if (look.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (look.strikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  if (request.underlineStart < request.underlineEnd) {
    PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    underline->start_index = static_cast<guint>(request.underlineStart);
    underline->end_index = static_cast<guint>(request.underlineEnd);
    pango_attr_list_insert(attributes, underline);
  }
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
}

LaidOutText Measured(PangoLayout* layout) {
  LaidOutText text{layout};
  pango_layout_get_extents(layout, &text.ink, &text.logical);
  const PangoRectangle& logical = text.logical;
  text.box = {PANGO_PIXELS_CEIL(logical.x + logical.width) - PANGO_PIXELS_FLOOR(logical.x),
              PANGO_PIXELS_CEIL(logical.height), PANGO_PIXELS(pango_layout_get_baseline(layout))};
  // Rounded outwards, as pango_layout_get_pixel_extents gives them: every pixel the ink touches.
  pango_extents_to_pixels(&text.ink, nullptr);
  pango_extents_to_pixels(&text.logical, nullptr);
  return text;
}

class LayoutCache {
 public:
  LayoutCache() {
    // The context matches an image surface's (every DC draws on one) at the identity transform.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    context_ = pango_cairo_create_context(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    // Hinted metrics give whole-pixel advances and line heights; glyphs are antialiased grey.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
  }
  ~LayoutCache() {
    for (auto& [key, entry] : entries_) g_object_unref(entry.text.layout);
    g_object_unref(context_);
  }
  LayoutCache(const LayoutCache&) = delete;
  LayoutCache& operator=(const LayoutCache&) = delete;

  const LaidOutText& Find(const FontLook& look, const PangoFontDescription* description, LayoutRequest request) {
    LayoutKey key{look, std::move(request)};
    if (const auto found = entries_.find(key); found != entries_.end()) {
      recency_.splice(recency_.begin(), recency_, found->second.place);
      return found->second.text;
    }
    if (entries_.size() >= kCapacity) Evict();
    PangoLayout* layout = Make(key, description);
    const auto added = entries_.emplace(std::move(key), Entry{Measured(layout), {}}).first;
    recency_.push_front(&added->first);
    added->second.place = recency_.begin();
    return added->second.text;
  }

 private:
  using Recency = std::list<const LayoutKey*>;
  struct Entry {
    LaidOutText text;
    Recency::iterator place;
  };

  PangoLayout* Make(const LayoutKey& key, const PangoFontDescription* description) const {
    PangoLayout* layout = pango_layout_new(context_);
    pango_layout_set_font_description(layout, description);
    SetAttributes(layout, key.look, key.request);
    pango_layout_set_width(layout, key.request.width);
    pango_layout_set_wrap(layout, key.request.wrap);
    pango_layout_set_ellipsize(layout, key.request.ellipsize);
    pango_layout_set_alignment(layout, key.request.alignment);
    pango_layout_set_text(layout, key.request.text.data(), static_cast<int>(key.request.text.size()));
    return layout;
  }

  void Evict() {
    const auto oldest = entries_.find(*recency_.back());
    recency_.pop_back();
    g_object_unref(oldest->second.text.layout);
    entries_.erase(oldest);
  }

  PangoContext* context_ = nullptr;
  std::unordered_map<LayoutKey, Entry, LayoutKeyHash> entries_;
  Recency recency_;  // most recently used first
};

}  // namespace

const LaidOutText& CachedLayout(const FontLook& look, const PangoFontDescription* description, LayoutRequest request) {
  // Pango's objects belong to the thread whose font map made them, so each thread keeps its own layouts.
  thread_local LayoutCache cache;
  return cache.Find(look, description, std::move(request));
}

}  // namespace win32_internal
