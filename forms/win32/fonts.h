// Fonts: the first face of the request's fallback list the machine has, at
// the toolkit's pixel size for its points.
#pragma once

#include <windows.h>

#include <string>

#include "forms/types.h"

namespace forms::win32 {

// Made once per face, size, weight and pixel ratio, kept to the end of the
// process.
HFONT fontOf(const Font& font, double ratio);
HFONT defaultControlFont(double ratio);
// The face a request is drawn with on this machine.
std::wstring faceOf(const Font& font);

}  // namespace forms::win32
