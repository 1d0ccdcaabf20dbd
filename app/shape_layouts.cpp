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
      {.shape = heat::rod,
       .card = {2400, 1440},
       .cardCaption = "ぼう",
       .cardCaptionWidth = 495,
       .pictogram = {{120, 480, 1335, 135}},
       .shapeWord = "ぼう",
       .shapeWordWidth = 975,
       .shapeWordPoints = 24,
       .heading = "の熱の伝わり方",
       .headingLeft = 1320,
       .headingWidth = 2655,
       // The rod is thinner than the marker: only a strip of the flame shows
       // in it, the rest shows around it on the burner image.
       .burner = {0, 0},
       .markers = {{0, 0}}},
      {.shape = heat::plate,
       .card = {4200, 1440},
       .cardCaption = "長方形",
       .cardCaptionWidth = 615,
       .pictogram = {{120, 360, 1335, 735}},
       .shapeWord = "長方形",
       .shapeWordWidth = 1575,
       .shapeWordPoints = 21.75f,  // three characters in the space of two and a bit
       .heading = plateHeading,
       .headingLeft = 1800,
       .headingWidth = plateHeadingWidth,
       .burner = {0, 0},
       .markers = {{1800, 1080}}},
      {.shape = heat::tPlate,
       .card = {6000, 1440},
       .cardCaption = "T字形",
       .cardCaptionWidth = 615,
       .pictogram = {{120, 360, 1335, 255} /* top bar */, {600, 600, 255, 495} /* stem */},
       .shapeWord = "Ｔ字形",
       .shapeWordWidth = 1455,
       .shapeWordPoints = 24,
       .heading = plateHeading,
       .headingLeft = 1680,
       .headingWidth = plateHeadingWidth,
       .burner = {720, 2520},
       .markers = {{1440, 120}, {240, 360}, {240, 360}, {240, 360}}},
      {.shape = heat::concavePlate,
       .card = {2400, 2760},
       .cardCaption = "凹字形",
       .cardCaptionWidth = 615,
       .pictogram = {{240, 360, 255, 735} /* left pillar */,
                     {1080, 360, 255, 735} /* right pillar */,
                     {480, 840, 615, 255} /* bottom bar */},
       .shapeWord = "凹字形",
       .shapeWordWidth = 1695,
       .shapeWordPoints = 24,
       .heading = plateHeading,
       .headingLeft = 1920,
       .headingWidth = plateHeadingWidth,
       .burner = {0, 2160},
       .markers = {{120, 120}, {120, 0}, {120, 120}, {240, 0}, {120, 120}}},
      {.shape = heat::hPlate,
       .card = {4200, 2760},
       .cardCaption = "H字形",
       .cardCaptionWidth = 615,
       .pictogram = {{240, 360, 255, 735} /* left upright */,
                     {1080, 360, 255, 735} /* right upright */,
                     {480, 600, 615, 255} /* crossbar */},
       .shapeWord = "H字形",
       .shapeWordWidth = 1455,
       .shapeWordPoints = 24,
       .heading = plateHeading,
       .headingLeft = 1680,
       .headingWidth = plateHeadingWidth,
       .burner = {0, 2160},
       .markers = {{120, 120}, {120, 0}, {120, 120}, {240, 0}, {120, 120}, {120, 0}, {120, 120}}},
      {.shape = heat::spiral,
       .card = {6000, 2760},
       .cardCaption = "うず形",
       .cardCaptionWidth = 975,
       .pictogram = {{360, 360, 135, 615} /* outer bar */,
                     {600, 360, 855, 135} /* top bar */,
                     {1320, 360, 135, 615} /* right bar */,
                     {480, 840, 975, 135} /* bottom bar */,
                     {600, 360, 135, 375} /* inner bar */},
       .shapeWord = "うず形",
       .shapeWordWidth = 1455,
       .shapeWordPoints = 24,
       .heading = plateHeading,
       .headingLeft = 1680,
       .headingWidth = plateHeadingWidth,
       .burner = {0, 2160},
       .markers = {{120, 1560},
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
