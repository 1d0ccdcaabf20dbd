// The program's pictures (forms/pictures.h hands them over as pixels) as
// Win32 icons and cursors, and drawn onto a surface.
#pragma once

#include <windows.h>

#include "forms/types.h"
#include "forms/win32/surface.h"

namespace forms::win32 {

// Made once per picture and kept to the end of the process; null for none.
HICON iconOf(const Picture& picture);
HCURSOR cursorOf(const Cursor& cursor);

// Draws the picture with its top-left corner at (x, y), transparent where
// it is, within `clip` (pixels of the surface).
void drawPicture(Surface& surface, const Picture& picture, int x, int y, RECT clip);

}  // namespace forms::win32
