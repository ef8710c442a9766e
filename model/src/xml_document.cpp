#include "model/xml_document.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "atomic_file.h"
#include "model/editor_window.h"
#include "model/file_names.h"
#include "model/save_batch.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "model/whole_file.h"
#include "model/xml_doc_directory.h"
#include "xml_printer.h"

namespace Talvo {

namespace {

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Our documents nest a handful of levels. The parser descends recursively, so absurd nesting in hostile
// input is rejected before it runs. The scan reads the markup as the parser does (quoted attribute values,
// comments, CDATA sections, declarations), so that "/>" or "</" inside them cannot hide real depth.
constexpr std::size_t kMaxDepth = 256;

// `text` holds no zero byte and is followed by one.
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
      // A start tag: up to its '>' outside quoted values; "/>" closes it at once. The library searches
      // skip from quote to quote (the text is zero-terminated and holds no other zero byte).
      bool selfClosing = false;
      for (++i; i < text.size();) {
        i += std::strcspn(text.data() + i, "\"'>");
        if (i >= text.size()) break;
        if (text[i] == '>') {
          selfClosing = text[i - 1] == '/';
          ++i;
          break;
        }
        const void* closing = std::memchr(text.data() + i + 1, text[i], text.size() - i - 1);
        i = closing != nullptr ? static_cast<std::size_t>(static_cast<const char*>(closing) - text.data()) + 1
                               : text.size();
      }
      if (!selfClosing && ++depth > static_cast<int>(kMaxDepth)) return false;
    }
  }
  return true;
}

bool HasElement(const rapidxml::xml_document<char>& tree) {
  for (const XmlNode* node = tree.first_node(); node; node = node->next_sibling()) {
    if (node->type() == rapidxml::node_element) return true;
  }
  return false;
}

// Counts the zero bytes and the '<' not followed by '/' among `size` bytes (followed by a terminator).
// Blocks of 192 bytes count in byte-wide lanes (a lane holds up to 255), which the compiler vectorises;
// 192 is a whole number of vectors of every width, so no full block ends in a byte-by-byte remainder.
void CountZerosAndStarts(const char* bytes, std::size_t size, std::size_t& zeros, std::size_t& starts) {
  zeros = 0;
  starts = 0;
  constexpr std::size_t kBlock = 192;
  for (std::size_t block = 0; block < size; block += kBlock) {
    const std::size_t end = std::min(size, block + kBlock);
    unsigned char blockZeros = 0;
    unsigned char blockStarts = 0;
    for (std::size_t i = block; i < end; ++i) {
      blockZeros += bytes[i] == '\0';
      blockStarts += (bytes[i] == '<') & (bytes[i + 1] != '/');
    }
    zeros += blockZeros;
    starts += blockStarts;
  }
}

// Whether `size` bytes (followed by a terminator) hold no zero byte and nest within the limit. Every open
// element has a start tag of its own, a '<' not followed by '/', and markup inside values, comments or
// CDATA can only add to their count; so the count bounds the depth, and one branch-free pass settles
// almost every document. Only a document with more start tags than the limit is read markup by markup.
bool AcceptableBytes(const char* bytes, std::size_t size) {
  std::size_t zeros = 0;
  std::size_t starts = 0;
  CountZerosAndStarts(bytes, size, zeros, starts);
  // The parser stops at the first zero byte, which would turn damaged bytes into a shorter, valid
  // document; no document of ours holds one.
  if (zeros != 0) return false;
  return starts <= kMaxDepth || NestingWithinLimit(std::string_view(bytes, size));
}

// Parses a zero-terminated buffer into an empty tree (in place, unless the flags leave the bytes as they
// are): false for bytes that are no document.
template <int Flags = 0>
bool ParseDocument(rapidxml::xml_document<char>& tree, char* bytes, std::size_t size) {
  if (!AcceptableBytes(bytes, size)) return false;
  try {
    tree.template parse<Flags>(bytes);
  } catch (const rapidxml::parse_error&) {
    return false;
  }
  return HasElement(tree);  // an empty or truncated file is no document
}

