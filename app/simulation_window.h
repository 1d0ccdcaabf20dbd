// The window of one metal shape: its heading, "もどる", "もう一度", the three
// speeds, the burner image, and the metal, one picture box per piece with a
// marker and a heat timer each. One class serves all six shapes, each laid
// out by its row of the layout table.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "app/shape_layouts.h"
#include "forms/form.h"
#include "heat/heat_run.h"

namespace velmora {

class Program;

class SimulationWindow : public forms::Form {
 public:
  // The speed, and the menu to go back to, come from `program`.
  SimulationWindow(const ShapeLayout& layout, Program& program);

  // Handlers.
  void metalPressed(int piece, std::int16_t button, float x, float y);
  void heatTimerTicked(int piece);
  void speedChosen(int option);
  void retryClicked();
  void backClicked();

  const ShapeLayout& layout;
  // The run on this metal; it outlives the window's controls, so a reopened
  // window starts idle from its load, not from a fresh object.
  heat::HeatRun heat;

  // Controls, rebuilt at every opening.
  forms::Label* shapeWord = nullptr;
  forms::Label* heading = nullptr;
  forms::Image* burner = nullptr;  // beneath the metal, seen only around it
  forms::CommandButton* backButton = nullptr;
  forms::CommandButton* retryButton = nullptr;
  std::array<forms::OptionButton*, 3> speedOptions{};  // slow, normal, fast
  std::vector<forms::PictureBox*> metal;               // one per piece
  std::vector<forms::PictureBox*> markers;             // the burner inside each piece
  std::vector<forms::Timer*> heatTimers;               // one per piece

  int pieceCount() const { return heat.pieceCount(); }

 protected:
  void buildLayout() override;
  void onLoad() override;
  // The close box takes the child back to the menu, as "もどる" does, so the
  // program is never left running with no window on the screen.
  void onCloseBox() override { backClicked(); }

 private:
  Program& program_;
};

}  // namespace velmora
