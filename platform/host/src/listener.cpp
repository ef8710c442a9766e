#include "host/listener.h"

#include <cstdarg>

#include "format.h"

namespace {
Listener listener;
}

Listener* the_listener = &listener;

void CharStream::puts(const MCHAR* text) {
  if (text) text_ += text;
}

void CharStream::printf(const MCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  text_ += host_internal::FormatV(format, args);
  va_end(args);
}
