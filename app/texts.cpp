#include "app/texts.h"

namespace velmora {

namespace {

// Most shapes are plates: "...の板の熱の伝わり方" (how heat spreads through a
// ... plate).
constexpr Text plateHeading{"の板の熱の伝わり方"};

}  // namespace

const CaptionSet& captions() {
  static const CaptionSet children{
      .programName = "Velmora",
      .windowCaptionJoin = "：",
      .title = {"Velmora　 "},
      .titleHeat = {"熱"},
      .question = {"いろいろな形の金ぞくの板を熱すると、熱はどのように伝わっていくでしょう。"},
      .lampPicture = {},
      .finish = {"おわり"},
      .back = {"もどる"},
      .retry = {"もう一度"},
      .speeds = {{{"ゆっくり"}, {"ふつう"}, {"はやい"}}},
      .rod = {{"ぼう"}, {"ぼう"}, {"の熱の伝わり方"}},  // the rod is no plate
      .plate = {{"長方形"}, {"長方形"}, plateHeading},
      .tPlate = {{"T字形"}, {"Ｔ字形"}, plateHeading},
      .concavePlate = {{"凹字形"}, {"凹字形"}, plateHeading},
      .hPlate = {{"H字形"}, {"H字形"}, plateHeading},
      .spiral = {{"うず形"}, {"うず形"}, plateHeading},
  };
  return children;
}

std::string windowCaption(const CaptionSet& set, const ShapeTexts& shape) {
  return std::string(set.programName) + std::string(set.windowCaptionJoin) +
         std::string(shape.card.caption);
}

}  // namespace velmora
