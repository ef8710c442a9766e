// Printing a parsed tree as text: the same bytes as the parser library's own printer in its indented
// layout, written run by run instead of character by character.
#pragma once

#include <rapidxml/rapidxml.hpp>

#include <string>

namespace Talvo {

// Appends `node` (a whole document, or one node of it) as the library's printer would print it.
void AppendXmlText(std::string& out, const rapidxml::xml_node<char>& node);

}  // namespace Talvo