// Bytes without an entity reference: translating references is all that can make a parse fail that a parse
// without translation passes, and what tells the two trees apart.
bool HoldsNoReference(const char* bytes, std::size_t size) { return std::memchr(bytes, '&', size) == nullptr; }

void ShowWarning(const std::wstring& text) {
  MessageBoxW(EditorWindow(), text.c_str(), L"Warning!", MB_OK | MB_ICONWARNING);
}

}  // namespace

XmlDocument::XmlDocument(XmlDocDirectory* owner)
    : owner_(owner), tree_(std::make_unique<rapidxml::xml_document<char>>()) {}

XmlDocument::~XmlDocument() {
  if (SaveBatch* batch = SaveBatch::Current()) batch->Forget(*this);
}

int XmlDocument::ReplaceTree(std::string_view bytes) {
  std::unique_ptr<char[]> buffer(new char[bytes.size() + 1]);
  std::memcpy(buffer.get(), bytes.data(), bytes.size());
  buffer[bytes.size()] = '\0';
  return ReplaceTree(std::move(buffer), bytes.size());
}

int XmlDocument::ReplaceTree(TextBuffer buffer, std::size_t size) {
  // A document that holds nothing yet parses into its own tree (one parser pool per document); one with
  // content parses into a new tree, so that a failure leaves the content as it was.
  const bool empty = !unparsed_ && tree_->first_node() == nullptr;
  std::unique_ptr<rapidxml::xml_document<char>> tree =
      empty ? std::move(tree_) : std::make_unique<rapidxml::xml_document<char>>();
  char* const text = buffer.index() == 0 ? std::get<0>(buffer).get() : std::get<1>(buffer)->data();
  if (!ParseDocument(*tree, text, size)) {
    if (empty) {
      tree->clear();
      tree_ = std::move(tree);
    }
    return kXmlCannotParse;
  }
  InstallTree(std::move(tree), std::move(buffer));
  return kXmlOk;
}

void XmlDocument::InstallTree(std::unique_ptr<rapidxml::xml_document<char>> tree, TextBuffer buffer) {
  tree_ = std::move(tree);
  buffer_ = std::move(buffer);
  unparsed_.reset();
  deferredNodes_.clear();
  deferredProperties_.clear();
  OnTreeReplaced();
}

XmlDocument::CheckedFile::CheckedFile() = default;
XmlDocument::CheckedFile::~CheckedFile() = default;
XmlDocument::CheckedFile::CheckedFile(CheckedFile&&) noexcept = default;
XmlDocument::CheckedFile& XmlDocument::CheckedFile::operator=(CheckedFile&&) noexcept = default;

XmlDocument::CheckedFile XmlDocument::CheckBytes(FileBytes& bytes) const {
  CheckedFile checked;
  checked.result_ = kXmlCannotParse;
  const std::size_t size = bytes.size;
  if (NeedsTreeOnLoad()) {
    auto tree = std::make_unique<rapidxml::xml_document<char>>();
    if (!ParseDocument(*tree, bytes.data.get(), size)) return checked;
    checked.tree_ = std::move(tree);
  } else {
    // The check leaves the kept bytes as they are: without references a parse that writes nothing into
    // them (and makes no text nodes) accepts exactly what the later parse in place accepts and yields the
    // same names and values; other bytes are checked by parsing a copy in place.
    rapidxml::xml_document<char> check;
    std::unique_ptr<char[]> copy;
    if (HoldsNoReference(bytes.data.get(), size)) {
      constexpr int kUntouched = rapidxml::parse_non_destructive | rapidxml::parse_no_data_nodes;
      if (!ParseDocument<kUntouched>(check, bytes.data.get(), size)) return checked;
    } else {
      copy.reset(new char[size + 1]);
      std::memcpy(copy.get(), bytes.data.get(), size + 1);
      if (!ParseDocument(check, copy.get(), size)) return checked;
    }
    for (const XmlNode* node = check.first_node(); node; node = node->next_sibling()) {
      checked.nodes_.emplace_back(node->name(), node->name_size());
    }
    if (const XmlNode* node = check.first_node(TALVO_XML_PROPERTIES)) {
      for (const auto* attribute = node->first_attribute(); attribute; attribute = attribute->next_attribute()) {
        checked.properties_.emplace_back(std::string(attribute->name(), attribute->name_size()),
                                         std::string(attribute->value(), attribute->value_size()));
      }
    }
  }
  checked.result_ = kXmlOk;
  checked.bytes_ = std::move(bytes.data);
  return checked;
}

