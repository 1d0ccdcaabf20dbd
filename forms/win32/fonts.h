// Fonts: the fixed and proportional Gothic faces by name, falling back to
// another Japanese Gothic face the machine has; sizes through twips.
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
