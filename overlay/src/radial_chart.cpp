#include "overlay/radial_chart.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace Talvo {

namespace {

// Angles of ring vertices in steps of 7.5 degrees (48 to the full turn), the finest step any cell
// border needs: 22.5 degrees in the outer band, 30 in the middle band, 45 at the centre.
constexpr int kTurn = 48;

struct Ring {
  int first;       // index of its vertex 0
  int count;       // number of vertices
  float fraction;  // radius in chart radii
};

constexpr Ring kOuterRing{0, 16, 1.0f};
constexpr Ring kRing60{16, 24, 0.6f};
constexpr Ring kRing30{40, 16, 0.3f};
constexpr Ring kRing10{56, 8, 0.1f};

// The step of vertex j of a ring. Each ring repeats its pattern every quarter turn (12 steps): the
// 0.6 R ring carries the borders of both bands next to it (22.5 and 30 degrees), the 0.3 R ring those
// of the middle band and the centre sectors (30 and 45 degrees).
int StepOf(const Ring& ring, int j) {
  static constexpr std::array<int, 6> ring60{0, 3, 4, 6, 8, 9};
  static constexpr std::array<int, 4> ring30{0, 4, 6, 8};
  if (ring.first == kRing60.first) return ring60[static_cast<size_t>(j % 6)] + 12 * (j / 6);
  if (ring.first == kRing30.first) return ring30[static_cast<size_t>(j % 4)] + 12 * (j / 4);
  return j * kTurn / ring.count;
}

ChartPlanePoint Polar(double angle, double fraction) {
  return {static_cast<float>(fraction * std::cos(angle)), static_cast<float>(fraction * std::sin(angle))};
}

ChartPlanePoint Between(const ChartPlanePoint& a, const ChartPlanePoint& b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Even vertices of a ring sit on a regular polygon; each odd vertex sits on the segment between its
// two neighbours, at the fraction (taken from `oddFractions` in turn) that puts it on its border angle.
void PlaceRing(const Ring& ring, double evenStep, std::span<const float> oddFractions,
               std::array<ChartPlanePoint, kChartVertexCount>& out) {
  for (int j = 0; j < ring.count; j += 2) out[static_cast<size_t>(ring.first + j)] = Polar(j * evenStep, ring.fraction);
  for (int j = 1; j < ring.count; j += 2) {
    const auto& before = out[static_cast<size_t>(ring.first + j - 1)];
    const auto& after = out[static_cast<size_t>(ring.first + (j + 1) % ring.count)];
    const float fraction = oddFractions[static_cast<size_t>(j / 2) % oddFractions.size()];
    out[static_cast<size_t>(ring.first + j)] = Between(before, after, fraction);
  }
}

std::array<ChartPlanePoint, kChartVertexCount> MakeVertices() {
  constexpr double pi = std::numbers::pi;
  static constexpr std::array kMidpoint{0.5f};
  // 22.5, 45 and 67.5 degrees on the 30-degree segments of each quarter.
  static constexpr std::array kRing60Fractions{0.75f, 0.5f, 0.25f};
  // 30 and 60 degrees on the 45-degree segments.
  static constexpr std::array kRing30Fractions{2.0f / 3, 1.0f / 3};
  std::array<ChartPlanePoint, kChartVertexCount> vertices{};
  PlaceRing(kOuterRing, pi / 8, kMidpoint, vertices);
  PlaceRing(kRing60, pi / 12, kRing60Fractions, vertices);
  PlaceRing(kRing30, pi / 8, kRing30Fractions, vertices);
  for (int j = 0; j < kRing10.count; ++j) vertices[static_cast<size_t>(kRing10.first + j)] = Polar(j * pi / 4, 0.1);
  vertices[kChartCentreVertex] = {0, 0};
  return vertices;
}

struct RingVertex {
  int step;
  int index;
};

// The vertices of a ring in angle order, closed by vertex 0 again at a full turn; `stride` skips
// vertices (the centre band uses every second vertex of the 0.3 R ring).
std::vector<RingVertex> Loop(const Ring& ring, int stride = 1) {
  std::vector<RingVertex> loop;
  for (int j = 0; j < ring.count; j += stride) loop.push_back({StepOf(ring, j), ring.first + j});
  loop.push_back({kTurn, ring.first});
  return loop;
}

// Triangulates the band between two rings, walking from angle 0 round the turn and always advancing
// on the ring whose next vertex comes first, so that no face crosses a border both rings share.
void AddBand(const std::vector<RingVertex>& inner, const std::vector<RingVertex>& outer,
             std::vector<std::array<int, 3>>& faces) {
  size_t i = 0, o = 0;
  while (i + 1 < inner.size() || o + 1 < outer.size()) {
    const bool advanceOuter = i + 1 == inner.size() || (o + 1 < outer.size() && outer[o + 1].step <= inner[i + 1].step);
    if (advanceOuter) {
      faces.push_back({inner[i].index, outer[o].index, outer[o + 1].index});
      ++o;
    } else {
      faces.push_back({inner[i].index, outer[o].index, inner[i + 1].index});
      ++i;
    }
  }
}

std::array<std::array<int, 3>, kChartFaceCount> MakeFaces() {
  std::vector<std::array<int, 3>> faces;
  AddBand(Loop(kRing60), Loop(kOuterRing), faces);
  AddBand(Loop(kRing30), Loop(kRing60), faces);
  AddBand(Loop(kRing10), Loop(kRing30, 2), faces);
  for (int j = 0; j < kRing10.count; ++j) {
    faces.push_back({kChartCentreVertex, kRing10.first + j, kRing10.first + (j + 1) % kRing10.count});
  }
  std::array<std::array<int, 3>, kChartFaceCount> table{};
  std::copy_n(faces.begin(), std::min<size_t>(faces.size(), table.size()), table.begin());
  return table;
}

// First face of each run of faces that share a cell, in face order.
struct FaceRun {
  int first;
  ChartCell cell;
};
constexpr std::array<FaceRun, 34> kFaceRuns{{
    {0, {31, 3}},  {2, {31, 4}},  {5, {15, 1}},  {8, {15, 2}},  {10, {15, 3}}, {12, {15, 4}}, {15, {27, 1}},
    {18, {27, 2}}, {20, {27, 3}}, {22, {27, 4}}, {25, {23, 1}}, {28, {23, 2}}, {30, {23, 3}}, {32, {23, 4}},
    {35, {31, 1}}, {38, {31, 2}}, {40, {7, 3}},  {43, {7, 4}},  {47, {11, 1}}, {50, {11, 2}}, {53, {11, 3}},
    {57, {11, 4}}, {60, {19, 1}}, {63, {19, 2}}, {67, {19, 3}}, {70, {19, 4}}, {73, {7, 1}},  {77, {7, 2}},
    {80, {3, 1}},  {82, {3, 2}},  {86, {3, 3}},  {90, {3, 4}},  {94, {3, 1}},  {96, {0, 1}},
}};

struct ColourRun {
  int first;
  int last;
  Point3 colour;
};
constexpr std::array<ColourRun, 9> kSectorColours{{
    {40, 46, Point3(170, 170, 95)},   // Shift
    {73, 79, Point3(170, 170, 95)},   // Shift
    {47, 59, Point3(163, 88, 88)},    // Ctrl
    {60, 72, Point3(88, 113, 143)},   // Alt
    {5, 14, Point3(168, 129, 91)},    // Shift and Ctrl
    {15, 24, Point3(128, 106, 145)},  // Ctrl and Alt
    {25, 34, Point3(111, 141, 126)},  // Shift and Alt
    {0, 4, Point3(122, 96, 92)},      // all three
    {35, 39, Point3(122, 96, 92)},    // all three
}};
constexpr Point3 kNeutralColour(133, 133, 133);

std::vector<std::vector<int>> MakeRingOutlines() {
  std::vector<std::vector<int>> rings;
  for (const Ring& ring : {kOuterRing, kRing60, kRing30, kRing10}) {
    std::vector<int> loop;
    for (int j = 0; j < ring.count; ++j) loop.push_back(ring.first + j);
    rings.push_back(std::move(loop));
  }
  return rings;
}

// The vertex of a ring at a step; -1 when the ring has none there.
int VertexAt(const Ring& ring, int step) {
  for (int j = 0; j < ring.count; ++j) {
    if (StepOf(ring, j) == step % kTurn) return ring.first + j;
  }
  return -1;
}

std::vector<std::pair<int, int>> MakeBorderOutlines() {
  std::vector<std::pair<int, int>> borders;
  auto addBorders = [&](const Ring& inner, const Ring& outer, int first, int spacing) {
    for (int step = first; step < kTurn; step += spacing) {
      borders.emplace_back(VertexAt(inner, step), VertexAt(outer, step));
    }
  };
  addBorders(kRing60, kOuterRing, 0, 3);  // 22.5-degree tap cells of the two- and three-key sectors
  addBorders(kRing30, kRing60, 0, 4);     // 30-degree tap cells of the one-key sectors
  addBorders(kRing10, kRing30, 6, 12);    // the four tap cells without modifier keys
  return borders;
}

constexpr std::array<std::array<ChartCellTextPlaces, kChartTapCounts>, 8> kTextPlaces{{
    {{{{0.00000f, 0.250f}, {5.73341f, 0.190f}},
      {{1.57080f, 0.250f}, {1.02102f, 0.190f}},
      {{3.14159f, 0.250f}, {2.59181f, 0.190f}},
      {{4.71239f, 0.250f}, {4.16261f, 0.190f}}}},  // no modifier key
    {{{{5.51524f, 0.540f}, {5.30580f, 0.498f}},
      {{6.02139f, 0.550f}, {5.83813f, 0.470f}},
      {{0.26180f, 0.550f}, {0.07854f, 0.470f}},
      {{0.78540f, 0.550f}, {0.60214f, 0.470f}}}},  // Shift
    {{{{1.15192f, 0.450f}, {1.39626f, 0.324f}},
      {{1.83260f, 0.550f}, {1.64934f, 0.470f}},
      {{2.35619f, 0.550f}, {2.17293f, 0.470f}},
      {{2.87979f, 0.550f}, {2.69653f, 0.470f}}}},  // Ctrl
    {{{{3.40339f, 0.550f}, {3.22013f, 0.470f}},
      {{3.92699f, 0.550f}, {3.74373f, 0.470f}},
      {{4.45059f, 0.550f}, {4.26733f, 0.470f}},
      {{5.09636f, 0.552f}, {4.85202f, 0.552f}}}},  // Alt
    {{{{5.56760f, 0.910f}, {5.55015f, 0.760f}},
      {{6.08684f, 0.910f}, {5.94939f, 0.780f}},
      {{0.19635f, 0.910f}, {0.05890f, 0.780f}},
      {{0.58905f, 0.910f}, {0.45160f, 0.780f}}}},  // Shift, Ctrl and Alt
    {{{{0.98175f, 0.910f}, {0.84430f, 0.780f}},
      {{1.37445f, 0.910f}, {1.23700f, 0.780f}},
      {{1.76715f, 0.910f}, {1.62970f, 0.780f}},
      {{2.15984f, 0.910f}, {2.02240f, 0.780f}}}},  // Shift and Ctrl
    {{{{2.55254f, 0.910f}, {2.41510f, 0.780f}},
      {{2.94524f, 0.910f}, {2.80780f, 0.780f}},
      {{3.33794f, 0.910f}, {3.20050f, 0.780f}},
      {{3.73064f, 0.910f}, {3.59320f, 0.780f}}}},  // Ctrl and Alt
    {{{{4.12334f, 0.910f}, {3.98590f, 0.780f}},
      {{4.51604f, 0.910f}, {4.37859f, 0.780f}},
      {{4.90874f, 0.910f}, {4.77129f, 0.780f}},
      {{5.32325f, 0.920f}, {5.16617f, 0.880f}}}},  // Shift and Alt
}};

}  // namespace

const std::array<ChartPlanePoint, kChartVertexCount>& ChartVertexLayout() {
  static const auto vertices = MakeVertices();
  return vertices;
}

const std::array<std::array<int, 3>, kChartFaceCount>& ChartFaceLayout() {
  static const auto faces = MakeFaces();
  return faces;
}

ChartCell ChartCellOfFace(int face) {
  if (face < 0 || face >= kChartFaceCount) return {};
  const auto next = std::upper_bound(kFaceRuns.begin(), kFaceRuns.end(), face,
                                     [](int f, const FaceRun& run) { return f < run.first; });
  return std::prev(next)->cell;
}

Point3 ChartSectorColor(int face) {
  for (const ColourRun& run : kSectorColours) {
    if (face >= run.first && face <= run.last) return run.colour;
  }
  return kNeutralColour;
}

const std::vector<std::vector<int>>& ChartRingOutlines() {
  static const auto rings = MakeRingOutlines();
  return rings;
}

const std::vector<std::pair<int, int>>& ChartBorderOutlines() {
  static const auto borders = MakeBorderOutlines();
  return borders;
}

const ChartCellTextPlaces& ChartTextPlacesOf(int modifierIndex, int tap) {
  const auto row = static_cast<size_t>(std::clamp(modifierIndex, 0, static_cast<int>(kTextPlaces.size()) - 1));
  return kTextPlaces[row][static_cast<size_t>(std::clamp(tap, 1, kChartTapCounts) - 1)];
}

int ChartLabelWrapWidth(unsigned char modifiers) {
  switch (modifiers & 31) {
    case 3:
      return 10;  // the inner band is short
    case 7:
    case 11:
    case 19:
      return 12;
    default:
      return 14;
  }
}

}  // namespace Talvo
