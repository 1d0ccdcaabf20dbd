// Command buttons and option buttons are the system's own BUTTON windows,
// subclassed: they keep their own pressed look and hit test; their clicks,
// selection and keyboard go through the toolkit, which owns their state.
#pragma once

#include "forms/win32/window_peer.h"

namespace forms::win32 {

class ButtonPeer : public WindowPeer {
 public:
  ButtonPeer(Control& control, HWND parent, DWORD style);
  // Buttons use the proportional Gothic at 9 pt, at the form's scale.
  void fontChanged() override;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT byDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The background brush the parent hands the button (WM_CTLCOLORSTATIC),
  // with the text colour set on `dc`; null for the system's own.
  virtual HBRUSH colours(HDC) { return nullptr; }
};

}  // namespace forms::win32
