#include "model/xml_document.h"

#include <windows.h>

#include <cstring>
#include <iterator>

#include <rapidxml/rapidxml_print.hpp>

#include "atomic_file.h"
#include "model/editor_window.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "model/xml_doc_directory.h"

namespace Talvo {

namespace {

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Our documents nest a handful of levels. The parser descends recursively, so absurd nesting in hostile
// input is rejected before it runs. The scan reads the markup as the parser does (quoted attribute values,
// comments, CDATA sections, declarations), so that "/>" or "</" inside them cannot hide real depth.
constexpr int kMaxDepth = 256;

bool NestingWithinLimit(std::string_view text) {
  int depth = 0;
  size_t i = 0;
  auto skipPast = [&](std::string_view end) {
    const size_t found = text.find(end, i);
    i = found == std::string_view::npos ? text.size() : found + end.size();
  };
  while ((i = text.find('<', i)) != std::string_view::npos) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with("<!--")) {
      i += 4;
      skipPast("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      i += 9;
      skipPast("]]>");
    } else if (rest.starts_with("<?")) {
      i += 2;
      skipPast("?>");
    } else if (rest.starts_with("<!")) {
      i += 2;
      skipPast(">");
    } else if (rest.starts_with("</")) {
      if (depth > 0) --depth;  // never below the top level, so stray closing tags cannot buy depth
      i += 2;
      skipPast(">");
    } else {
      // A start tag: up to its '>' outside quoted values; "/>" closes it at once.
      bool selfClosing = false;
      char quote = 0;
      for (++i; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          selfClosing = text[i - 1] == '/';
          ++i;
          break;
        }
      }
      if (!selfClosing && ++depth > kMaxDepth) return false;
    }
  }
  return true;
}

void ShowWarning(const std::wstring& text) {
  MessageBoxW(EditorWindow(), text.c_str(), L"Warning!", MB_OK | MB_ICONWARNING);
}

}  // namespace

XmlDocument::XmlDocument(XmlDocDirectory* owner)
    : owner_(owner), tree_(std::make_unique<rapidxml::xml_document<char>>()) {}

XmlDocument::~XmlDocument() = default;

int XmlDocument::ReplaceTree(std::string_view bytes) {
  std::vector<char> buffer;
  buffer.reserve(bytes.size() + 1);
  buffer.assign(bytes.begin(), bytes.end());
  buffer.push_back('\0');
  return ReplaceTree(std::move(buffer));
}

int XmlDocument::ReplaceTree(std::vector<char>&& buffer) {
  if (!NestingWithinLimit(std::string_view(buffer.data(), buffer.size() - 1))) return kXmlCannotParse;
  auto tree = std::make_unique<rapidxml::xml_document<char>>();
  try {
    tree->parse<0>(buffer.data());
  } catch (const rapidxml::parse_error&) {
    return kXmlCannotParse;
  }
  tree_ = std::move(tree);
  buffer_ = std::move(buffer);
  OnTreeReplaced();
  return kXmlOk;
}

int XmlDocument::Load(const std::filesystem::path& path) {
  std::vector<char> bytes;
  if (!ReadWholeFile(path, bytes)) return kXmlCannotOpen;
  bytes.push_back('\0');
  if (ReplaceTree(std::move(bytes)) != kXmlOk) {
    ShowWarning(L"Can't load file!\n" + path.wstring());
    return kXmlCannotParse;
  }
  name_ = path.stem().wstring();
  saved_ = true;
  return kXmlOk;
}

int XmlDocument::Parse(std::string_view bytes) { return ReplaceTree(bytes); }

std::string XmlDocument::ToText() const {
  std::string text(kHeader);
  rapidxml::print(std::back_inserter(text), *tree_, 0);
  // The printer ends the document with an empty line; files end with a single line break.
  while (text.size() > 1 && text.back() == '\n' && text[text.size() - 2] == '\n') text.pop_back();
  return text;
}

int XmlDocument::SaveAs(const std::filesystem::path& path) const {
  return WriteFileAtomically(path, ToText()) ? kXmlOk : kXmlCannotOpen;
}

bool XmlDocument::Save() {
  const std::filesystem::path path = GetFilePath();
  if (path.empty() || SaveAs(path) != kXmlOk) {
    ShowWarning(L"Can't save file!\n" + (path.empty() ? name_ : path.wstring()));
    return false;  // also for a document that was saved before: this write did not happen
  }
  saved_ = true;
  return true;
}

