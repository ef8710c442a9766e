#include "pagebase/function_rename_prompt.h"

#include <utility>

namespace Talvo {

namespace {

FunctionRenamePrompt& InstalledPrompt() {
  static FunctionRenamePrompt prompt;
  return prompt;
}

}  // namespace

FunctionRenamePrompt SetFunctionRenamePrompt(FunctionRenamePrompt prompt) {
  return std::exchange(InstalledPrompt(), std::move(prompt));
}

INT_PTR PromptFunctionRename(CWnd* owner, XmlFunction& function) {
  const FunctionRenamePrompt& prompt = InstalledPrompt();
  return prompt ? prompt(owner, function) : IDCANCEL;
}

}  // namespace Talvo
