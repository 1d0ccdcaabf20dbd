#include "simulation/simulation_window.h"

#include <utility>

#include "simulation/metal_look.h"
#include "simulation/module1.h"
#include "simulation/window_size.h"

namespace velmora {

namespace {

// The controls every simulation window has in the same place (twips).
constexpr forms::Rect owariRect{7560, 120, 975, 375};
constexpr forms::Rect retryRect{6480, 120, 975, 375};
constexpr std::array<forms::Rect, 3> speedRects{{
    {7560, 4680, 975, 255},
    {7560, 4920, 975, 255},
    {7560, 5160, 975, 255},
}};
constexpr std::array<const char*, 3> speedCaptions{"ゆっくり", "ふつう", "はやい"};
// The speed each option stands for.
constexpr std::array<float, 3> speedValues{20, 50, 100};
constexpr int normalSpeed = 1;

constexpr forms::Color headingRed = 0x0000FF;
constexpr forms::Color headingBlue = 0xFF0000;
constexpr float shapeWordTop = 120;
constexpr float shapeWordLeft = 360;
constexpr float shapeWordHeight = 495;
constexpr float headingTop = 240;
constexpr float headingHeight = 375;
constexpr float headingPoints = 18;
const char* const headingFace = "ＭＳ Ｐゴシック";

forms::FormStyle frameStyle(const FrameLayout& layout) {
  return forms::FormStyle{layout.caption, simulationClientWidth, simulationClientHeight,
                          forms::systemColor(24), lampIcon()};
}

}  // namespace

SimulationWindow::SimulationWindow(FrameLayout layout, forms::Form& menu)
    : forms::Form(frameStyle(layout)), layout_(std::move(layout)), menu_(menu) {}

void SimulationWindow::buildLayout() {
  fields_.clear();
  fires_.clear();
  heatTimers_.clear();

  // The burner stands beneath the metal: only what sticks out around the
  // pressed point is seen, as a flame under a real plate.
  fire0 = add<forms::Image>(*this, layout_.fire0, burnerPicture());
  fire0->setVisible(false);

  buildMetal();

  Label2 = add<forms::Label>(
      *this, forms::Rect{shapeWordLeft, shapeWordTop, layout_.shapeWordWidth, shapeWordHeight},
      layout_.shapeWord, forms::Font{headingFace, layout_.shapeWordPoints, true}, headingRed);
  Label1 = add<forms::Label>(
      *this, forms::Rect{layout_.headingLeft, headingTop, layout_.headingWidth, headingHeight},
      layout_.heading, forms::Font{headingFace, headingPoints, true}, headingBlue);

  owari = add<forms::CommandButton>(*this, owariRect, "もどる");
  owari->onClick = [this] { owari_Click(); };
  retry = add<forms::CommandButton>(*this, retryRect, "もう一度");
  retry->onClick = [this] { retry_Click(); };
  retry->setVisible(false);

  for (std::int16_t i = 0; i < 3; ++i) {
    speed[i] = add<forms::OptionButton>(*this, speedRects[i], speedCaptions[i],
                                        forms::systemColor(24), i == normalSpeed);
    speed[i]->onClick = [this, i] { speed_Click(i); };
  }

  // "もどる" first, so it holds the focus when the window opens.
  std::vector<forms::Control*> order{owari};
  order.insert(order.end(), fields_.begin(), fields_.end());
  order.push_back(retry);
  order.insert(order.end(), speed.begin(), speed.end());
  setTabOrder(std::move(order));
}

forms::PictureBox* SimulationWindow::addField(forms::Rect where) {
  auto* field = add<forms::PictureBox>(*this, where);
  field->setBackColor(coldMetal);
  field->setForeColor(frontRim);
  field->setFillColor(heatedMetal);
  field->setMouseIcon(burnerCursor());
  field->setMousePointer(forms::MousePointer::Custom);
  field->setTabStop(true);  // the metal comes right after "もどる" in the tab order
  fields_.push_back(field);
  return field;
}

forms::PictureBox* SimulationWindow::addFire(forms::PictureBox& field, forms::Rect where) {
  // Made after everything else inside its piece, so it stays above the
  // heat drawn there.
  auto* fire = add<forms::PictureBox>(field, where);
  fire->setBackColor(heatedMetal);
  fire->setPicture(burnerPicture());
  fire->setVisible(false);
  fires_.push_back(fire);
  return fire;
}

forms::Timer* SimulationWindow::addHeatTimer() {
  auto* timer = addTimer(50);
  heatTimers_.push_back(timer);
  return timer;
}

void SimulationWindow::Form_Load() {
  running = 0;
  // Show the speed the child chose last, in whichever window; selecting it
  // stores the same value again.
  for (std::int16_t i = 0; i < 3; ++i) {
    if (Module1::speedFactor == speedValues[i]) {
      speed[i]->select();
      break;
    }
  }
}

void SimulationWindow::speed_Click(std::int16_t Index) {
  if (Index >= 0 && Index < 3) Module1::speedFactor = speedValues[Index];
}

void SimulationWindow::retry_Click() {
  if (!loaded()) return;  // nothing to clear on a closed window
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setMouseIcon(burnerCursor());
    fields_[i]->setMousePointer(forms::MousePointer::Custom);
    fires_[i]->setVisible(false);
    fields_[i]->setBackColor(coldMetal);  // erases the heat drawn on it
  }
  fire0->setVisible(false);
  retry->setVisible(false);
  // A piece far from the burner may still be heating when the run counts as
  // finished; left running, its timer would paint heat onto the cold metal
  // of the fresh plate.
  for (forms::Timer* timer : heatTimers_) timer->setEnabled(false);
  running = 0;
}

void SimulationWindow::owari_Click() {
  menu_.Show();
  close();
}

}  // namespace velmora
