// Running a program handler safely: never after the program ended, and
// from a copy, because a handler may close its own form and so destroy the
// very control (and std::function) it was called through.
#pragma once

#include <functional>
#include <utility>

#include "forms/application.h"

namespace forms {

template <class Signature, class... Args>
void raise(const std::function<Signature>& handler, Args&&... args) {
  if (programEnded() || !handler) return;
  std::function<Signature> copy = handler;
  copy(std::forward<Args>(args)...);
}

}  // namespace forms
