// The host's script editor window: a titled window with a text pane, owned by a parent window.
#pragma once

#include "host/strings.h"
#include "win32/types.h"

// Once its window is open, the host owns the editor object and deletes it after the window is destroyed.
class ScriptEditor {
 public:
  explicit ScriptEditor(const MCHAR* title);
  ScriptEditor(const ScriptEditor&) = delete;
  ScriptEditor& operator=(const ScriptEditor&) = delete;
  virtual ~ScriptEditor();

  // Opens the window, owned by parent, and returns it; the open window when there is one already.
  HWND Open(HWND parent);
  HWND GetHWND() const { return hwnd_; }
  const MSTR& GetTitle() const { return title_; }
  MSTR GetText() const;
  void SetText(const MCHAR* text);
  // The host calls it with the window when the user closes the window; the window closes when it
  // answers TRUE, which the base does.
  virtual BOOL OnClose(HWND hwnd);

 private:
  friend struct ScriptEditorWindow;
  MSTR title_;
  MSTR text_;  // the text while no window shows it
  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
};
