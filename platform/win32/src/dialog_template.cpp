// The module's dialog templates by id, and dialog units: base units from the dialog's font and MapDialogRect.
#include <map>
#include <memory>
#include <mutex>

#include "dialog_internal.h"

namespace win32_internal {

namespace {

struct TemplateRegistry {
  std::mutex mutex;
  std::map<int, std::unique_ptr<DLGTEMPLATE>> byId;
};

TemplateRegistry& Registry() {
  static TemplateRegistry registry;
  return registry;
}

}  // namespace

int RegisteredIdOf(const DLGTEMPLATE* dialogTemplate) {
  TemplateRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  for (const auto& [id, stored] : registry.byId)
    if (stored.get() == dialogTemplate) return id;
  return 0;
}

const DLGTEMPLATE* TemplateNamed(LPCWSTR name) {
  const DLGTEMPLATE* found =
      IS_INTRESOURCE(name) ? FindDialogTemplate(static_cast<int>(reinterpret_cast<ULONG_PTR>(name))) : nullptr;
  if (!found) SetLastError(1814L);  // ERROR_RESOURCE_NAME_NOT_FOUND
  return found;
}

SIZE BaseUnitsOf(HFONT font) {
  static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE letters{};
  GetTextExtentPoint32W(hdc, kLetters, 52, &letters);
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  // The average letter width, rounded.
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

DialogState* DialogStateOf(HWND dialog) {
  return IsWindow(dialog) ? reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, kDialogStateIndex)) : nullptr;
}

}  // namespace win32_internal

using namespace win32_internal;

// Registered templates are kept as copies; a new registration under an id replaces the old one (dialogs already
// created from it are unaffected).
void RegisterDialogTemplate(int id, const DLGTEMPLATE& dialogTemplate) {
  TemplateRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  registry.byId[id] = std::make_unique<DLGTEMPLATE>(dialogTemplate);
}

const DLGTEMPLATE* FindDialogTemplate(int id) {
  TemplateRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  auto it = registry.byId.find(id);
  return it == registry.byId.end() ? nullptr : it->second.get();
}

// The base units of the default GUI font, which dialogs without a font of their own use.
LONG GetDialogBaseUnits() {
  SIZE units = BaseUnitsOf(nullptr);
  return MAKELONG(units.cx, units.cy);
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
  DialogState* state = DialogStateOf(dialog);
  if (!state || !rect) {
    if (IsWindow(dialog)) SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  rect->left = MulDiv(rect->left, state->baseUnits.cx, 4);
  rect->right = MulDiv(rect->right, state->baseUnits.cx, 4);
  rect->top = MulDiv(rect->top, state->baseUnits.cy, 8);
  rect->bottom = MulDiv(rect->bottom, state->baseUnits.cy, 8);
  return TRUE;
}
