#include "pagebase/listener_output.h"

#include <host/listener.h>

#include "pagebase/no_verbosity.h"

namespace Talvo {

void PrintToListener(const std::wstring& text) {
  if (NoVerbosity) return;
  if (the_listener != nullptr && the_listener->edit_stream != nullptr) the_listener->edit_stream->puts(text.c_str());
}

}  // namespace Talvo
