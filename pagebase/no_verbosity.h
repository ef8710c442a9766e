// The program-wide no-verbosity switch: while it is on, the editor prints nothing to the script listener.
// It mirrors the option "noverbosity" of the options document and is re-read after every change of the
// options.
#pragma once

namespace Talvo {

extern bool NoVerbosity;

// Re-reads the switch from the options document (the option is created, off, when missing; off without an
// options document). The editor frame calls it when it comes up, after the documents are loaded, so that the
// saved choice holds from the first line the editor prints; the options dialog calls it after every change.
void ReadNoVerbosity();

}  // namespace Talvo
