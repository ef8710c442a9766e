#include "pagebase/no_verbosity.h"

#include "model/talvo.h"

namespace Talvo {

bool NoVerbosity = false;

void ReadNoVerbosity() { NoVerbosity = GetTalvo().GetOption(L"noverbosity"); }

}  // namespace Talvo
