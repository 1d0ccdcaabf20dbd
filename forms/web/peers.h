// One peer per control: an element of the page that shows the control's
// state, one small handler per message of the core. Peers are numbered, so
// the page's events find their control, and a late event for a peer gone
// finds nothing.
#pragma once

#include <memory>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms::web {

class ElementPeer : public ControlPeer {
 public:
  ElementPeer(Control& control, int parent);
  ~ElementPeer() override;
  ElementPeer(const ElementPeer&) = delete;
  ElementPeer& operator=(const ElementPeer&) = delete;

  int id() const { return id_; }
  Control& control() const { return control_; }

  void geometryChanged() override;
  void visibilityChanged() override;
  void focusChanged() override;
  void accessibleChanged() override;

  // The peer numbered `id`, if it still exists.
  static ElementPeer* find(int id);

 protected:
  Control& control_;

 private:
  int id_;
};

std::unique_ptr<ControlPeer> makeFormPeer(Form& form);
std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box);
std::unique_ptr<ControlPeer> makeImagePeer(Image& image);
std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button);
std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option);
std::unique_ptr<ControlPeer> makeLabelPeer(Label& label);
std::unique_ptr<ControlPeer> makeLinePeer(Line& line);
std::unique_ptr<ControlPeer> makeFilledRectPeer(FilledRect& shape);

// A number for a new peer or timer, never reused.
int newElementId();

}  // namespace forms::web
