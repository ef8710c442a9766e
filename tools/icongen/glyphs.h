// The drawings: each glyph paints itself into a square of `size` pixels with the colours of one state.
#pragma once

#include <cairo.h>

#include <functional>

#include "themes.h"

namespace icongen {

// A square drawing area in unit coordinates (0..1 across), with the colours of one image state.
class Canvas {
 public:
  Canvas(cairo_t* cr, double size, const Ink& ink);
  cairo_t* cr() const { return cr_; }
  double size() const { return size_; }
  // The unit length of a number of pixels.
  double Px(double pixels) const { return pixels / size_; }
  // The standard stroke width, in pixels: heavier on larger images.
  double LinePx() const;

  void StrokeInk(double pixels) const;
  void StrokeAccent(double pixels) const;
  void FillInk() const;
  void FillAccent(double alpha = 1.0) const;
  // A rectangle snapped to whole pixels, so that small straight glyphs stay crisp.
  void PixelRect(double x, double y, double width, double height) const;
  void RoundedRect(double x, double y, double width, double height, double radius) const;
  // Centred bold text, `height` units tall.
  void Text(const char* text, double centerX, double centerY, double height) const;

 private:
  void Source(const Rgb& color, double alpha = 1.0) const;
  cairo_t* cr_;
  double size_;
  Ink ink_;
};

using Glyph = std::function<void(const Canvas&)>;

// Paints one glyph into a square cell of `size` pixels at (x, y) of the context, with the look of `ink`
// (including the pushed shift and backdrop).
void PaintGlyph(cairo_t* cr, double x, double y, double size, const Ink& ink, const Glyph& glyph);

namespace glyphs {
void Plus(const Canvas& c);
void Dot(const Canvas& c);
void ArrowLeft(const Canvas& c);
void ArrowRight(const Canvas& c);
void ArrowUp(const Canvas& c);
void ArrowDown(const Canvas& c);

void Save(const Canvas& c);
void Load(const Canvas& c);
void Copy(const Canvas& c);
void Paste(const Canvas& c);
void Delete(const Canvas& c);
void NewDocument(const Canvas& c);
void Import(const Canvas& c);
void Export(const Canvas& c);
void ExportArchive(const Canvas& c);
void Clone(const Canvas& c);
void Rename(const Canvas& c);
void Undo(const Canvas& c);
void Redo(const Canvas& c);
void Keyboard(const Canvas& c);
void Options(const Canvas& c);
void Help(const Canvas& c);

void PolyVertex(const Canvas& c);
void PolyEdge(const Canvas& c);
void PolyFace(const Canvas& c);
void PolyBorder(const Canvas& c);
void PolyElement(const Canvas& c);
void PolyGeometry(const Canvas& c);
void Objects(const Canvas& c);
void Override(const Canvas& c);

Glyph Marker(int number);
Glyph Taps(int count);
void Logo(const Canvas& c);
}  // namespace glyphs

}  // namespace icongen
