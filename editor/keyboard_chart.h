// KeyboardChart: the plain-text listing of a profile: a header line with the profile's and its layout's
// names, an empty line, then one line per assigned key (in key-number order) with the key's text on the
// layout and the name of its function. Nothing reads the file back; it is for people.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Talvo {

class Talvo;
class XmlKeyboard;
class XmlProfile;

class KeyboardChart {
 public:
  // Key texts are padded with blanks to this many characters, so that the function column lines up.
  static constexpr int kKeyColumnWidth = 12;

  // The chart of `profile`, with the key texts of `layout` (null: no layout, so the ANSI key range and
  // empty key texts) and the function names that `root` finds by id.
  KeyboardChart(const XmlProfile& profile, const XmlKeyboard* layout, const Talvo& root);

  // The lines, without line ends.
  const std::vector<std::wstring>& Lines() const { return lines_; }
  // The file's bytes: UTF-8, every line ending in CR LF.
  std::string FileText() const;
  // Writes the file; an existing file is replaced only once the new one is complete. False on failure.
  bool Write(const std::filesystem::path& path) const;

  // The last key number listed: 103 on an ANSI layout (type "0") or without a layout, 104 otherwise.
  static int LastKey(const XmlKeyboard* layout);

 private:
  std::vector<std::wstring> lines_;
};

}  // namespace Talvo
