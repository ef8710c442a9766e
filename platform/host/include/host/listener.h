// The MAXScript listener: the host's text window for script output.
#pragma once

#include <string>

#include "host/strings.h"

// The stream of the listener's output pane.
class CharStream {
 public:
  void puts(const MCHAR* text);
  // Formats like the host's printf ("%s" takes a wide string).
  void printf(const MCHAR* format, ...);
  void flush() {}
  const std::wstring& Text() const { return text_; }
  void Clear() { text_.clear(); }

 private:
  std::wstring text_;
};

class Listener {
 public:
  CharStream* edit_stream = &stream_;
  // Empties the output pane.
  void Clear() { stream_.Clear(); }

 private:
  CharStream stream_;
};

// The host's one listener; always present.
extern Listener* the_listener;
