#include "forms/web/peers.h"

#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/application.h"
#include "forms/backend_support.h"
#include "forms/pictures.h"
#include "forms/web/page_bridge.h"

namespace forms::web {

namespace {

std::unordered_map<int, ElementPeer*>& registry() {
  static std::unordered_map<int, ElementPeer*> peers;
  return peers;
}

// Twips to whole CSS pixels: 15 twips a pixel at every zoom, the
// browser's pixel ratio doing the rest.
int pixels(float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

// The page's own cut of the Gothic faces first, then the faces the
// request may be drawn with, then the browser's generic family.
std::string cssFamily(const std::string& face) {
  const Gothic gothic = gothicOf(face);
  std::string family = gothic == Gothic::Fixed          ? "'Velmora Gothic', "
                       : gothic == Gothic::Proportional ? "'Velmora P Gothic', "
                                                        : "";
  for (const std::string& name : fontFamilies(face)) family += "'" + name + "', ";
  return family + (gothic == Gothic::Fixed ? "monospace" : "sans-serif");
}

void showFont(int id, const Font& font) {
  page_font(id, cssFamily(font.face).c_str(), fontPixelSize(font), font.bold);
}

void showPicture(int id, const Picture& picture) {
  const PicturePixels& pixels = pixelsOf(picture);
  if (pixels.empty()) {
    page_picture(id, nullptr, nullptr, 0, 0);
    return;
  }
  page_picture(id, picture.resource.c_str(), pixels.argb.data(), pixels.width, pixels.height);
}

int parentId(const Control& control) {
  if (!control.parent()) return 0;
  auto* parent = dynamic_cast<ElementPeer*>(control.parent()->peer());
  return parent ? parent->id() : -1;
}

class FormPeer : public ElementPeer {
 public:
  explicit FormPeer(Form& form) : ElementPeer(form, 0), form_(form) {}
  void geometryChanged() override {
    page_geometry(id(), 0, 0, pixels(form_.clientWidth()), pixels(form_.clientHeight()));
  }
  void screenModeChanged() override { page_full_screen(fullScreen(), fullScreenSurround); }
  void visibilityChanged() override {
    if (form_.visible()) screenModeChanged();
    ElementPeer::visibilityChanged();
    // The drawing follows the density of the screen the window shows on.
    if (form_.visible()) form_.dispatchPixelRatio(page_pixel_ratio(id()));
  }
  void raised() override { page_raise(id()); }
  void captionChanged() override { page_caption(id(), form_.caption().c_str()); }
  void coloursChanged() override { page_colours(id(), form_.style().backColor, 0); }
  void pictureChanged() override { showPicture(id(), form_.style().icon); }
  // A window's own name is its caption; what the page names is the close
  // box it draws in the frame.
  void accessibleChanged() override {
    page_accessible(id(), static_cast<int>(AccessibleRole::Window),
                    form_.style().closeBoxName.c_str(), "");
  }
  void announced() override { page_announce(form_.announcement().c_str()); }
  void overlayChanged() override {
    std::vector<int> runs;
    for (const OverlayRun& run : form_.overlay()) {
      runs.insert(runs.end(), {run.area.left, run.area.top, run.area.right, run.area.bottom,
                               static_cast<int>(run.colour)});
    }
    page_overlay(id(), runs.data(), static_cast<int>(form_.overlay().size()));
  }

 private:
  Form& form_;
};

class PictureBoxPeer : public ElementPeer {
 public:
  PictureBoxPeer(PictureBox& box, int parent) : ElementPeer(box, parent), box_(box) {}
  void coloursChanged() override { page_colours(id(), box_.backColor(), box_.foreColor()); }
  void pictureChanged() override { showPicture(id(), box_.picture()); }
  void cursorChanged() override {
    const Cursor& cursor = box_.mouseIcon();
    const PicturePixels& pixels = pixelsOf(cursor.icon);
    if (box_.mousePointer() != MousePointer::Custom || pixels.empty()) {
      page_cursor(id(), nullptr, nullptr, 0, 0, 0, 0);
      return;
    }
    page_cursor(id(), cursor.icon.resource.c_str(), pixels.argb.data(), pixels.width, pixels.height,
                cursor.hotX, cursor.hotY);
  }
  // Told even when nothing changed, so a new element is painted whole.
  void drawingChanged() override {
    const std::vector<PixelArea> areas = box_.takeChangedAreas();
    if (areas.empty()) page_drawing(id(), 0, 0, 0, 0);
    for (const PixelArea& area : areas) {
      page_drawing(id(), area.left, area.top, area.right, area.bottom);
    }
  }

 private:
  PictureBox& box_;
};

class ImagePeer : public ElementPeer {
 public:
  ImagePeer(Image& image, int parent) : ElementPeer(image, parent), image_(image) {}
  void pictureChanged() override { showPicture(id(), image_.picture()); }

 private:
  Image& image_;
};

class CommandButtonPeer : public ElementPeer {
 public:
  CommandButtonPeer(CommandButton& button, int parent)
      : ElementPeer(button, parent), button_(button) {}
  void captionChanged() override { page_caption(id(), button_.caption().c_str()); }
  void fontChanged() override { showFont(id(), Font{}); }

 private:
  CommandButton& button_;
};

class OptionButtonPeer : public ElementPeer {
 public:
  OptionButtonPeer(OptionButton& option, int parent)
      : ElementPeer(option, parent), option_(option) {}
  void captionChanged() override { page_caption(id(), option_.caption().c_str()); }
  void coloursChanged() override { page_colours(id(), option_.backColor(), systemColor(8)); }
  void fontChanged() override { showFont(id(), Font{}); }
  void valueChanged() override { page_checked(id(), option_.value()); }

 private:
  OptionButton& option_;
};

class LabelPeer : public ElementPeer {
 public:
  LabelPeer(Label& label, int parent) : ElementPeer(label, parent), label_(label) {}
  void captionChanged() override { page_caption(id(), label_.caption().c_str()); }
  void coloursChanged() override { page_colours(id(), 0, label_.foreColor()); }
  void fontChanged() override { showFont(id(), label_.font()); }

 private:
  Label& label_;
};

class LinePeer : public ElementPeer {
 public:
  LinePeer(Line& line, int parent) : ElementPeer(line, parent), line_(line) {}
  void geometryChanged() override {
    ElementPeer::geometryChanged();
    // Ends relative to the line's own box.
    const Rect box = line_.rect();
    page_line(id(), pixels(line_.from().x - box.left), pixels(line_.from().y - box.top),
              pixels(line_.to().x - box.left), pixels(line_.to().y - box.top), line_.borderColor());
  }

 private:
  Line& line_;
};

class FilledRectPeer : public ElementPeer {
 public:
  FilledRectPeer(FilledRect& shape, int parent) : ElementPeer(shape, parent), shape_(shape) {}
  void coloursChanged() override { page_filled(id(), shape_.fillColor(), shape_.outlined()); }

 private:
  FilledRect& shape_;
};

// The peer of type P for a control inside its container's element; none
// if the container has no element.
template <class P, class C>
std::unique_ptr<ControlPeer> child(C& control) {
  const int parent = parentId(control);
  if (parent <= 0) return nullptr;
  auto peer = std::make_unique<P>(control, parent);
  showAll(*peer);
  return peer;
}

}  // namespace

int newElementId() {
  static int last = 0;
  return ++last;
}

ElementPeer::ElementPeer(Control& control, int parent) : control_(control), id_(newElementId()) {
  registry()[id_] = this;
  const Control* above = stackedBeneath(control);
  auto* abovePeer = above ? dynamic_cast<ElementPeer*>(above->peer()) : nullptr;
  page_create(id_, static_cast<int>(control.kind()), parent, abovePeer ? abovePeer->id() : 0);
}

ElementPeer::~ElementPeer() {
  // Possibly from inside this element's own event: the page lets the
  // element go, and a late event finds no peer of this number.
  registry().erase(id_);
  page_destroy(id_);
}

ElementPeer* ElementPeer::find(int id) {
  auto found = registry().find(id);
  return found == registry().end() ? nullptr : found->second;
}

void ElementPeer::geometryChanged() {
  const PixelArea device = control_.deviceRect();
  const double ratio = control_.form().pixelRatio();
  double width = (device.right - device.left) / ratio;
  double height = (device.bottom - device.top) / ratio;
  // A line's box holds both its end pixels.
  if (control_.kind() == ControlKind::Line) {
    ++width;
    ++height;
  }
  page_geometry(id_, device.left / ratio, device.top / ratio, width, height);
}

void ElementPeer::visibilityChanged() { page_visible(id_, control_.visible()); }

void ElementPeer::focusChanged() {
  if (control_.form().focused() == &control_) page_focus(id_);
}

void ElementPeer::accessibleChanged() {
  page_accessible(id_, static_cast<int>(control_.accessibleRole()),
                  control_.accessibleName().c_str(), control_.accessibleDescription().c_str());
}

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) {
  auto peer = std::make_unique<FormPeer>(form);
  showAll(*peer);
  return peer;
}

std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box) {
  return child<PictureBoxPeer>(box);
}
std::unique_ptr<ControlPeer> makeImagePeer(Image& image) { return child<ImagePeer>(image); }
std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button) {
  return child<CommandButtonPeer>(button);
}
std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option) {
  return child<OptionButtonPeer>(option);
}
std::unique_ptr<ControlPeer> makeLabelPeer(Label& label) { return child<LabelPeer>(label); }
std::unique_ptr<ControlPeer> makeLinePeer(Line& line) { return child<LinePeer>(line); }
std::unique_ptr<ControlPeer> makeFilledRectPeer(FilledRect& shape) {
  return child<FilledRectPeer>(shape);
}

}  // namespace forms::web
