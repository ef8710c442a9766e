#include "editor/keyboard_chart.h"

#include <fstream>
#include <system_error>

#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

namespace {

constexpr int kLastAnsiKey = 103;
constexpr int kLastIsoKey = 104;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring HeaderLine(const XmlProfile& profile) {
  return L"Current Profile Name:   " + Quoted(profile.GetName()) + L"\tLayout:   " + Quoted(profile.GetLayout()) + L" ";
}

std::wstring KeyLine(const std::wstring& keyText, const XmlFunction* function) {
  std::wstring line = L"Key:\t" + Quoted(keyText);
  const int padding = KeyboardChart::kKeyColumnWidth - static_cast<int>(keyText.size());
  if (padding > 0) line.append(static_cast<size_t>(padding), L' ');
  line += L"\tFunction:\t";
  if (function != nullptr) line += Quoted(function->GetName()) + L" ";
  return line;
}

}  // namespace

KeyboardChart::KeyboardChart(const XmlProfile& profile, const XmlKeyboard* layout, const Talvo& root) {
  lines_.push_back(HeaderLine(profile));
  lines_.emplace_back();
  const int lastKey = LastKey(layout);
  for (int key = 0; key <= lastKey; ++key) {
    if (!profile.HasAssignment(key)) continue;
    const std::wstring keyText = layout != nullptr ? layout->GetKeyText(key) : std::wstring();
    lines_.push_back(KeyLine(keyText, root.FindFunctionById(profile.GetFunctionIdOfKey(key))));
  }
}

int KeyboardChart::LastKey(const XmlKeyboard* layout) {
  return layout == nullptr || layout->GetType() == L"0" ? kLastAnsiKey : kLastIsoKey;
}

std::string KeyboardChart::FileText() const {
  std::string text;
  for (const std::wstring& line : lines_) text += WideToUtf8(line) + "\r\n";
  return text;
}

bool KeyboardChart::Write(const std::filesystem::path& path) const {
  // Written beside the target and renamed over it, so that a failed write never leaves half a chart
  // in place of an older one.
  std::filesystem::path temporary = path;
  temporary += ".writing";
  const std::string text = FileText();
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file) {
      file.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace Talvo
