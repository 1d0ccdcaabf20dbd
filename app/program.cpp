#include "app/program.h"

#include <stdexcept>

namespace velmora {

namespace {

std::size_t rowOf(std::string_view shape) {
  const std::vector<ShapeLayout>& layouts = shapeLayouts();
  for (std::size_t row = 0; row < layouts.size(); ++row) {
    if (layouts[row].shape.name == shape) return row;
  }
  throw std::invalid_argument("no such shape");
}

}  // namespace

Program::Program() : menu(*this), windows_(shapeLayouts().size()) {}

void Program::start() { menu.show(); }

void Program::open(std::string_view shape) {
  const std::size_t row = rowOf(shape);
  if (!windows_[row])
    windows_[row] = std::make_unique<SimulationWindow>(shapeLayouts()[row], *this);
  windows_[row]->show();
  menu.hide();
}

void Program::showMenu() { menu.show(); }

SimulationWindow* Program::window(std::string_view shape) const {
  return windows_[rowOf(shape)].get();
}

}  // namespace velmora