rapidxml::xml_document<char>& XmlDocument::Tree() const {
  if (unparsed_) {
    // The same bytes parsed when they were loaded, so this parse succeeds as that one did.
    auto tree = std::make_unique<rapidxml::xml_document<char>>();
    tree->parse<0>(unparsed_.get());
    tree_ = std::move(tree);
    buffer_ = std::move(unparsed_);
    deferredNodes_.clear();
    deferredProperties_.clear();
  }
  return *tree_;
}

int XmlDocument::Load(const std::filesystem::path& path) {
  std::optional<std::wstring> name = WideFromPath(path.stem());
  FileBytes bytes;
  if (!name || !ReadWholeFile(path, bytes)) return kXmlCannotOpen;
  CheckedFile checked = CheckBytes(bytes);
  const int result = TakeChecked(std::move(*name), checked);
  if (result != kXmlOk) ShowWarning(L"Can't load file!\n" + PathForDisplay(path));
  return result;
}

int XmlDocument::Load(const FolderFiles& folder, const std::string& fileName) {
  return Load(folder, fileName, Check(folder, fileName));
}

XmlDocument::CheckedFile XmlDocument::Check(const FolderFiles& folder, const std::string& fileName) const {
  FileBytes bytes;
  if (!folder.Read(fileName, bytes)) return CheckedFile();
  return CheckBytes(bytes);
}

int XmlDocument::Load(const FolderFiles& folder, const std::string& fileName, CheckedFile checked) {
  std::optional<std::wstring> name = Utf8ToWideStrict(std::string_view(fileName).substr(0, fileName.rfind('.')));
  if (!name || checked.result_ == kXmlCannotOpen) return kXmlCannotOpen;
  const int result = TakeChecked(std::move(*name), checked);
  if (result != kXmlOk) ShowWarning(L"Can't load file!\n" + PathForDisplay(folder.Path() / fileName));
  return result;
}

int XmlDocument::TakeChecked(std::wstring name, CheckedFile& checked) {
  if (checked.result_ != kXmlOk) return kXmlCannotParse;
  if (checked.tree_) {
    InstallTree(std::move(checked.tree_), std::move(checked.bytes_));
  } else {
    tree_.reset();
    buffer_ = TextBuffer();
    unparsed_ = std::move(checked.bytes_);
    deferredNodes_ = std::move(checked.nodes_);
    deferredProperties_ = std::move(checked.properties_);
    OnTreeReplaced();
  }
  name_ = std::move(name);
  saved_ = true;
  return kXmlOk;
}

int XmlDocument::Parse(std::string_view bytes) { return ReplaceTree(bytes); }

int XmlDocument::ParseInPlace(std::string&& text) {
  const std::size_t size = text.size();
  return ReplaceTree(std::make_unique<std::string>(std::move(text)), size);
}

std::string XmlDocument::ToText() const {
  std::string text(kHeader);
  AppendXmlText(text, Tree());
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
    ShowWarning(L"Can't save file!\n" + (path.empty() ? name_ : PathForDisplay(path)));
    return false;  // also for a document that was saved before: this write did not happen
  }
  saved_ = true;
  if (SaveBatch* batch = SaveBatch::Current()) batch->Track(*this, path);  // the file is put in place later
  return true;
}

void XmlDocument::BatchedSaveFailed(const std::filesystem::path& path) {
  saved_ = false;
  ShowWarning(L"Can't save file!\n" + PathForDisplay(path));
}

