// XmlDocument: the base of every stored document. It owns a rapidxml tree parsed in place from a
// zero-terminated copy of the file's bytes, its document name (the file name without extension), its
// folder and its saved flag. Every change marks it unsaved and tells the editor window.
// A document loaded from a file is checked by a full parse, then keeps only its bytes, its top-level
// element names and its properties until something needs the tree: a folder of documents that are listed
// but never opened costs little more than its text.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>
#include <cstddef>

#include <rapidxml/rapidxml.hpp>

namespace Talvo {

class FolderFiles;
class XmlDocDirectory;
struct FileBytes;
using XmlNode = rapidxml::xml_node<char>;

// Results of Load, Parse and SaveAs.
inline constexpr int kXmlOk = 0;
inline constexpr int kXmlCannotOpen = 258;
inline constexpr int kXmlCannotParse = 261;

class XmlDocument {
 public:
  explicit XmlDocument(XmlDocDirectory* owner = nullptr);
  virtual ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Reads and parses a file; the document name becomes the file's base name and the document is saved.
  // 0, kXmlCannotOpen (also for a file name that is not valid UTF-8) or kXmlCannotParse (also for a
  // file without any element or with a zero byte); on failure nothing changes.
  int Load(const std::filesystem::path& path);
  // The same for the file `fileName` of an opened folder.
  int Load(const FolderFiles& folder, const std::string& fileName);
  // A file read and checked as Load reads and checks it, apart from any document. Reading and checking
  // touch nothing shared, so several files can be checked on several threads at once.
  class CheckedFile;
  CheckedFile Check(const FolderFiles& folder, const std::string& fileName) const;
  // Load for the file `fileName` of the folder, checked before by Check: the same results and warnings.
  int Load(const FolderFiles& folder, const std::string& fileName, CheckedFile checked);
  // Parses bytes of a given size (they need no terminator; the document keeps its own copy).
  // 0 or kXmlCannotParse; on failure nothing changes.
  int Parse(std::string_view bytes);
  // The same for text the document takes over (even when the parse fails): it is parsed in place,
  // without a copy, and kept.
  int ParseInPlace(std::string&& text);
  // Writes the UTF-8 header line and the tab-indented tree: 0 or kXmlCannotOpen. The file is replaced
  // atomically and its previous content is kept as "<path>.bak"; on failure the old file stays.
  int SaveAs(const std::filesystem::path& path) const;
  // Writes the document to GetFilePath(); the saved flag is set when the write succeeds. A failure is
  // reported in a message box and leaves the flag as it was. True when the write succeeded.
  bool Save();
  bool IsSaved() const { return saved_; }
  // Whether the document's file holds exactly this document.
  bool MatchesFile() const;
  // Makes the document's file hold exactly this document: writes it (as Save) unless it already does.
  // The document is saved afterwards; false when the write failed.
  bool SyncFile();

  const std::wstring& GetName() const { return name_; }
  void SetName(const std::wstring& name);
  // <folder>/<document name>.xml; empty without a folder.
  std::filesystem::path GetFilePath() const;

  XmlDocDirectory* GetOwner() const { return owner_; }
  void SetOwner(XmlDocDirectory* owner) { owner_ = owner; }

  // Attributes of the `properties` element.
  std::wstring GetProperty(const char* name) const;
  // The same attribute's UTF-8 bytes as stored, without a conversion (valid until the tree changes): cheap
  // to compare across a whole folder.
  std::string_view PropertyBytes(const char* name) const;
  void SetProperty(const char* name, const std::wstring& value);
  std::wstring GetId() const { return GetProperty("id"); }
  void SetId(const std::wstring& id) { SetProperty("id", id); }

  // Takes the other document's name, owner and tree (printed and parsed again); becomes unsaved.
  void CopyFrom(const XmlDocument& other);
  // Takes the other document's name and tree as they are, without copying; the other is left empty. The
  // owner stays; becomes unsaved.
  void AdoptTree(XmlDocument& other);
  // A new document of the same class with the same owner, name and content; it is unsaved and not
  // added to the owner's folder.
  std::unique_ptr<XmlDocument> Duplicate() const;

  // Top-level elements ("root children") by name.
  bool HasNode(const char* name) const;
  XmlNode* GetNode(const char* name) const;
  bool RemoveNode(const char* name);

