#include "forms/backend_support.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

void showAll(ControlPeer& peer) {
  peer.geometryChanged();
  peer.captionChanged();
  peer.coloursChanged();
  peer.fontChanged();
  peer.pictureChanged();
  peer.cursorChanged();
  peer.valueChanged();
  peer.drawingChanged();
  peer.accessibleChanged();
  peer.visibilityChanged();
}

const Control* stackedBeneath(const Control& control) {
  if (!isWindowless(control.kind()) || !control.parent()) return nullptr;
  for (const Control* sibling : control.parent()->children()) {
    if (!isWindowless(sibling->kind()) && sibling->peer()) return sibling;
  }
  return nullptr;
}

int fontPixelSize(const Font& font, double zoom) {
  constexpr double twipsPerPoint = 20.0;
  return std::max(1,
                  static_cast<int>(std::lround(font.size * twipsPerPoint / twipsPerPixel * zoom)));
}

namespace {

const std::string fixedGothic = "ＭＳ ゴシック";
const std::string proportionalGothic = "ＭＳ Ｐゴシック";

}  // namespace

const std::vector<std::string>& fontFamilies(const std::string& face) {
  static const std::vector<std::string> fixed = {
      fixedGothic, "MS Gothic",   "BIZ UDゴシック", "BIZ UDGothic",
      "IPAGothic", "IPAゴシック", "Osaka-Mono",     "Noto Sans Mono CJK JP"};
  static const std::vector<std::string> proportional = {
      proportionalGothic, "MS PGothic",
      "Yu Gothic UI",     "Meiryo UI",
      "Meiryo",           "BIZ UDPゴシック",
      "BIZ UDPGothic",    "IPAPGothic",
      "IPA Pゴシック",    "Hiragino Kaku Gothic ProN",
      "Hiragino Sans",    "Noto Sans CJK JP"};
  if (gothicOf(face) == Gothic::Fixed) return fixed;
  if (gothicOf(face) == Gothic::Proportional) return proportional;
  static std::map<std::string, std::vector<std::string>> others;
  auto found = others.find(face);
  if (found == others.end()) found = others.emplace(face, std::vector<std::string>{face}).first;
  return found->second;
}

Gothic gothicOf(const std::string& face) {
  if (face == fixedGothic) return Gothic::Fixed;
  if (face == proportionalGothic) return Gothic::Proportional;
  return Gothic::None;
}

std::string installedFamily(const std::string& face, bool (*installed)(const std::string& family)) {
  static std::map<std::string, std::string> chosen;
  auto found = chosen.find(face);
  if (found != chosen.end()) return found->second;
  const std::vector<std::string>& families = fontFamilies(face);
  const auto first = std::find_if(families.begin(), families.end(), installed);
  return chosen[face] = first == families.end() ? std::string() : *first;
}

void mouseButtonAt(Form& form, bool press, std::int16_t button, std::int16_t shift, double deviceX,
                   double deviceY) {
  if (button != leftButton && button != rightButton && button != middleButton) return;
  // The same twips whatever the screen's scale, and in full screen from the
  // client area's corner where it lies centred.
  const Point twips = form.twipsAt(deviceX, deviceY);
  const MouseEvent event{button, shift, twips.x, twips.y};
  if (press) {
    form.pressAt(event);
  } else {
    form.releaseAt(event);
  }
}

void keyArrived(Control* control, Key key, KeyPhase phase, bool shift) {
  if (key == Key::Tab && shift) key = Key::BackTab;
  if (phase == KeyPhase::Press && control) {
    control->form().dispatchKey(key, shift ? shiftHeld : 0);
  }
}

void focusArrived(Control& control) {
  Form& form = control.form();
  if (form.loaded() && form.focused() != &control) form.setFocus(&control);
}

void placeOnScreen(Form& form, double screenWidth, double screenHeight) {
  const int width = static_cast<int>(screenWidth);
  const int height = static_cast<int>(screenHeight);
  const double clientWidth = form.clientWidth() / twipsPerPixel;
  const double clientHeight = form.clientHeight() / twipsPerPixel;
  const double ratio = std::min(width / clientWidth, height / clientHeight);
  const int shownWidth = static_cast<int>(std::lround(clientWidth * ratio));
  const int shownHeight = static_cast<int>(std::lround(clientHeight * ratio));
  form.dispatchPlacement(ratio, (width - shownWidth) / 2, (height - shownHeight) / 2);
}

}  // namespace forms
