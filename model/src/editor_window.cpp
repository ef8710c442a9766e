#include "model/editor_window.h"

namespace Talvo {

namespace {
HWND g_editorWindow = nullptr;
}  // namespace

void SetEditorWindow(HWND window) { g_editorWindow = window; }

HWND EditorWindow() { return g_editorWindow; }

void NotifyDocumentChanged() {
  if (g_editorWindow && IsWindow(g_editorWindow)) {
    SendMessageW(g_editorWindow, DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(g_editorWindow));
  }
}

}  // namespace Talvo