  // The whole document as it is written to disk.
  std::string ToText() const;

  // Marks the document unsaved and sends DocumentChangedMessage to the editor window.
  void Changed();

  // Tree helpers (UTF-8 texts; strings are copied into the document's pool).
  static std::string Attribute(const XmlNode* node, const char* name);
  static bool HasAttribute(const XmlNode* node, const char* name);
  static std::string Text(const XmlNode* node);
  void SetAttribute(XmlNode* node, const char* name, std::string_view value);
  void SetText(XmlNode* element, std::string_view text);
  XmlNode* AppendElement(XmlNode* parent, const char* name);
  XmlNode* AppendRootElement(const char* name);
  // The first child element with that name whose attribute `attribute` equals `value`.
  static XmlNode* FindChild(const XmlNode* parent, const char* name, const char* attribute, std::string_view value);

 protected:
  // A new, empty document of the same class (for Duplicate).
  virtual std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const;
  // Called after the tree was replaced (Load, Parse, CopyFrom, Duplicate): derived documents rebuild
  // what pointed into the old tree.
  virtual void OnTreeReplaced() {}
  // Whether Load must build the tree at once (for documents that read it whenever it is replaced).
  virtual bool NeedsTreeOnLoad() const { return false; }

  // The tree, parsed from the loaded bytes on first use.
  rapidxml::xml_document<char>& Tree() const;
  XmlNode* Properties(bool create);
  char* Intern(std::string_view text);
  void SetSavedFlag(bool saved) { saved_ = saved; }

 private:
  friend class SaveBatch;

  // Zero-terminated bytes a tree is parsed from in place: a file's bytes or a string taken over (held
  // by pointer, so that its characters stay where the tree points when the buffer moves).
  using TextBuffer = std::variant<std::unique_ptr<char[]>, std::unique_ptr<std::string>>;

  int ReplaceTree(std::string_view bytes);
  // Parses the zero-terminated buffer of `size` bytes in place and keeps it.
  int ReplaceTree(TextBuffer zeroTerminated, std::size_t size);
  // Makes a parsed tree and the bytes it was parsed from in place the document's content.
  void InstallTree(std::unique_ptr<rapidxml::xml_document<char>> tree, TextBuffer buffer);
  // A file's bytes checked for this document: parsed into a tree when the document needs it at once,
  // otherwise checked with a parse and kept unparsed with what Accepts and GetProperty need.
  CheckedFile CheckBytes(FileBytes& bytes) const;
  // Takes a checked file under the document name `name`: its result (nothing changes on a failure).
  int TakeChecked(std::wstring name, CheckedFile& checked);
  // A save into a SaveBatch whose file could not be put in place: unsaved again, and the user is told.
  void BatchedSaveFailed(const std::filesystem::path& path);

  XmlDocDirectory* owner_;
  std::wstring name_;
  bool saved_ = true;
  mutable std::unique_ptr<rapidxml::xml_document<char>> tree_;  // null while deferred
  mutable TextBuffer buffer_;  // the bytes the tree was parsed from, in place
  // While the tree is deferred: the checked bytes, the names of the top-level elements and the attributes
  // of `properties` (name, value), all as in the tree they will become.
  mutable std::unique_ptr<char[]> unparsed_;
  mutable std::vector<std::string> deferredNodes_;
  mutable std::vector<std::pair<std::string, std::string>> deferredProperties_;
};

class XmlDocument::CheckedFile {
 public:
  CheckedFile();
  ~CheckedFile();
  CheckedFile(CheckedFile&&) noexcept;
  CheckedFile& operator=(CheckedFile&&) noexcept;
  // kXmlOk, kXmlCannotOpen or kXmlCannotParse, as Load would return.
  int Result() const { return result_; }

 private:
  friend class XmlDocument;

  int result_ = kXmlCannotOpen;
  std::unique_ptr<char[]> bytes_;  // zero-terminated; the tree's text when there is a tree
  std::unique_ptr<rapidxml::xml_document<char>> tree_;  // for a document that needs its tree at once
  std::vector<std::string> nodes_;  // otherwise: as deferredNodes_ and deferredProperties_
  std::vector<std::pair<std::string, std::string>> properties_;
};

}  // namespace Talvo
