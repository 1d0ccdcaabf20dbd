// A simulation window whose metal is one rectangle (the plate, the rod):
// one field, one marker inside it, one timer growing one heat front.
#pragma once

#include <cstdint>

#include "simulation/simulation_window.h"
#include "simulation/single_front.h"

namespace velmora {

// The metal of a one-piece window (twips).
struct SinglePieceLayout {
  forms::Rect field;  // in the window
  forms::Rect fire;   // in the field, where the hidden marker waits
  double stepConstant;
};

class SinglePieceWindow : public SimulationWindow {
 public:
  SinglePieceWindow(FrameLayout frame, SinglePieceLayout metal, forms::Form& menu);

  // Handlers.
  void field_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Timer1_Timer();

  // Controls, rebuilt at every opening.
  forms::PictureBox* field = nullptr;
  forms::PictureBox* fire = nullptr;
  forms::Timer* Timer1 = nullptr;

  // The heat front of the current run.
  SingleFront front;

 protected:
  void buildMetal() override;

 private:
  const SinglePieceLayout metal_;
};

}  // namespace velmora
