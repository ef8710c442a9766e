#include "glyphs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace icongen {

Canvas::Canvas(cairo_t* cr, double size, const Ink& ink) : cr_(cr), size_(size), ink_(ink) {}

double Canvas::LinePx() const { return std::max(1.25, size_ / 11.0); }

void Canvas::Source(const Rgb& color, double alpha) const {
  cairo_set_source_rgba(cr_, color.r, color.g, color.b, alpha);
}

void Canvas::StrokeInk(double pixels) const {
  Source(ink_.ink);
  cairo_set_line_width(cr_, Px(pixels));
  cairo_stroke(cr_);
}

void Canvas::StrokeAccent(double pixels) const {
  Source(ink_.accent);
  cairo_set_line_width(cr_, Px(pixels));
  cairo_stroke(cr_);
}

void Canvas::FillInk() const {
  Source(ink_.ink);
  cairo_fill(cr_);
}

void Canvas::FillAccent(double alpha) const {
  Source(ink_.accent, alpha);
  cairo_fill(cr_);
}

void Canvas::PixelRect(double x, double y, double width, double height) const {
  const double left = std::round(x * size_);
  const double top = std::round(y * size_);
  const double right = std::round((x + width) * size_);
  const double bottom = std::round((y + height) * size_);
  cairo_rectangle(cr_, Px(left), Px(top), Px(right - left), Px(bottom - top));
}

void Canvas::RoundedRect(double x, double y, double width, double height, double radius) const {
  const double pi = std::numbers::pi;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x + width - radius, y + radius, radius, -pi / 2, 0);
  cairo_arc(cr_, x + width - radius, y + height - radius, radius, 0, pi / 2);
  cairo_arc(cr_, x + radius, y + height - radius, radius, pi / 2, pi);
  cairo_arc(cr_, x + radius, y + radius, radius, pi, 3 * pi / 2);
  cairo_close_path(cr_);
}

void Canvas::Text(const char* text, double centerX, double centerY, double height) const {
  cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr_, height);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, text, &extents);
  cairo_move_to(cr_, centerX - extents.x_bearing - extents.width / 2, centerY - extents.y_bearing - extents.height / 2);
  cairo_text_path(cr_, text);
}

void PaintGlyph(cairo_t* cr, double x, double y, double size, const Ink& ink, const Glyph& glyph) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, size, size);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  if (ink.backdrop) {
    cairo_set_source_rgba(cr, ink.backdropColor.r, ink.backdropColor.g, ink.backdropColor.b, 0.3);
    cairo_rectangle(cr, 0, 0, size, size);
    cairo_fill(cr);
  }
  cairo_translate(cr, ink.shift, ink.shift);
  cairo_scale(cr, size, size);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  glyph(Canvas(cr, size, ink));
  cairo_restore(cr);
}

namespace glyphs {
namespace {

void Line(const Canvas& c, double x0, double y0, double x1, double y1) {
  cairo_move_to(c.cr(), x0, y0);
  cairo_line_to(c.cr(), x1, y1);
}

void Polyline(const Canvas& c, std::initializer_list<std::pair<double, double>> points) {
  bool first = true;
  for (const auto& [x, y] : points) {
    if (first) cairo_move_to(c.cr(), x, y);
    else cairo_line_to(c.cr(), x, y);
    first = false;
  }
}

// Everything outside a rectangle stays drawable; used where one shape lies in front of another.
void ClipOutside(const Canvas& c, double x, double y, double width, double height) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, -1, -1, 3, 3);
  cairo_rectangle(cr, x, y, width, height);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// Two pages, the second in front of the first; the front one filled with the accent when asked.
void TwoPages(const Canvas& c, bool filledFront) {
  const double width = 0.42;
  const double height = 0.52;
  cairo_save(c.cr());
  ClipOutside(c, 0.4 - c.Px(1), 0.33 - c.Px(1), width + c.Px(2), height + c.Px(2));
  cairo_rectangle(c.cr(), 0.18, 0.15, width, height);
  c.StrokeInk(c.LinePx() * 0.8);
  cairo_restore(c.cr());
  if (filledFront) {
    cairo_rectangle(c.cr(), 0.4, 0.33, width, height);
    c.FillAccent(0.55);
  }
  cairo_rectangle(c.cr(), 0.4, 0.33, width, height);
  c.StrokeInk(c.LinePx() * 0.8);
}

void Tray(const Canvas& c) {
  Polyline(c, {{0.15, 0.6}, {0.15, 0.85}, {0.85, 0.85}, {0.85, 0.6}});
  c.StrokeInk(c.LinePx());
}

// The corners of a flat 2 × 2 quad mesh: columns and rows at these unit positions.
constexpr double kMesh[3] = {0.16, 0.5, 0.84};

void MeshLines(const Canvas& c) {
  for (double v : kMesh) {
    Line(c, v, kMesh[0], v, kMesh[2]);
    Line(c, kMesh[0], v, kMesh[2], v);
  }
  c.StrokeInk(1.25);
}

void CurvedArrow(const Canvas& c) {
  const double pi = std::numbers::pi;
  cairo_new_path(c.cr());
  cairo_move_to(c.cr(), 0.77, 0.8);
  cairo_line_to(c.cr(), 0.77, 0.55);
  cairo_arc_negative(c.cr(), 0.5, 0.55, 0.27, 0, -pi);
  c.StrokeInk(c.LinePx());
  Polyline(c, {{0.1, 0.44}, {0.23, 0.6}, {0.36, 0.44}});
  c.StrokeInk(c.LinePx());
}

}  // namespace

