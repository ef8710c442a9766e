// CheckMacros: checks every macro-script reference of the functions that the profiles use against the
// host's macro directory. A reference whose macro is still there under its category and name but with
// another id can be fixed; the user is asked once whether to fix them all, and the fixed functions are
// saved. The report goes to the MAXScript listener.
#pragma once

namespace Talvo {

struct MacroCheckResult {
  int checked = 0;  // macro references looked at
  int changed = 0;  // references whose macro id changed (fixable)
  int missing = 0;  // references whose macro is gone
  int fixed = 0;    // references fixed
};

MacroCheckResult CheckMacros();

}  // namespace Talvo
