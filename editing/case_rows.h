// The rows of a function editor page, worked out from the function alone: for the page's input and level,
// one count row per selection count under a root row, one group row per modifier combination under each
// count row and one row per tap count under each group row, with their captions, which of them carry a
// tree button, which are hidden because the function lacks the case, and which are collapsed. The page
// binds the rows to its tree grid; nothing here touches a window.
#pragma once

#include <list>
#include <string>
#include <vector>

#include "model/vocabulary.h"
#include "model/xml_function.h"

namespace Talvo {

// Level codes of a function editor page; the code is also the index of the level's picture.
enum EditorLevel : int {
  kEditorVertex = 0,
  kEditorEdge = 1,
  kEditorPolygon = 2,
  kEditorBorder = 3,
  kEditorElement = 4,
  kEditorObjects = 5,
  kEditorGlobal = 6,
  kEditorAllElements = 7,
};
inline constexpr int kEditorLevelCount = 8;

// Keyword, plural and title string id of a level code; empty / 0 for an unknown code.
std::wstring EditorLevelKeyword(int code);
std::wstring EditorLevelPlural(int code);
int EditorLevelTitleId(int code);
// The code of a keyword ("global" gives 6); -1 when unknown. An "Unwrap UVW" page knows no border or element.
int EditorLevelCode(const std::wstring& keyword, bool unwrap);
// The code of a title string id (146..150, 281, 314); -1 when unknown.
int EditorLevelOfTitle(int titleId, bool unwrap);

// The level ring of a page: for each of "vertex", "edge", "polygon" and, except on an "Unwrap UVW" page,
// "border", "element", every mode name that contains it (lower-cased), in the input's order.
std::list<std::wstring> BuildEditorLevelRing(const std::vector<std::wstring>& modes, bool unwrap);
// The level a ring entry stands for; -1 when it contains no level word.
int EditorLevelOfRingEntry(const std::wstring& entry, bool unwrap);
// The level a page falls back to without a ring entry: 0, or the page's own level by its name and the
// function's kind.
int FallbackEditorLevel(const XmlFunction* function, const std::wstring& page);

// The case a page shows expanded: its selection-count block and modifier group (-1: none).
struct ExpandedCase {
  int selection = -1;
  unsigned char modifiers = 0;
};

enum class CaseRowKind { Root, Count, Group, Tap };

struct CaseRow {
  CaseRowKind kind = CaseRowKind::Root;
  int parent = -1;               // the row of the parent node; -1 under the tree root
  std::wstring caption;          // column 2
  int selection = 0;
  unsigned char modifiers = 3;
  int press = 0;                 // tap rows: 1 to 4
  bool buttonCell = false;       // column 2 carries a tree button
  bool buttonEnabled = true;     // the root row's button may be used
  bool hidden = false;           // the function lacks the case
  bool collapsed = false;
};

struct CaseGridRequest {
  const XmlFunction* function = nullptr;
  std::wstring page;
  int level = 0;
  bool hasRingEntry = false;
  ExpandedCase expanded;
  bool openedFromNew = false;    // a new function opens with its plain tap group expanded
};

struct CaseGridPlan {
  int kind = 0;
  std::wstring keyword;          // the mode the cases are read with
  ExpandedCase expanded;         // the expanded case the rows follow
  bool cornerButton = false;     // the level has no case: offer the grid's corner button
  bool endsWithoutRows = false;  // the page shows no rows at all
  std::vector<CaseRow> rows;
};

CaseGridPlan PlanCaseGrid(const CaseGridRequest& request);

// The eight modifier groups in row order: their bytes and caption prefixes.
unsigned char ModifierGroupByte(int group);
std::wstring ModifierGroupPrefix(int group);
inline constexpr int kModifierGroupCount = 8;


}  // namespace Talvo
