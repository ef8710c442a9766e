// The class library stand-in: every concept in a small header of its own under mfc/.
#pragma once

#include <windows.h>

#include "mfc/object.h"
#include "mfc/exceptions.h"
#include "mfc/geometry.h"
#include "mfc/message_map.h"
#include "mfc/cmd_target.h"
#include "mfc/cmd_ui.h"
#include "mfc/gdi_objects.h"
#include "mfc/dc.h"
#include "mfc/wnd.h"
#include "mfc/frame.h"
#include "mfc/app.h"
