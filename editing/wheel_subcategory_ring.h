// The order in which a wheel-events page steps through the subcategories of its category: the sub-object
// levels first (vertices, edges, borders, polygons, elements, geometry, subdivision), the rest after them.
#pragma once

#include <list>
#include <string>
#include <vector>

namespace Talvo {

// The names in stepping order: for each level keyword in turn, the names whose lower-case form contains it
// (in list order), then the names that contain none (in list order). Each name appears once, under the
// first keyword it contains.
std::list<std::wstring> OrderSubcategories(const std::vector<std::wstring>& names);

}  // namespace Talvo
