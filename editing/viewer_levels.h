// The levels a function viewer page steps through: the level codes with their keyword, plural, caption
// and icon, and the level ring built from the modes a function declares for an input.
#pragma once

#include <list>
#include <string>
#include <vector>

namespace Talvo {

// Level codes; a code is also the index of the level's icon in the page's icon list.
enum ViewerLevel : int {
  kLevelVertex = 0,
  kLevelEdge = 1,
  kLevelPolygon = 2,
  kLevelBorder = 3,
  kLevelElement = 4,
  kLevelObjects = 5,
  kLevelOverride = 6,
};

// "vertex", "edge", ..., "objects", "global" for codes 0 to 6; empty for any other code.
std::wstring LevelKeyword(int code);
// "vertices", "edges", ..., "objects", "global".
std::wstring LevelPlural(int code);
// The string-table id of the level's caption ("Vertex Mode", ..., "Objects Mode").
int LevelCaptionId(int code);
// The code of a level keyword ("global" gives the override level); -1 for an unknown keyword.
int LevelCode(const std::wstring& keyword);

// The icon names in icon-list order. The reduced list (an "Unwrap UVW" page) keeps vertex, edge, polygon
// and the override icon only.
std::vector<std::wstring> LevelIconNames(bool reduced);
// The icon-list index that shows a level: on the reduced list the levels above 3 move down by 3.
int LevelIconIndex(int code, bool reduced);

// The level ring of a page: for each level word "vertex", "edge", "polygon", "border", "element" in this
// order, every mode whose lower-cased name contains the word, in the input's order (a mode that contains
// two words comes twice).
std::list<std::wstring> BuildLevelRing(const std::vector<std::wstring>& modes);

}  // namespace Talvo