void Plus(const Canvas& c) {
  const double thickness = c.Px(c.size() < 24 ? 2 : 4);
  c.PixelRect(0.5 - thickness / 2, 0.2, thickness, 0.6);
  c.PixelRect(0.2, 0.5 - thickness / 2, 0.6, thickness);
  c.FillInk();
}

void Dot(const Canvas& c) {
  cairo_arc(c.cr(), 0.5, 0.5, 0.2, 0, 2 * std::numbers::pi);
  c.FillInk();
}

void ArrowLeft(const Canvas& c) {
  Polyline(c, {{0.6, 0.25}, {0.36, 0.5}, {0.6, 0.75}});
  c.StrokeInk(c.LinePx() * 1.2);
}

void ArrowRight(const Canvas& c) {
  Polyline(c, {{0.4, 0.25}, {0.64, 0.5}, {0.4, 0.75}});
  c.StrokeInk(c.LinePx() * 1.2);
}

void ArrowUp(const Canvas& c) {
  Polyline(c, {{0.25, 0.6}, {0.5, 0.36}, {0.75, 0.6}});
  c.StrokeInk(c.LinePx() * 1.2);
}

void ArrowDown(const Canvas& c) {
  Polyline(c, {{0.25, 0.4}, {0.5, 0.64}, {0.75, 0.4}});
  c.StrokeInk(c.LinePx() * 1.2);
}

void Save(const Canvas& c) {
  c.RoundedRect(0.16, 0.16, 0.68, 0.68, 0.06);
  c.StrokeInk(c.LinePx());
  c.PixelRect(0.34, 0.16, 0.3, 0.22);
  c.FillInk();
  c.PixelRect(0.3, 0.56, 0.4, 0.28);
  c.FillAccent();
}

void Load(const Canvas& c) {
  Polyline(c, {{0.14, 0.78}, {0.14, 0.24}, {0.4, 0.24}, {0.48, 0.34}, {0.8, 0.34}, {0.8, 0.48}});
  c.StrokeInk(c.LinePx());
  Polyline(c, {{0.14, 0.78}, {0.28, 0.48}, {0.92, 0.48}, {0.8, 0.78}});
  cairo_close_path(c.cr());
  c.FillAccent(0.6);
  Polyline(c, {{0.14, 0.78}, {0.28, 0.48}, {0.92, 0.48}, {0.8, 0.78}});
  cairo_close_path(c.cr());
  c.StrokeInk(c.LinePx());
}

void Copy(const Canvas& c) { TwoPages(c, false); }

void Clone(const Canvas& c) { TwoPages(c, true); }

void Paste(const Canvas& c) {
  c.RoundedRect(0.2, 0.2, 0.6, 0.68, 0.05);
  c.StrokeInk(c.LinePx());
  c.PixelRect(0.35, 0.1, 0.3, 0.18);
  c.FillInk();
  Line(c, 0.34, 0.5, 0.66, 0.5);
  Line(c, 0.34, 0.68, 0.58, 0.68);
  c.StrokeAccent(c.LinePx());
}

void Delete(const Canvas& c) {
  Line(c, 0.25, 0.25, 0.75, 0.75);
  Line(c, 0.75, 0.25, 0.25, 0.75);
  c.StrokeInk(c.LinePx() * 1.3);
}

