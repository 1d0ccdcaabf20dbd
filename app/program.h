// The program: the menu `main` and the six simulation windows. Each
// simulation window object is made when the child first opens it and kept
// to the end, so it remembers its members between openings.
#pragma once

#include <memory>

#include "app/menu_window.h"
#include "shapes/concave_plate_window.h"
#include "shapes/h_plate_window.h"
#include "shapes/rectangle_plate_window.h"
#include "shapes/rod_window.h"
#include "shapes/spiral_window.h"
#include "shapes/t_plate_window.h"

namespace velmora {

class Program {
 public:
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the menu; its Form_Load runs first.
  void start();

  MenuWindow main;
  std::unique_ptr<RectanglePlateWindow> simulation1;
  std::unique_ptr<RodWindow> simulation2;
  std::unique_ptr<TPlateWindow> simulation3;
  std::unique_ptr<SpiralWindow> simulation4;
  std::unique_ptr<HPlateWindow> simulation5;
  std::unique_ptr<ConcavePlateWindow> simulation6;
};

}  // namespace velmora
