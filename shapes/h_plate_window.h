// `simulation5`: the H-shaped plate.
#pragma once

#include "simulation/multi_piece_window.h"

namespace velmora {

class HPlateWindow : public MultiPieceWindow {
 public:
  explicit HPlateWindow(forms::Form& menu);
};

}  // namespace velmora
