#include "app/simulation_window.h"

#include "app/heat_tick_log.h"
#include "app/looks.h"
#include "app/metal_on_window.h"
#include "app/program.h"
#include "app/texts.h"

namespace velmora {

namespace {

// The controls every simulation window has in the same place (twips).
constexpr forms::Rect backRect{7560, 120, 975, 375};
constexpr forms::Rect retryRect{6480, 120, 975, 375};
constexpr std::array<forms::Rect, 3> speedRects{{
    {7560, 4680, 975, 255},
    {7560, 4920, 975, 255},
    {7560, 5160, 975, 255},
}};
constexpr float markerHalf = markerSize / 2;

constexpr forms::Color headingRed = 0x0000FF;
constexpr forms::Color headingBlue = 0xFF0000;
const char* const headingFace = "ＭＳ Ｐゴシック";

forms::Rect markerAt(forms::Point corner) {
  return forms::Rect{corner.x, corner.y, markerSize, markerSize};
}

}  // namespace

SimulationWindow::SimulationWindow(const ShapeLayout& layout, Program& program)
    : forms::Form(forms::FormStyle{
          windowCaption(captions(), textsOf(layout)), simulationClientWidth, simulationClientHeight,
          forms::systemColor(24), lampIcon(), std::string(captions().closeBox.name())}),
      layout(layout),
      heat(layout.shape, simulationSurroundings),
      program_(program) {}

void SimulationWindow::buildLayout() {
  // The burner stands beneath the metal: only what sticks out around the
  // pressed point is seen, as a flame under a real plate.
  burner = add<forms::Image>(*this, markerAt(layout.burner), burnerPicture());
  burner->setVisible(false);
  const CaptionSet& texts = captions();
  const ShapeTexts& shapeTexts = textsOf(layout, texts);
  giveAccessibleText(*burner, texts.burner);

  metal.clear();
  markers.clear();
  heatTimers.clear();
  // Pieces made later lie on top where neighbours overlap at a joint.
  for (int i = 0; i < pieceCount(); ++i) {
    auto* piece =
        add<forms::PictureBox>(*this, onWindow(layout.shape.pieces[static_cast<std::size_t>(i)]));
    piece->setBackColor(coldMetal);
    piece->setForeColor(frontRim);
    piece->setFillColor(heatedMetal);
    piece->setMouseIcon(burnerCursor());
    piece->setMousePointer(forms::MousePointer::Custom);
    piece->setTabStop(true);  // the metal comes right after "もどる" in the tab order
    giveAccessibleText(*piece, shapeTexts.metal);
    piece->onMouseDown = [this, i](const forms::MouseEvent& e) {
      metalPressed(i, e.button, e.x, e.y);
    };
    metal.push_back(piece);
    // Made after everything else inside its piece, so it stays above the
    // heat drawn there.
    auto* marker =
        add<forms::PictureBox>(*piece, markerAt(layout.markers[static_cast<std::size_t>(i)]));
    marker->setBackColor(heatedMetal);
    marker->setPicture(burnerPicture());
    marker->setVisible(false);
    markers.push_back(marker);
    forms::Timer* timer = addTimer(50);
    timer->onTimer = [this, i] { heatTimerTicked(i); };
    heatTimers.push_back(timer);
  }

  shapeWord = add<forms::Label>(*this, forms::Rect{360, 120, layout.shapeWordWidth, 495},
                                std::string(shapeTexts.shapeWord.caption),
                                forms::Font{headingFace, layout.shapeWordPoints, true}, headingRed);
  heading = add<forms::Label>(*this, forms::Rect{layout.headingLeft, 240, layout.headingWidth, 375},
                              std::string(shapeTexts.heading.caption),
                              forms::Font{headingFace, 18, true}, headingBlue);

  backButton = add<forms::CommandButton>(*this, backRect, std::string(texts.back.caption));
  backButton->onClick = [this] { backClicked(); };
  giveAccessibleText(*backButton, texts.back);
  retryButton = add<forms::CommandButton>(*this, retryRect, std::string(texts.retry.caption));
  retryButton->onClick = [this] { retryClicked(); };
  giveAccessibleText(*retryButton, texts.retry);
  retryButton->setVisible(false);

  for (int i = 0; i < 3; ++i) {
    speedOptions[i] =
        add<forms::OptionButton>(*this, speedRects[i], std::string(texts.speeds[i].caption),
                                 forms::systemColor(24), speedChoices[i] == normalSpeed);
    speedOptions[i]->onClick = [this, i] { speedChosen(i); };
    giveAccessibleText(*speedOptions[i], texts.speeds[i]);
  }

  // "もどる" first, so it holds the focus when the window opens.
  std::vector<forms::Control*> order{backButton};
  order.insert(order.end(), metal.begin(), metal.end());
  order.push_back(retryButton);
  order.insert(order.end(), speedOptions.begin(), speedOptions.end());
  setTabOrder(std::move(order));
}

void SimulationWindow::onLoad() {
  heat.reset();
  // Show the speed the child chose last, in whichever window; selecting it
  // stores the same value again.
  for (int i = 0; i < 3; ++i) {
    if (program_.speed() == speedChoices[i]) {
      speedOptions[i]->select();
      break;
    }
  }
}

void SimulationWindow::metalPressed(int piece, std::int16_t button, float x, float y) {
  // Only the left button lights the burner, and only on cold metal of an
  // open window.
  if (!loaded() || button != forms::leftButton) return;
  if (!heat.press(piece, x, y, program_.speed())) return;
  // Every marker sits on the pressed point; in a piece the point lies
  // outside of, clipping hides it.
  for (int i = 0; i < pieceCount(); ++i) {
    const forms::Point at = onWindow(heat.pieces[static_cast<std::size_t>(i)].pressedPoint);
    markers[i]->setLeft(at.x - markerHalf);
    markers[i]->setTop(at.y - markerHalf);
  }
  burner->setLeft(metal[piece]->left() + x - markerHalf);
  burner->setTop(metal[piece]->top() + y - markerHalf);
  burner->setVisible(true);
  heat_tick_log::runStarted(pieceCount());
  announce(std::string(captions().heatStarted));
  for (int i = 0; i < pieceCount(); ++i) {
    metal[i]->setMousePointer(forms::MousePointer::Default);
    heatTimers[i]->setEnabled(true);
  }
}

void SimulationWindow::heatTimerTicked(int piece) {
  if (!loaded()) return;  // its timers went with the window's controls
  heat_tick_log::ticked(piece);
  const heat::HeatTick tick = heat.tick(piece, program_.speed());
  if (tick.showMarker) markers[piece]->setVisible(true);
  if (tick.stop) {
    heatTimers[piece]->setEnabled(false);
    heat_tick_log::pieceStopped(piece);
    if (tick.showRetry) {
      retryButton->setVisible(true);
      // The heat has reached the far end of the shape: the moment the
      // child waited for, and "もう一度" is there.
      announce(std::string(captions().wholeShapeWarm));
    }
    return;
  }
  if (tick.disc) metal[piece]->drawCircle(tick.disc->x, tick.disc->y, tick.disc->radius);
}

void SimulationWindow::speedChosen(int option) {
  if (option >= 0 && option < 3) program_.chooseSpeed(speedChoices[option]);
}

void SimulationWindow::retryClicked() {
  if (!loaded()) return;  // nothing to clear on a closed window
  // Pressed by a child using the keyboard, the focus goes back to the metal
  // that was heated, its cross where the child aimed, ready for the next
  // press. Without keys the focus moves on as it always did.
  const bool focusOnRetry = keyboardUsed() && focused() == retryButton;
  for (int i = 0; i < pieceCount(); ++i) {
    metal[i]->setMouseIcon(burnerCursor());
    metal[i]->setMousePointer(forms::MousePointer::Custom);
    markers[i]->setVisible(false);
    metal[i]->setBackColor(coldMetal);  // erases the heat drawn on it
  }
  burner->setVisible(false);
  retryButton->setVisible(false);
  // A piece far from the burner may still be heating when the run counts as
  // finished; left running, its timer would paint heat onto the cold metal
  // of the fresh plate.
  for (forms::Timer* timer : heatTimers) timer->setEnabled(false);
  const int heatedPiece = heat.clickedPiece();
  heat.reset();
  if (focusOnRetry) setFocus(metal[heatedPiece]);
}

void SimulationWindow::backClicked() {
  program_.showMenu();
  close();
}

}  // namespace velmora
