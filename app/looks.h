// How the metal, the burner and the heat look in every window.
#pragma once

#include "forms/types.h"

namespace velmora {

// Cold metal is light grey; heated metal is light red inside a black rim.
constexpr forms::Color coldMetal = 0xE0E0E0;
constexpr forms::Color heatedMetal = 0x8080FF;
constexpr forms::Color frontRim = 0x000000;

// The flame-and-cross icon: the burner markers, and the cursor over idle
// metal with its hot spot on the crossing, so the child aims at a point.
inline forms::Picture burnerPicture() { return forms::Picture{"fire.ico"}; }
inline forms::Cursor burnerCursor() { return forms::Cursor{burnerPicture(), 16, 16}; }

// Every window carries the lamp.
inline forms::Picture lampIcon() { return forms::Picture{"lamp.ico"}; }

}  // namespace velmora
