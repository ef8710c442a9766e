// The common-control wrappers (tab control, image lists).
#pragma once

#include "afxwin.h"
