// The frame the six simulation windows share: the heading, "もどる",
// "もう一度", the three speed options and the burner image, with what they
// do. Each window adds its metal (one picture box, or one per piece) and
// its heat front.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/form.h"

namespace velmora {

// What one simulation window's frame shows around its metal (twips).
struct FrameLayout {
  std::string caption;    // "Velmora：" and the shape word
  std::string shapeWord;  // `Label2`, red, at (360, 120)
  float shapeWordWidth;
  float shapeWordPoints;  // 24, a little smaller where the word is long
  std::string heading;    // `Label1`, blue, at (headingLeft, 240)
  float headingLeft;
  float headingWidth;
  forms::Rect fire0;  // where the burner image waits, hidden
};

class SimulationWindow : public forms::Form {
 public:
  // `menu` is shown again when the child goes back.
  SimulationWindow(FrameLayout layout, forms::Form& menu);

  // Handlers.
  void speed_Click(std::int16_t Index);
  void retry_Click();
  void owari_Click();

  // 1 from the press that starts a run until "もう一度": the metal ignores
  // presses meanwhile. Kept while the window is closed.
  std::int16_t running = 0;

  // Controls, rebuilt at every opening.
  forms::Label* Label2 = nullptr;
  forms::Label* Label1 = nullptr;
  forms::Image* fire0 = nullptr;
  forms::CommandButton* owari = nullptr;
  forms::CommandButton* retry = nullptr;
  std::array<forms::OptionButton*, 3> speed{};

 protected:
  void buildLayout() final;
  void Form_Load() override;
  // The close box takes the child back to the menu, as "もどる" does, so the
  // program is never left running with no window on the screen.
  void closeBox_Click() override { owari_Click(); }

  // Each window builds its metal here, through addField / addFire /
  // addHeatTimer, after the burner image (so the metal covers it) and in
  // the order its pieces should stack.
  virtual void buildMetal() = 0;
  forms::PictureBox* addField(forms::Rect where);
  forms::PictureBox* addFire(forms::PictureBox& field, forms::Rect where);
  forms::Timer* addHeatTimer();

 private:
  const FrameLayout layout_;
  forms::Form& menu_;
  // The metal as "もう一度" sees it: every piece, its marker, every timer.
  std::vector<forms::PictureBox*> fields_;
  std::vector<forms::PictureBox*> fires_;
  std::vector<forms::Timer*> heatTimers_;
};

}  // namespace velmora
