// What the test driver's parts share.
#pragma once

namespace winsim {

// Forgets the last click, so that the next click never pairs into a double click.
void ResetMouseMemory();

}  // namespace winsim
