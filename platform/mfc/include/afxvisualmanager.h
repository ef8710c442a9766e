// CMFCVisualManager, for code that names this header.
#pragma once

#include "afxwin.h"
