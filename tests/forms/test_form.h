// A window for the conformance tests: its layout is whatever the test
// hands it, and it records its load and close-box events.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "app/looks.h"
#include "forms/form.h"

namespace formstest {

// The metal's colours as the program draws them, which every backend must
// show exactly.
constexpr forms::Color grey = velmora::coldMetal;
constexpr forms::Color lightRed = velmora::heatedMetal;
constexpr forms::Color black = velmora::frontRim;

inline forms::FormStyle testStyle() {
  forms::FormStyle style;
  style.caption = "Velmora：テスト";
  style.clientWidth = 3000;
  style.clientHeight = 2250;
  style.backColor = forms::systemColor(24);
  return style;
}

class TestForm : public forms::Form {
 public:
  using Layout = std::function<void(TestForm&)>;
  explicit TestForm(Layout layout, forms::FormStyle style = testStyle())
      : Form(std::move(style)), layout_(std::move(layout)) {}

  std::function<void()> whenLoaded;
  std::function<void()> whenCloseBox;
  int loads = 0;

  template <class T, class... Args>
  T* make(Args&&... args) {
    return add<T>(std::forward<Args>(args)...);
  }
  forms::Timer* timer(int intervalMs = 50) { return addTimer(intervalMs); }
  void tabOrder(std::vector<forms::Control*> order) { setTabOrder(std::move(order)); }

 protected:
  void buildLayout() override {
    if (layout_) layout_(*this);
  }
  void onLoad() override {
    ++loads;
    if (whenLoaded) whenLoaded();
  }
  void onCloseBox() override {
    if (whenCloseBox) {
      whenCloseBox();
    } else {
      close();
    }
  }

 private:
  Layout layout_;
};

}  // namespace formstest
