#include "model/string_table.h"

#include <string>
#include <unordered_map>

#include "model/resources.h"
#include "model/text.h"

namespace Talvo {

namespace {

// Reads "id<TAB>text" lines of strings.tsv; "\n" and "\t" in a text stand for a line break and a tab,
// "\\" for a backslash. Lines starting with "#" are comments.
std::unordered_map<int, std::wstring> LoadTable() {
  std::unordered_map<int, std::wstring> table;
  const auto bytes = FindResource("strings.tsv");
  if (!bytes) return table;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string_view::npos) continue;
    const int id = ParseInt(line.substr(0, tab), -1);
    if (id < 0) continue;
    std::string text;
    for (size_t i = tab + 1; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        const char next = line[++i];
        text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
      } else {
        text += line[i];
      }
    }
    table[id] = Utf8ToWide(text);
  }
  return table;
}

}  // namespace

const wchar_t* GetString(int id) {
  static const std::unordered_map<int, std::wstring> table = LoadTable();
  const auto found = table.find(id);
  return found == table.end() ? nullptr : found->second.c_str();
}

}  // namespace Talvo