void NewDocument(const Canvas& c) {
  Polyline(c, {{0.22, 0.12}, {0.56, 0.12}, {0.78, 0.34}, {0.78, 0.88}, {0.22, 0.88}});
  cairo_close_path(c.cr());
  Polyline(c, {{0.56, 0.12}, {0.56, 0.34}, {0.78, 0.34}});
  c.StrokeInk(c.LinePx() * 0.9);
  Line(c, 0.5, 0.48, 0.5, 0.76);
  Line(c, 0.36, 0.62, 0.64, 0.62);
  c.StrokeAccent(c.LinePx());
}

void Import(const Canvas& c) {
  Tray(c);
  Line(c, 0.5, 0.1, 0.5, 0.62);
  Polyline(c, {{0.32, 0.45}, {0.5, 0.64}, {0.68, 0.45}});
  c.StrokeAccent(c.LinePx());
}

void Export(const Canvas& c) {
  Tray(c);
  Line(c, 0.5, 0.68, 0.5, 0.12);
  Polyline(c, {{0.32, 0.3}, {0.5, 0.11}, {0.68, 0.3}});
  c.StrokeAccent(c.LinePx());
}

void ExportArchive(const Canvas& c) {
  cairo_rectangle(c.cr(), 0.16, 0.46, 0.68, 0.42);
  c.StrokeInk(c.LinePx());
  for (int i = 0; i < 3; ++i) {
    c.PixelRect(i % 2 == 0 ? 0.45 : 0.5, 0.46 + 0.12 * i, 0.05, 0.07);
  }
  c.FillInk();
  Line(c, 0.5, 0.38, 0.5, 0.08);
  Polyline(c, {{0.36, 0.22}, {0.5, 0.08}, {0.64, 0.22}});
  c.StrokeAccent(c.LinePx());
}

void Rename(const Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, 0.54, 0.44);
  cairo_rotate(cr, -std::numbers::pi / 4);
  cairo_rectangle(cr, -0.24, -0.09, 0.5, 0.18);
  c.StrokeInk(c.LinePx() * 0.9);
  Polyline(c, {{-0.24, -0.09}, {-0.4, 0}, {-0.24, 0.09}});
  cairo_close_path(cr);
  c.FillInk();
  cairo_restore(cr);
  Line(c, 0.14, 0.86, 0.86, 0.86);
  c.StrokeAccent(c.LinePx());
}

void Undo(const Canvas& c) { CurvedArrow(c); }

void Redo(const Canvas& c) {
  cairo_save(c.cr());
  cairo_translate(c.cr(), 1, 0);
  cairo_scale(c.cr(), -1, 1);
  CurvedArrow(c);
  cairo_restore(c.cr());
}

void Keyboard(const Canvas& c) {
  c.RoundedRect(0.08, 0.26, 0.84, 0.5, 0.06);
  c.StrokeInk(c.LinePx() * 0.9);
  for (int i = 0; i < 4; ++i) c.PixelRect(0.2 + 0.16 * i, 0.36, 0.1, 0.1);
  for (int i = 0; i < 3; ++i) c.PixelRect(0.28 + 0.16 * i, 0.5, 0.1, 0.1);
  c.FillInk();
  c.PixelRect(0.3, 0.63, 0.4, 0.06);
  c.FillAccent();
}

void Options(const Canvas& c) {
  const double pi = std::numbers::pi;
  cairo_t* cr = c.cr();
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const double angle = i * pi / teeth;
    const double radius = i % 2 == 0 ? 0.4 : 0.3;
    const double before = angle - pi / teeth / 2.4;
    const double after = angle + pi / teeth / 2.4;
    const double x0 = 0.5 + radius * std::cos(before);
    const double y0 = 0.5 + radius * std::sin(before);
    if (i == 0) cairo_move_to(cr, x0, y0);
    else cairo_line_to(cr, x0, y0);
    cairo_line_to(cr, 0.5 + radius * std::cos(after), 0.5 + radius * std::sin(after));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0.5, 0.5, 0.13, 0, 2 * pi);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  c.FillInk();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void PolyVertex(const Canvas& c) {
  MeshLines(c);
  for (double x : kMesh)
    for (double y : kMesh) c.PixelRect(x - c.Px(2.5), y - c.Px(2.5), c.Px(5), c.Px(5));
  c.FillAccent();
}

void PolyEdge(const Canvas& c) {
  MeshLines(c);
  Line(c, kMesh[0], kMesh[1], kMesh[2], kMesh[1]);
  Line(c, kMesh[1], kMesh[0], kMesh[1], kMesh[1]);
  c.StrokeAccent(3);
}

void PolyFace(const Canvas& c) {
  cairo_rectangle(c.cr(), kMesh[0], kMesh[0], kMesh[1] - kMesh[0], kMesh[1] - kMesh[0]);
  c.FillAccent(0.85);
  MeshLines(c);
}

