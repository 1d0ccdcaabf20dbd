// The program's pictures (forms/pictures.h hands them over as pixels) as
// Win32 icons and cursors, and drawn onto a surface.
#pragma once

#include <windows.h>

#include "forms/types.h"
#include "forms/win32/surface.h"

namespace forms::win32 {

// Made once per picture and kept to the end of the process; null for none.
HICON iconOf(const Picture& picture);
// At a pixel ratio of 2 the cursor is twice as large, its hot spot too.
HCURSOR cursorOf(const Cursor& cursor, double ratio);

// Draws the picture with its top-left corner at (x, y), transparent where
// it is, within `clip` (pixels of the surface); each picture pixel covers
// `ratio` device pixels a side, so the picture keeps its size on a 200 %
// screen and stays sharp.
void drawPicture(Surface& surface, const Picture& picture, int x, int y, RECT clip, double ratio);

}  // namespace forms::win32
