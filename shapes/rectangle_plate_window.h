// `simulation1`: the rectangular plate.
#pragma once

#include "simulation/single_piece_window.h"

namespace velmora {

class RectanglePlateWindow : public SinglePieceWindow {
 public:
  explicit RectanglePlateWindow(forms::Form& menu);
};

}  // namespace velmora