void PolyBorder(const Canvas& c) {
  // An L-shaped mesh (the top-right quad is missing); its open outline is the border.
  const double a = kMesh[0];
  const double m = kMesh[1];
  const double b = kMesh[2];
  Line(c, a, m, b, m);
  Line(c, m, m, m, b);
  c.StrokeInk(1.25);
  Polyline(c, {{a, a}, {m, a}, {m, m}, {b, m}, {b, b}, {a, b}});
  cairo_close_path(c.cr());
  c.StrokeAccent(2.5);
}

void PolyElement(const Canvas& c) {
  // Two separate pieces; the selected element is the filled one.
  const double a = kMesh[0];
  const double b = kMesh[2];
  cairo_rectangle(c.cr(), a, a, 0.28, b - a);
  c.FillAccent(0.85);
  cairo_rectangle(c.cr(), a, a, 0.28, b - a);
  Line(c, a, 0.5, a + 0.28, 0.5);
  c.StrokeInk(1.25);
  Polyline(c, {{0.58, b}, {b, b}, {b, 0.3}});
  cairo_close_path(c.cr());
  c.StrokeInk(1.25);
}

void PolyGeometry(const Canvas& c) {
  cairo_rectangle(c.cr(), kMesh[0], kMesh[0], kMesh[2] - kMesh[0], kMesh[2] - kMesh[0]);
  c.FillAccent(0.45);
  MeshLines(c);
  cairo_rectangle(c.cr(), kMesh[0], kMesh[0], kMesh[2] - kMesh[0], kMesh[2] - kMesh[0]);
  c.StrokeAccent(2);
}

void Objects(const Canvas& c) {
  const double d = 0.18;  // depth offset of the back face
  Polyline(c, {{0.16, 0.34}, {0.16 + d, 0.34 - d}, {0.66 + d, 0.34 - d}, {0.66, 0.34}});
  cairo_close_path(c.cr());
  c.FillAccent(0.6);
  cairo_rectangle(c.cr(), 0.16, 0.34, 0.5, 0.5);
  Polyline(c, {{0.16, 0.34}, {0.16 + d, 0.34 - d}, {0.66 + d, 0.34 - d}, {0.66 + d, 0.84 - d}, {0.66, 0.84}});
  Line(c, 0.66, 0.34, 0.66 + d, 0.34 - d);
  c.StrokeInk(1.5);
}

void Override(const Canvas& c) {
  const double pi = std::numbers::pi;
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, 0.5, 0.5);
  cairo_scale(cr, 0.15, 0.34);
  cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
  cairo_restore(cr);
  Line(c, 0.16, 0.5, 0.84, 0.5);
  Line(c, 0.5, 0.16, 0.5, 0.84);
  c.StrokeInk(1.25);
  cairo_arc(cr, 0.5, 0.5, 0.34, 0, 2 * pi);
  c.StrokeAccent(2.25);
}

Glyph Marker(int number) {
  return [number](const Canvas& c) {
    c.RoundedRect(0.1, 0.1, 0.8, 0.8, 0.16);
    c.StrokeAccent(c.LinePx());
    const std::string digit = std::to_string(number);
    c.Text(digit.c_str(), 0.5, 0.5, 0.56);
    c.FillInk();
  };
}

Glyph Taps(int count) {
  // Dots laid out as on a die, so that the count reads at a glance.
  return [count](const Canvas& c) {
    static const std::vector<std::pair<double, double>> layouts[4] = {
        {{0.5, 0.5}},
        {{0.3, 0.3}, {0.7, 0.7}},
        {{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}},
        {{0.3, 0.3}, {0.7, 0.3}, {0.3, 0.7}, {0.7, 0.7}}};
    for (const auto& [x, y] : layouts[std::clamp(count, 1, 4) - 1]) {
      cairo_new_sub_path(c.cr());
      cairo_arc(c.cr(), x, y, 0.12, 0, 2 * std::numbers::pi);
    }
    c.FillAccent();
  };
}

void Logo(const Canvas& c) {
  // A key cap with its front lip and the product's initial.
  c.RoundedRect(0.07, 0.07, 0.86, 0.86, 0.18);
  c.StrokeInk(c.LinePx());
  Line(c, 0.26, 0.76, 0.74, 0.76);
  c.StrokeInk(c.LinePx() * 0.7);
  c.Text("Q", 0.5, 0.44, 0.5);
  c.FillAccent();
}

}  // namespace glyphs
}  // namespace icongen
