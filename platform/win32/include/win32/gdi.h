// GDI: device contexts, drawing objects, text, shapes, blits, regions and system colours.
#pragma once

#include "win32/gdi_dc.h"
#include "win32/gdi_draw.h"
#include "win32/gdi_icon.h"
#include "win32/gdi_objects.h"
#include "win32/gdi_rect.h"
#include "win32/gdi_region.h"
#include "win32/gdi_text.h"
#include "win32/gdi_ui.h"
