// The fixed layout of the radial chart, in the chart's own plane (x along the base direction, y a
// quarter turn counter-clockwise from it as the viewer sees it, lengths in chart radii).
//
// The disc has four bands. The centre (faces 96-103, inside 0.1 R) stands for the key itself. The inner
// band (0.1 R) holds the four tap cells without modifier keys, 90 degrees each. The middle band
// (0.3 R) holds the one-modifier sectors Shift, Ctrl and Alt, 120 degrees each with 30-degree
// tap cells. The outer band (0.6 R-R) holds the sectors of two or three modifier keys, 90 degrees each
// with 22.5-degree tap cells. Every ring carries a vertex on each cell border of the bands it bounds, so
// all borders run straight out from the centre. Angles count counter-clockwise from the base direction.
#pragma once

#include <max.h>

#include <array>
#include <utility>
#include <vector>

namespace Talvo {

inline constexpr int kChartVertexCount = 65;
inline constexpr int kChartFaceCount = 104;
inline constexpr int kChartCentreVertex = 64;
// Faces from here on form the centre disc.
inline constexpr int kChartFirstCentreFace = 96;
inline constexpr int kChartOuterRingSize = 16;
inline constexpr int kChartTapCounts = 4;

struct ChartPlanePoint {
  float x = 0;
  float y = 0;
};

// A cell of the chart: modifier byte and tap count. The centre is modifier byte 0, tap 1.
struct ChartCell {
  unsigned char modifiers = 0;
  int tap = 0;
  friend bool operator==(const ChartCell&, const ChartCell&) = default;
};

// Positions of the 65 vertices: 0-15 the outer ring (R), 16-39 the ring at 0.6 R, 40-55 the ring at
// 0.3 R, 56-63 the ring at 0.1 R, 64 the centre.
const std::array<ChartPlanePoint, kChartVertexCount>& ChartVertexLayout();

// The 104 faces as vertex triples, each counter-clockwise as the viewer sees the chart.
const std::array<std::array<int, 3>, kChartFaceCount>& ChartFaceLayout();

// The cell a face belongs to; {0, 0} for an index outside 0..103.
ChartCell ChartCellOfFace(int face);

// The colour of a face's sector, channels 0..255; faces without a modifier sector (and indices out of
// range) are grey.
Point3 ChartSectorColor(int face);

// Outlines: each ring as a closed loop of vertex indices (outermost first), and each cell border as a
// segment from its inner to its outer end.
const std::vector<std::vector<int>>& ChartRingOutlines();
const std::vector<std::pair<int, int>>& ChartBorderOutlines();

// Where a text sits: angle in radians from the base direction and distance from the centre in radii.
struct ChartTextPlace {
  float angle = 0;
  float fraction = 0;
};
struct ChartCellTextPlaces {
  ChartTextPlace caption;  // the tap caption
  ChartTextPlace label;    // the case's name
};

// The modifier bytes in the order their texts are drawn.
inline constexpr std::array<unsigned char, 8> kChartTextModifiers = {3, 7, 11, 19, 31, 15, 27, 23};
// The text near the centre.
inline constexpr ChartTextPlace kChartCentreText{4.01426f, 0.035f};
// The two texts of a cell; index is the position in kChartTextModifiers, tap 1..4 (clamped).
const ChartCellTextPlaces& ChartTextPlacesOf(int modifierIndex, int tap);
// How many characters a label line of a cell's band may hold.
int ChartLabelWrapWidth(unsigned char modifiers);

}  // namespace Talvo
