// The host's keyboard accelerators: one global switch that text fields turn off while they type.
#pragma once

#include "win32/types.h"

BOOL AcceleratorsEnabled();
void DisableAccelerators();
void EnableAccelerators();
