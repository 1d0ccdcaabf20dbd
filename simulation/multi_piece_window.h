// A simulation window whose metal is built from several rectangles (the T,
// the spiral, the H, the concave plate): one field, one marker and one
// timer per piece, all growing one heat front that turns around corners.
#pragma once

#include <cstdint>
#include <vector>

#include "simulation/multi_front.h"
#include "simulation/simulation_window.h"

namespace velmora {

// The metal of a window of several pieces (twips), indexed like the pieces.
struct MultiPieceLayout {
  std::vector<forms::Rect> fields;  // in the window
  std::vector<forms::Rect> fires;   // each in its own piece, where the hidden marker waits
};

class MultiPieceWindow : public SimulationWindow {
 public:
  MultiPieceWindow(FrameLayout frame, MultiPieceLayout metal, const MultiShape& shape,
                   forms::Form& menu);

  // Handlers.
  void field_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                       float Y);
  void Timer_Timer(std::int16_t Index);

  // Control arrays, rebuilt at every opening.
  forms::PictureBox& field(std::int16_t i) const { return *field_[i]; }
  forms::PictureBox& fire(std::int16_t i) const { return *fire_[i]; }
  forms::Timer& Timer(std::int16_t i) const { return *Timer_[i]; }
  std::int16_t pieceCount() const { return static_cast<std::int16_t>(metal_.fields.size()); }

  // The heat front of the current run, one radius per piece.
  MultiFront front;

 protected:
  void buildMetal() override;

 private:
  const MultiPieceLayout metal_;
  std::vector<forms::PictureBox*> field_;
  std::vector<forms::PictureBox*> fire_;
  std::vector<forms::Timer*> Timer_;
};

}  // namespace velmora
