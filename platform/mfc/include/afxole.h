// OLE data transfer: the clipboard and drag and drop classes.
#pragma once

#include "afxwin.h"
#include "mfc/ole.h"
