// CMFCBaseTabCtrl and CMFCTabCtrl, for code that names this header.
#pragma once

#include "afxwin.h"
