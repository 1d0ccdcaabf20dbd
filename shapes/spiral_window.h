// `simulation4`: the spiral.
#pragma once

#include "simulation/multi_piece_window.h"

namespace velmora {

class SpiralWindow : public MultiPieceWindow {
 public:
  explicit SpiralWindow(forms::Form& menu);
};

}  // namespace velmora
