#include "app/texts.h"

namespace velmora {

namespace {

// Most shapes are plates: "...の板の熱の伝わり方" (how heat spreads through a
// ... plate).
constexpr Text plateHeading{"の板の熱の伝わり方"};

// What a press on the metal does, for a child who cannot see the cross.
constexpr std::string_view metalHelp =
    "おした ところを アルコールランプで 熱します。やじるしキーで ばしょを えらび、Enter で "
    "熱します。";

}  // namespace

const CaptionSet& captions() {
  static const CaptionSet children{
      .programName = "Velmora",
      .windowCaptionJoin = "：",
      .title = {"Velmora　 "},
      .titleHeat = {"熱"},
      .question = {"いろいろな形の金ぞくの板を熱すると、熱はどのように伝わっていくでしょう。"},
      .lampPicture = {"", "金ぞくの板を アルコールランプで 熱している 絵"},
      .finish = {"おわり"},
      .back = {"もどる"},
      .retry = {"もう一度"},
      .speeds = {{{"ゆっくり"}, {"ふつう"}, {"はやい"}}},
      .burner = {"", "アルコールランプの ほのお"},
      .closeBox = {"", "とじる"},
      .heatStarted = "ねつしはじめました",
      .wholeShapeWarm = "ぜんたいが あたたまりました",
      // A card reads as its caption and says what a press opens; the metal
      // says what it is and what a press (or the keys) does.
      .rod = {{"ぼう", "", "ぼうの 絵。おすと、ぼうの 熱の伝わり方を 見られます。"},
              {"ぼう"},
              {"の熱の伝わり方"},  // the rod is no plate
              {"", "金ぞくの ぼう", metalHelp}},
      .plate = {{"長方形", "",
                 "長方形の 板の 絵。おすと、長方形の 板の 熱の伝わり方を 見られます。"},
                {"長方形"},
                plateHeading,
                {"", "長方形の 金ぞくの板", metalHelp}},
      .tPlate = {{"T字形", "",
                  "Ｔの 字の 形の 板の 絵。おすと、Ｔ字形の 板の 熱の伝わり方を 見られます。"},
                 {"Ｔ字形"},
                 plateHeading,
                 {"", "Ｔ字形の 金ぞくの板", metalHelp}},
      .concavePlate =
          {{"凹字形", "",
            "凹の 字の 形の 板の 絵。おすと、凹字形の 板の 熱の伝わり方を 見られます。"},
           {"凹字形"},
           plateHeading,
           {"", "凹字形の 金ぞくの板", metalHelp}},
      .hPlate = {{"H字形", "",
                  "Ｈの 字の 形の 板の 絵。おすと、Ｈ字形の 板の 熱の伝わり方を 見られます。"},
                 {"H字形"},
                 plateHeading,
                 {"", "Ｈ字形の 金ぞくの板", metalHelp}},
      .spiral = {{"うず形", "",
                  "うずまきの 形の 板の 絵。おすと、うず形の 板の 熱の伝わり方を 見られます。"},
                 {"うず形"},
                 plateHeading,
                 {"", "うず形の 金ぞくの板", metalHelp}},
  };
  return children;
}

std::string windowCaption(const CaptionSet& set, const ShapeTexts& shape) {
  return std::string(set.programName) + std::string(set.windowCaptionJoin) +
         std::string(shape.card.caption);
}

}  // namespace velmora
