// `simulation2`: the rod.
#pragma once

#include "simulation/single_piece_window.h"

namespace velmora {

class RodWindow : public SinglePieceWindow {
 public:
  explicit RodWindow(forms::Form& menu);
};

}  // namespace velmora
