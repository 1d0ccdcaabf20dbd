// A form or a picture box: a window that draws its windowless children
// (images, labels, lines, filled rectangles) above its own background,
// passes presses on itself to the core, and answers the messages its
// system buttons send their parent.
#pragma once

#include "forms/win32/surface.h"
#include "forms/win32/window_peer.h"

namespace forms::win32 {

class ContainerPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // What lies beneath the windowless children: the form's colour, the
  // picture box's drawing.
  virtual void paintBackground(Surface& buffer) = 0;

 private:
  // Drawn off the screen first, then shown in one blit, so a heat front
  // growing every 50 ms never flickers.
  void paint();
  Surface buffer_;
};

// Draws one windowless control on its container's buffer.
void drawWindowless(Surface& buffer, const Control& control);

}  // namespace forms::win32
