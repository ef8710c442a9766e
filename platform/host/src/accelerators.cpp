#include "host/accelerators.h"

#include <atomic>

#include "host/simulation.h"
#include "reset.h"

namespace {
// The keyboard hook reads the switch; the user-interface thread writes it.
std::atomic<bool> enabled{true};
std::atomic<int> enable_calls{0};
std::atomic<int> disable_calls{0};
}  // namespace

BOOL AcceleratorsEnabled() { return enabled ? TRUE : FALSE; }

void DisableAccelerators() {
  ++disable_calls;
  enabled = false;
}

void EnableAccelerators() {
  ++enable_calls;
  enabled = true;
}

namespace hostsim {
AcceleratorCalls GetAcceleratorCalls() { return {enable_calls, disable_calls}; }
}  // namespace hostsim

namespace host_internal {
void ResetAccelerators() {
  enabled = true;
  enable_calls = 0;
  disable_calls = 0;
}
}  // namespace host_internal
