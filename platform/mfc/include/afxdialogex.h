// Dialogs with a background colour of their own.
#pragma once

#include "afxwin.h"
