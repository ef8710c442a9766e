// Every image the program loads: its name, how its states are named, its format, size and drawing.
#pragma once

#include <string>
#include <vector>

#include "glyphs.h"

namespace icongen {

enum class ImageKind {
  Button,   // an icon button's images: one file per state suffix "_n_i" ... "_d_a"
  Picture,  // a picture's images: one file per state suffix "_n_i", "_a_i", "_n_a", "_a_a"
  Plain,    // one file without a state suffix (picture lists, tap pictures)
  Strip,    // a horizontal strip of square icons for the host's icon-file loader
};

struct StripCell {
  Glyph glyph;
  bool pressed = false;
};

struct ImageSpec {
  std::string name;
  ImageKind kind = ImageKind::Plain;
  std::string extension;  // "bmp" (magenta key) or "png" (alpha)
  int width = 0;
  int height = 0;
  Glyph glyph;                    // every kind but Strip
  std::vector<StripCell> cells;   // Strip only, left to right, each height × height
};

const std::vector<ImageSpec>& Catalogue();

}  // namespace icongen
