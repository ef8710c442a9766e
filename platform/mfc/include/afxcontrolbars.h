// The feature-pack classes (visual manager, tab control, menu bar, buttons), for code that names this header.
#pragma once

#include "afxwin.h"