bool XmlDocument::MatchesFile() const {
  const std::filesystem::path path = GetFilePath();
  FileBytes onDisk;
  return !path.empty() && ReadWholeFile(path, onDisk) && onDisk.View() == ToText();
}

bool XmlDocument::SyncFile() {
  if (!MatchesFile()) return Save();
  saved_ = true;
  return true;
}

void XmlDocument::SetName(const std::wstring& name) {
  name_ = name;
  Changed();
}

std::filesystem::path XmlDocument::GetFilePath() const {
  if (!owner_ || owner_->GetFolder().empty()) return {};
  return owner_->GetFolder() / PathFromWide(name_ + L".xml");
}

void XmlDocument::Changed() {
  saved_ = false;
  NotifyDocumentChanged();
}

XmlNode* XmlDocument::Properties(bool create) {
  XmlNode* node = Tree().first_node(TALVO_XML_PROPERTIES);
  if (!node && create) {
    node = Tree().allocate_node(rapidxml::node_element, TALVO_XML_PROPERTIES);
    Tree().prepend_node(node);
  }
  return node;
}

std::wstring XmlDocument::GetProperty(const char* name) const { return Utf8ToWide(PropertyBytes(name)); }

std::string_view XmlDocument::PropertyBytes(const char* name) const {
  if (unparsed_) {
    for (const auto& [key, value] : deferredProperties_) {
      if (key == name) return value;
    }
    return {};
  }
  const XmlNode* properties = Tree().first_node(TALVO_XML_PROPERTIES);
  const auto* attribute = properties != nullptr ? properties->first_attribute(name) : nullptr;
  return attribute != nullptr ? std::string_view(attribute->value(), attribute->value_size()) : std::string_view();
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

void XmlDocument::AdoptTree(XmlDocument& other) {
  if (&other == this) return;
  tree_ = std::exchange(other.tree_, std::make_unique<rapidxml::xml_document<char>>());
  buffer_ = std::move(other.buffer_);
  unparsed_ = std::move(other.unparsed_);
  deferredNodes_ = std::move(other.deferredNodes_);
  deferredProperties_ = std::move(other.deferredProperties_);
  other.deferredNodes_.clear();
  other.deferredProperties_.clear();
  name_ = other.name_;
  other.OnTreeReplaced();
  OnTreeReplaced();
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

bool XmlDocument::HasNode(const char* name) const {
  if (unparsed_) return std::find(deferredNodes_.begin(), deferredNodes_.end(), name) != deferredNodes_.end();
  return GetNode(name) != nullptr;
}

XmlNode* XmlDocument::GetNode(const char* name) const { return Tree().first_node(name); }

bool XmlDocument::RemoveNode(const char* name) {
  XmlNode* node = Tree().first_node(name);
  if (!node) return false;
  Tree().remove_node(node);
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
  char* copy = Tree().allocate_string(nullptr, text.size() + 1);
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
  node->append_attribute(Tree().allocate_attribute(Intern(nameView), stored, nameView.size(), value.size()));
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
    element->append_node(Tree().allocate_node(rapidxml::node_data, nullptr, stored, 0, text.size()));
  }
}

XmlNode* XmlDocument::AppendElement(XmlNode* parent, const char* name) {
  if (!parent) return nullptr;
  const std::string_view nameView(name);
  XmlNode* node = Tree().allocate_node(rapidxml::node_element, Intern(nameView), nullptr, nameView.size());
  parent->append_node(node);
  return node;
}

XmlNode* XmlDocument::AppendRootElement(const char* name) { return AppendElement(&Tree(), name); }

XmlNode* XmlDocument::FindChild(const XmlNode* parent, const char* name, const char* attribute, std::string_view value) {
  if (!parent) return nullptr;
  for (XmlNode* child = parent->first_node(name); child; child = child->next_sibling(name)) {
    // Compared where it is stored (a missing attribute counts as empty), without a copy per child.
    const auto* found = child->first_attribute(attribute);
    const std::string_view actual = found ? std::string_view(found->value(), found->value_size()) : std::string_view();
    if (actual == value) return child;
  }
  return nullptr;
}

}  // namespace Talvo
