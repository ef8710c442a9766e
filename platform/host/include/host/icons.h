// Loading the host's icon files into image lists.
#pragma once

#include "host/colors.h"
#include "host/strings.h"
#include "win32/image.h"

// Adds the icons of an icon file to an image list. The file is a horizontal strip of icons of the
// list's icon size, "<file>.png" or "<file>.bmp", looked up in the icon folder (directory 39) under
// "IconsDark/" in the dark theme (falling back to "Icons/") and under "Icons/" in the light theme.
// With disabled set, the "<file>_d" strip is taken when there is one. Magenta (255, 0, 255) marks
// transparent pixels of masked lists, and the list's background becomes the host colour `color`.
// TRUE when at least one icon was added.
BOOL LoadMAXFileIcon(const MCHAR* file, HIMAGELIST imageList, ColorId color, BOOL disabled);
