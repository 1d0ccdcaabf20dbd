#include "app/shape_layouts.h"

namespace velmora {

namespace {

// Most headings read "...の板の熱の伝わり方" (how heat spreads through a
// ... plate); the rod is no plate.
const char* const plateHeading = "の板の熱の伝わり方";
constexpr float plateHeadingWidth = 3375;

}  // namespace

const std::vector<ShapeLayout>& shapeLayouts() {
  static const std::vector<ShapeLayout> layouts{
      {heat::rod,
       {2400, 1440},
       "ぼう",
       495,
       {{120, 480, 1335, 135}},
       "ぼう",
       975,
       24,
       "の熱の伝わり方",
       1320,
       2655,
       // The rod is thinner than the marker: only a strip of the flame shows
       // in it, the rest shows around it on the burner image.
       {0, 0},
       {{0, 0}}},
      {heat::plate,
       {4200, 1440},
       "長方形",
       615,
       {{120, 360, 1335, 735}},
       // Three characters in the space of two and a bit.
       "長方形",
       1575,
       21.75f,
       plateHeading,
       1800,
       plateHeadingWidth,
       {0, 0},
       {{1800, 1080}}},
      {heat::tPlate,
       {6000, 1440},
       "T字形",
       615,
       {{120, 360, 1335, 255} /* top bar */, {600, 600, 255, 495} /* stem */},
       "Ｔ字形",
       1455,
       24,
       plateHeading,
       1680,
       plateHeadingWidth,
       {720, 2520},
       {{1440, 120}, {240, 360}, {240, 360}, {240, 360}}},
      {heat::concavePlate,
       {2400, 2760},
       "凹字形",
       615,
       {{240, 360, 255, 735} /* left pillar */,
        {1080, 360, 255, 735} /* right pillar */,
        {480, 840, 615, 255} /* bottom bar */},
       "凹字形",
       1695,
       24,
       plateHeading,
       1920,
       plateHeadingWidth,
       {0, 2160},
       {{120, 120}, {120, 0}, {120, 120}, {240, 0}, {120, 120}}},
      {heat::hPlate,
       {4200, 2760},
       "H字形",
       615,
       {{240, 360, 255, 735} /* left upright */,
        {1080, 360, 255, 735} /* right upright */,
        {480, 600, 615, 255} /* crossbar */},
       "H字形",
       1455,
       24,
       plateHeading,
       1680,
       plateHeadingWidth,
       {0, 2160},
       {{120, 120}, {120, 0}, {120, 120}, {240, 0}, {120, 120}, {120, 0}, {120, 120}}},
      {heat::spiral,
       {6000, 2760},
       "うず形",
       975,
       {{360, 360, 135, 615} /* outer bar */,
        {600, 360, 855, 135} /* top bar */,
        {1320, 360, 135, 615} /* right bar */,
        {480, 840, 975, 135} /* bottom bar */,
        {600, 360, 135, 375} /* inner bar */},
       "うず形",
       1455,
       24,
       plateHeading,
       1680,
       plateHeadingWidth,
       {0, 2160},
       {{120, 1560},
        {120, 120},
        {2160, 120},
        {120, 120},
        {120, 840},
        {120, 120},
        {120, 120},
        {120, 120},
        {120, 840}}},
  };
  return layouts;
}

}  // namespace velmora
