#include "contact_sheet.h"

#include <algorithm>

#include "image_files.h"

namespace icongen {
namespace {

constexpr int kLabelWidth = 200;
constexpr int kGap = 10;
constexpr int kColumnWidth = 960;  // one theme's half of the sheet
constexpr int kRowWidth = kColumnWidth - kLabelWidth - kGap;
constexpr double kScale = 3;

// A tile is one image of the row, or one square icon of a strip; strips wrap over several lines.
struct Tile {
  cairo_surface_t* surface;
  int x;  // source left edge
  int width;
  int height;
};

std::vector<Tile> TilesOf(const SheetRow& row) {
  std::vector<Tile> tiles;
  for (const RenderedImage& image : *row.images) {
    cairo_surface_t* surface = image.surface.get();
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int tileWidth = width > 2 * height ? height : width;
    for (int x = 0; x + tileWidth <= width; x += tileWidth) tiles.push_back({surface, x, tileWidth, height});
  }
  return tiles;
}

int PerLine(const Tile& tile) { return std::max(1, static_cast<int>(kRowWidth / (tile.width * kScale + kGap))); }

int RowHeight(const SheetRow& row) {
  const std::vector<Tile> tiles = TilesOf(row);
  const int lines = (static_cast<int>(tiles.size()) + PerLine(tiles.front()) - 1) / PerLine(tiles.front());
  return lines * static_cast<int>(tiles.front().height * kScale + kGap) + kGap;
}

void Label(cairo_t* cr, const Theme& theme, const std::string& text, double x, double y) {
  cairo_set_source_rgb(cr, theme.ink.r, theme.ink.g, theme.ink.b);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 12);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void DrawRow(cairo_t* cr, const SheetRow& row, double left, double top) {
  Label(cr, *row.theme, row.label, left + kGap, top + kGap + 12);
  const std::vector<Tile> tiles = TilesOf(row);
  const int perLine = PerLine(tiles.front());
  for (size_t i = 0; i < tiles.size(); ++i) {
    const Tile& tile = tiles[i];
    const double x = left + kLabelWidth + static_cast<double>(i % perLine) * (tile.width * kScale + kGap);
    const double y = top + kGap + static_cast<double>(i / perLine) * (tile.height * kScale + kGap);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, kScale, kScale);
    cairo_rectangle(cr, 0, 0, tile.width, tile.height);
    cairo_clip(cr);
    cairo_set_source_surface(cr, tile.surface, -tile.x, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
  }
}

}  // namespace

bool WriteContactSheet(const std::vector<SheetRow>& rows, const std::filesystem::path& path) {
  // Rows of the light theme go to the left column, rows of the dark theme to the right one.
  std::vector<const SheetRow*> columns[2];
  for (const SheetRow& row : rows) {
    if (!row.images->empty()) columns[row.theme == &DarkTheme() ? 1 : 0].push_back(&row);
  }
  int height = 1;
  for (const auto& column : columns) {
    int columnHeight = 0;
    for (const SheetRow* row : column) columnHeight += RowHeight(*row);
    height = std::max(height, columnHeight);
  }
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2 * kColumnWidth, height);
  cairo_t* cr = cairo_create(sheet);
  for (int side = 0; side < 2; ++side) {
    const Theme& theme = side == 0 ? LightTheme() : DarkTheme();
    cairo_set_source_rgb(cr, theme.background.r, theme.background.g, theme.background.b);
    cairo_rectangle(cr, side * kColumnWidth, 0, kColumnWidth, height);
    cairo_fill(cr);
    double top = 0;
    for (const SheetRow* row : columns[side]) {
      DrawRow(cr, *row, side * kColumnWidth, top);
      top += RowHeight(*row);
    }
  }
  cairo_destroy(cr);
  const bool written = WritePng(sheet, path);
  cairo_surface_destroy(sheet);
  return written;
}

}  // namespace icongen
