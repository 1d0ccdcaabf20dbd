// Font requests in the program's terms turned into Qt fonts.
#pragma once

#include <QFont>

#include "forms/types.h"

namespace forms::qt {

// The first face of the request's fallback list this machine has (the IPA
// faces on Linux), at the toolkit's pixel size for its points.
// `zoom`: how many times larger than its logical size the window is
// shown (full screen), 1 otherwise.
QFont toQFont(const Font& font, double zoom = 1.0);

// Buttons and option buttons: the proportional Gothic at 9 pt.
QFont defaultControlFont(double zoom = 1.0);

}  // namespace forms::qt
