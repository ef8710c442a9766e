#include "host/maxscript.h"

#include <cwctype>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "host/listener.h"
#include "host/simulation.h"
#include "host/undo.h"
#include "logs.h"
#include "reset.h"

namespace {

struct Answers {
  std::map<std::wstring, bool> by_text;
  hostsim::MAXScriptHandler handler;
  bool by_default = true;
};

Answers& TheAnswers() {
  static Answers answers;
  return answers;
}

// MAXScript ignores case and the amount of blank space between words: "Max  Undo" is "max undo".
std::wstring Normalized(const std::wstring& text) {
  std::wistringstream words(text);
  std::wstring word, normalized;
  while (words >> word) {
    if (!normalized.empty()) normalized += L' ';
    for (wchar_t& c : word) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    normalized += word;
  }
  return normalized;
}

// The host's own commands that the stand-in carries out.
std::optional<bool> RunHostCommand(const std::wstring& script) {
  const std::wstring text = Normalized(script);
  // Like the host, the commands succeed also when there is nothing to undo or redo.
  if (text == L"max undo") {
    theHold.Undo();
    return true;
  }
  if (text == L"max redo") {
    theHold.Redo();
    return true;
  }
  return std::nullopt;
}

bool Answer(const std::wstring& text) {
  const Answers& answers = TheAnswers();
  if (const auto it = answers.by_text.find(text); it != answers.by_text.end()) return it->second;
  if (answers.handler) {
    if (const std::optional<bool> handled = answers.handler(text)) return *handled;
  }
  if (const std::optional<bool> result = RunHostCommand(text)) return *result;
  return answers.by_default;
}

}  // namespace

BOOL ExecuteMAXScriptScript(const MCHAR* text, bool quietErrors) {
  const std::wstring script = text ? text : L"";
  const bool success = Answer(script);
  host_internal::RecordScript({script, quietErrors, success});
  if (!success && !quietErrors)
    the_listener->edit_stream->printf(_M("-- Error occurred while running: %s\n"), script.c_str());
  return success ? TRUE : FALSE;
}

namespace hostsim {
void SetMAXScriptResult(const std::wstring& text, bool success) { TheAnswers().by_text[text] = success; }
void SetMAXScriptDefault(bool success) { TheAnswers().by_default = success; }
void SetMAXScriptHandler(MAXScriptHandler handler) { TheAnswers().handler = std::move(handler); }
}  // namespace hostsim

namespace host_internal {
void ResetMAXScript() {
  TheAnswers() = Answers{};
  the_listener->Clear();
}
}  // namespace host_internal