void XmlDocument::SetName(const std::wstring& name) {
  name_ = name;
  Changed();
}

std::filesystem::path XmlDocument::GetFilePath() const {
  if (!owner_ || owner_->GetFolder().empty()) return {};
  return owner_->GetFolder() / (name_ + L".xml");
}

void XmlDocument::Changed() {
  saved_ = false;
  NotifyDocumentChanged();
}

XmlNode* XmlDocument::Properties(bool create) {
  XmlNode* node = tree_->first_node(TALVO_XML_PROPERTIES);
  if (!node && create) {
    node = tree_->allocate_node(rapidxml::node_element, TALVO_XML_PROPERTIES);
    tree_->prepend_node(node);
  }
  return node;
}

std::wstring XmlDocument::GetProperty(const char* name) const {
  return Utf8ToWide(Attribute(tree_->first_node(TALVO_XML_PROPERTIES), name));
}

void XmlDocument::SetProperty(const char* name, const std::wstring& value) {
  SetAttribute(Properties(true), name, WideToUtf8(value));
  Changed();
}

void XmlDocument::CopyFrom(const XmlDocument& other) {
  if (&other == this) return;
  const std::string text = other.ToText();
  if (ReplaceTree(text) != kXmlOk) return;
  name_ = other.name_;
  owner_ = other.owner_;
  Changed();
}

std::unique_ptr<XmlDocument> XmlDocument::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlDocument>(owner);
}

std::unique_ptr<XmlDocument> XmlDocument::Duplicate() const {
  std::unique_ptr<XmlDocument> copy = MakeEmpty(owner_);
  copy->ReplaceTree(ToText());
  copy->name_ = name_;
  copy->saved_ = false;
  return copy;
}

XmlNode* XmlDocument::GetNode(const char* name) const { return tree_->first_node(name); }

bool XmlDocument::RemoveNode(const char* name) {
  XmlNode* node = tree_->first_node(name);
  if (!node) return false;
  tree_->remove_node(node);
  Changed();
  return true;
}

std::string XmlDocument::Attribute(const XmlNode* node, const char* name) {
  if (!node) return {};
  const auto* attribute = node->first_attribute(name);
  return attribute ? std::string(attribute->value(), attribute->value_size()) : std::string();
}

bool XmlDocument::HasAttribute(const XmlNode* node, const char* name) {
  return node && node->first_attribute(name);
}

std::string XmlDocument::Text(const XmlNode* node) {
  if (!node) return {};
  return std::string(node->value(), node->value_size());
}

char* XmlDocument::Intern(std::string_view text) {
  char* copy = tree_->allocate_string(nullptr, text.size() + 1);
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

void XmlDocument::SetAttribute(XmlNode* node, const char* name, std::string_view value) {
  if (!node) return;
  char* stored = Intern(value);
  if (auto* attribute = node->first_attribute(name)) {
    attribute->value(stored, value.size());
    return;
  }
  const std::string_view nameView(name);
  node->append_attribute(tree_->allocate_attribute(Intern(nameView), stored, nameView.size(), value.size()));
}

void XmlDocument::SetText(XmlNode* element, std::string_view text) {
  if (!element) return;
  char* stored = Intern(text);
  // Printing uses the element's data node when it has one, so both must change.
  element->value(stored, text.size());
  for (XmlNode* child = element->first_node(); child; child = child->next_sibling()) {
    if (child->type() == rapidxml::node_data) {
      child->value(stored, text.size());
      return;
    }
  }
  if (!element->first_node()) {
    element->append_node(tree_->allocate_node(rapidxml::node_data, nullptr, stored, 0, text.size()));
  }
}

XmlNode* XmlDocument::AppendElement(XmlNode* parent, const char* name) {
  if (!parent) return nullptr;
  const std::string_view nameView(name);
  XmlNode* node = tree_->allocate_node(rapidxml::node_element, Intern(nameView), nullptr, nameView.size());
  parent->append_node(node);
  return node;
}

XmlNode* XmlDocument::AppendRootElement(const char* name) { return AppendElement(tree_.get(), name); }

XmlNode* XmlDocument::FindChild(const XmlNode* parent, const char* name, const char* attribute, std::string_view value) {
  if (!parent) return nullptr;
  for (XmlNode* child = parent->first_node(name); child; child = child->next_sibling(name)) {
    if (Attribute(child, attribute) == value) return child;
  }
  return nullptr;
}

}  // namespace Talvo
