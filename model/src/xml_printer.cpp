#include "xml_printer.h"

#include <array>
#include <cstring>
#include <string_view>

namespace Talvo {

namespace {

using Node = rapidxml::xml_node<char>;

// The characters written as references, except `kept` (the quote that does not delimit the value).
constexpr std::array<bool, 256> MarkupCharacters(char kept) {
  std::array<bool, 256> markup{};
  for (const char c : {'<', '>', '\'', '"', '&'}) markup[static_cast<unsigned char>(c)] = c != kept;
  return markup;
}

std::string_view ReferenceOf(char c) {
  switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\'': return "&apos;";
    case '"': return "&quot;";
    default: return "&amp;";
  }
}

// Appends `text` with markup characters as references: the plain runs between them in one piece each.
template <char Kept>
void AppendEscaped(std::string& out, const char* text, std::size_t size) {
  static constexpr std::array<bool, 256> kMarkup = MarkupCharacters(Kept);
  const char* const end = text + size;
  while (text != end) {
    const char* plain = text;
    while (plain != end && !kMarkup[static_cast<unsigned char>(*plain)]) ++plain;
    out.append(text, plain);
    if (plain == end) return;
    out.append(ReferenceOf(*plain));
    text = plain + 1;
  }
}

void AppendIndent(std::string& out, int indent) { out.append(static_cast<std::size_t>(indent), '\t'); }

void AppendName(std::string& out, const Node& node) { out.append(node.name(), node.name_size()); }

// A value holding a double quote is enclosed in single quotes, and then single quotes inside are escaped.
void AppendAttributes(std::string& out, const Node& node) {
  for (const auto* attribute = node.first_attribute(); attribute; attribute = attribute->next_attribute()) {
    out += ' ';
    out.append(attribute->name(), attribute->name_size());
    const char* value = attribute->value();
    const std::size_t size = attribute->value_size();
    if (std::memchr(value, '"', size) != nullptr) {
      out += "='";
      AppendEscaped<'"'>(out, value, size);
      out += '\'';
    } else {
      out += "=\"";
      AppendEscaped<'\''>(out, value, size);
      out += '"';
    }
  }
}

void AppendNode(std::string& out, const Node& node, int indent);

void AppendChildren(std::string& out, const Node& node, int indent) {
  for (const Node* child = node.first_node(); child; child = child->next_sibling()) AppendNode(out, *child, indent);
}

// An element without value or children closes itself; one whose only content is text keeps it on its line.
void AppendElement(std::string& out, const Node& node, int indent) {
  AppendIndent(out, indent);
  out += '<';
  AppendName(out, node);
  AppendAttributes(out, node);
  const Node* child = node.first_node();
  if (node.value_size() == 0 && child == nullptr) {
    out += "/>";
    return;
  }
  out += '>';
  if (child == nullptr) {
    AppendEscaped<'\0'>(out, node.value(), node.value_size());
  } else if (child->next_sibling() == nullptr && child->type() == rapidxml::node_data) {
    AppendEscaped<'\0'>(out, child->value(), child->value_size());
  } else {
    out += '\n';
    AppendChildren(out, node, indent + 1);
    AppendIndent(out, indent);
  }
  out += "</";
  AppendName(out, node);
  out += '>';
}

// Every node ends with a line break, the document too (after its last child's).
void AppendNode(std::string& out, const Node& node, int indent) {
  switch (node.type()) {
    case rapidxml::node_document:
      AppendChildren(out, node, indent);
      break;
    case rapidxml::node_element:
      AppendElement(out, node, indent);
      break;
    case rapidxml::node_data:
      AppendIndent(out, indent);
      AppendEscaped<'\0'>(out, node.value(), node.value_size());
      break;
    case rapidxml::node_cdata:
      AppendIndent(out, indent);
      out += "<![CDATA[";
      out.append(node.value(), node.value_size());
      out += "]]>";
      break;
    default:
      break;  // the documents' parse keeps no declarations, comments, doctypes or instructions
  }
  out += '\n';
}

}  // namespace

void AppendXmlText(std::string& out, const rapidxml::xml_node<char>& node) { AppendNode(out, node, 0); }

}  // namespace Talvo
