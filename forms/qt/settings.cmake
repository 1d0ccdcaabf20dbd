# Qt's tests draw on an offscreen desk: no display needed. The
# conformance suite's desk has a second screen at twice the scale, to drag
# windows onto; QT_SCALE_FACTOR makes the whole desk larger.
set(VELMORA_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen)
set(VELMORA_SUITE_SCREENS
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/offscreen_screens.json")
set(VELMORA_SUITE_SCALE_2 QT_SCALE_FACTOR=2)
set(VELMORA_SUITE_SCALE_1_5 QT_SCALE_FACTOR=1.5)
