#include "simulation/module1.h"

namespace velmora::Module1 {

// The menu sets it again at start; "ふつう" until then.
float speedFactor = 50;

}  // namespace velmora::Module1
