// The radial chart's fixed layout: how its faces tile the disc, which cell each face and each text
// belongs to.
#include "overlay/radial_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace Talvo::testing {
namespace {

double Degrees(double x, double y) {
  const double degrees = std::atan2(y, x) * 180 / std::numbers::pi;
  return degrees < 0 ? degrees + 360 : degrees;
}

// The cell under a point of the disc, from the chart's design: the key in the centre; the four tap
// cells without modifier keys around it (tap 1 straight up the base direction); Shift, Ctrl and Alt in
// 120-degree sectors (Shift centred on the base direction) of 30-degree tap cells; and the four
// sectors of several keys (all three centred on the base direction) of 22.5-degree tap cells.
ChartCell CellAt(double degrees, double fraction) {
  if (fraction < 0.1) return {0, 1};
  if (fraction < 0.3) return {3, static_cast<int>(std::fmod(degrees + 45, 360) / 90) + 1};
  if (fraction < 0.6) {
    static constexpr ChartCell middle[12] = {{7, 3},  {7, 4},  {11, 1}, {11, 2}, {11, 3}, {11, 4},
                                             {19, 1}, {19, 2}, {19, 3}, {19, 4}, {7, 1},  {7, 2}};
    return middle[static_cast<int>(degrees / 30) % 12];
  }
  static constexpr ChartCell outer[16] = {{31, 3}, {31, 4}, {15, 1}, {15, 2}, {15, 3}, {15, 4}, {27, 1}, {27, 2},
                                          {27, 3}, {27, 4}, {23, 1}, {23, 2}, {23, 3}, {23, 4}, {31, 1}, {31, 2}};
  return outer[static_cast<int>(degrees / 22.5) % 16];
}

ChartPlanePoint Vertex(int index) { return ChartVertexLayout()[static_cast<size_t>(index)]; }

double SignedArea(const std::array<int, 3>& face) {
  const ChartPlanePoint a = Vertex(face[0]), b = Vertex(face[1]), c = Vertex(face[2]);
  return ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
}

TEST(RadialChartTest, FacesTileTheDiscCounterClockwiseWithoutOverlap) {
  double total = 0;
  for (const auto& face : ChartFaceLayout()) {
    for (int corner : face) ASSERT_TRUE(corner >= 0 && corner < kChartVertexCount);
    const double area = SignedArea(face);
    EXPECT_GT(area, 1e-5) << "face " << face[0] << "," << face[1] << "," << face[2];
    total += area;
  }
  // The outer ring bounds the disc; the faces cover exactly its inside.
  double disc = 0;
  for (int i = 0; i < kChartOuterRingSize; ++i) {
    const ChartPlanePoint a = Vertex(i), b = Vertex((i + 1) % kChartOuterRingSize);
    disc += (a.x * b.y - b.x * a.y) / 2;
  }
  EXPECT_NEAR(total, disc, 1e-4);
}

TEST(RadialChartTest, EveryFaceLiesInItsCell) {
  for (int f = 0; f < kChartFaceCount; ++f) {
    const auto& face = ChartFaceLayout()[static_cast<size_t>(f)];
    double x = 0, y = 0;
    for (int corner : face) {
      x += Vertex(corner).x / 3;
      y += Vertex(corner).y / 3;
    }
    const ChartCell expected = CellAt(Degrees(x, y), std::hypot(x, y));
    EXPECT_EQ(ChartCellOfFace(f), expected) << "face " << f;
  }
  EXPECT_EQ(ChartCellOfFace(-1), ChartCell{});
  EXPECT_EQ(ChartCellOfFace(kChartFaceCount), ChartCell{});
  // Faces outside the table take the centre's grey rather than reading past it.
  EXPECT_EQ(ChartSectorColor(-1), Point3(133, 133, 133));
  EXPECT_EQ(ChartSectorColor(kChartFaceCount), Point3(133, 133, 133));
}

TEST(RadialChartTest, CellBordersRunOutFromTheCentre) {
  const auto& borders = ChartBorderOutlines();
  EXPECT_EQ(borders.size(), 32u);  // 16 outer, 12 middle and 4 inner tap cells
  for (const auto& [inner, outer] : borders) {
    ASSERT_TRUE(inner >= 0 && outer >= 0);
    const double inside = Degrees(Vertex(inner).x, Vertex(inner).y);
    const double outside = Degrees(Vertex(outer).x, Vertex(outer).y);
    const double apart = std::fabs(std::remainder(inside - outside, 360.0));
    EXPECT_LT(apart, 1.0) << inner << " -> " << outer;
  }
}

TEST(RadialChartTest, EveryTextSitsInsideItsCell) {
  for (size_t m = 0; m < kChartTextModifiers.size(); ++m) {
    for (int tap = 1; tap <= kChartTapCounts; ++tap) {
      const ChartCellTextPlaces& places = ChartTextPlacesOf(static_cast<int>(m), tap);
      for (const ChartTextPlace& place : {places.caption, places.label}) {
        const ChartCell cell = CellAt(place.angle * 180 / std::numbers::pi, place.fraction);
        EXPECT_EQ(cell, (ChartCell{kChartTextModifiers[m], tap}))
            << int(kChartTextModifiers[m]) << " tap " << tap << " at " << place.angle << ", " << place.fraction;
      }
    }
  }
  EXPECT_LT(kChartCentreText.fraction, 0.1f);
  // Out-of-range indices are clamped rather than read past the table.
  EXPECT_EQ(&ChartTextPlacesOf(99, 9), &ChartTextPlacesOf(7, 4));
  EXPECT_EQ(&ChartTextPlacesOf(-1, 0), &ChartTextPlacesOf(0, 1));
}

}  // namespace
}  // namespace Talvo::testing
