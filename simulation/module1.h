// The one value the windows share: how fast the heat spreads.
#pragma once

namespace velmora::Module1 {

// 20 ("ゆっくり"), 50 ("ふつう") or 100 ("はやい"). Set by the menu at start
// and by every simulation window's speed options; read by every heat tick,
// so a change of speed reaches a run that is already going.
extern float speedFactor;

}  // namespace velmora::Module1
