// `simulation6`: the concave plate.
#pragma once

#include "simulation/multi_piece_window.h"

namespace velmora {

class ConcavePlateWindow : public MultiPieceWindow {
 public:
  explicit ConcavePlateWindow(forms::Form& menu);
};

}  // namespace velmora
