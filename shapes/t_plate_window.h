// `simulation3`: the T-shaped plate.
#pragma once

#include "simulation/multi_piece_window.h"

namespace velmora {

class TPlateWindow : public MultiPieceWindow {
 public:
  explicit TPlateWindow(forms::Form& menu);
};

}  // namespace velmora
