// Font requests in the program's terms turned into Qt fonts.
#pragma once

#include <QFont>

#include "forms/types.h"

namespace forms::qt {

// The named Japanese Gothic faces map to the IPA faces drawn to the same
// metrics; the size goes through twips (1 pt = 20 twips, 15 twips = 1 px),
// never through the screen's logical DPI.
// `zoom`: how many times larger than its logical size the window is
// shown (full screen), 1 otherwise.
QFont toQFont(const Font& font, double zoom = 1.0);

// Buttons and option buttons: the proportional Gothic at 9 pt.
QFont defaultControlFont(double zoom = 1.0);

}  // namespace forms::qt
