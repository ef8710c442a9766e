#include "host/script_editor.h"

#include <vector>

#include "host/core_interface.h"
#include "script_editor_window.h"
#include "windows.h"

namespace {
constexpr const wchar_t* kScriptEditorClass = L"HostScriptEditor";
constexpr DWORD kTextPaneStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
}  // namespace

// The window procedure, a friend of the editor.
struct ScriptEditorWindow {
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* editor = reinterpret_cast<ScriptEditor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
      case WM_NCCREATE: {
        editor = static_cast<ScriptEditor*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        editor->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
        break;
      }
      case WM_CREATE: {
        RECT client{};
        GetClientRect(hwnd, &client);
        editor->edit_ = CreateWindowExW(0, L"EDIT", editor->text_.data(), kTextPaneStyle, 0, 0, client.right,
                                        client.bottom, hwnd, nullptr, nullptr, nullptr);
        if (editor->edit_)
          SendMessageW(editor->edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetCOREInterface()->GetAppHFont()), FALSE);
        return 0;
      }
      case WM_SIZE:
        if (editor && editor->edit_) MoveWindow(editor->edit_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
      case WM_CLOSE:
        if (editor && editor->OnClose(hwnd)) DestroyWindow(hwnd);
        return 0;
      case WM_DESTROY:
        // Keep the text for the rest of the editor's life.
        if (editor) editor->text_ = editor->GetText();
        break;
      case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (editor) {
          editor->hwnd_ = nullptr;
          editor->edit_ = nullptr;
          delete editor;
        }
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

namespace host_internal {
void RegisterScriptEditorClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, kScriptEditorClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ScriptEditorWindow::Proc;
  wc.lpszClassName = kScriptEditorClass;
  RegisterClassExW(&wc);
}
}  // namespace host_internal

ScriptEditor::ScriptEditor(const MCHAR* title) : title_(title) {}

ScriptEditor::~ScriptEditor() {
  // Deleting an editor whose window is still up closes the window without calling back.
  if (hwnd_) {
    HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

HWND ScriptEditor::Open(HWND parent) {
  if (hwnd_) return hwnd_;
  host_internal::RegisterScriptEditorClass();
  CreateWindowExW(WS_EX_WINDOWEDGE, kScriptEditorClass, title_.data(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 640, 480, parent,
                  nullptr, nullptr, this);
  return hwnd_;
}

MSTR ScriptEditor::GetText() const {
  if (!edit_) return text_;
  const int length = GetWindowTextLengthW(edit_);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  GetWindowTextW(edit_, buffer.data(), length + 1);
  return MSTR(buffer.data());
}

void ScriptEditor::SetText(const MCHAR* text) {
  text_ = text;
  if (edit_) SetWindowTextW(edit_, text_.data());
}

BOOL ScriptEditor::OnClose(HWND /*hwnd*/) { return TRUE; }
